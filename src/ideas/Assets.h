#pragma once

#include <QStringList>

#include "core/Session.h"

namespace quillane {

// The assets as the list of their page shows them: slots 1.. in order, up to
// the first empty one.
QStringList AssetEntries(const SessionContent& content, AssetKind kind);

}  // namespace quillane
