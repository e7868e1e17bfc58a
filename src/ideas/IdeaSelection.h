#pragma once

#include <QStringList>
#include <span>

#include "core/Session.h"

namespace quillane {

// The idea list and the picks made from it in the selection dialog.

// What the selection dialog is shown for: viewing and editing the ideas, or
// picking ideas for a technique.
enum class IdeaPick { None, MindStepping, Clustering, Evaluation };

// The message number when `picked` ideas are too few for `pick`, else 0:
// MindStepping and Clustering take at least one, the evaluation two.
int PickRefusal(IdeaPick pick, int picked);

// Stores a pick in list order into `list`, clearing an earlier, longer pick.
void StorePick(std::span<QString> list, Integer& count, const QStringList& picked);

}  // namespace quillane
