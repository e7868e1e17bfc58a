#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

#include "crypto/SealingKey.h"

namespace quillane {

class Platform;

// The key `password` gives with `salt` and `limits`. The derivation takes
// about half a second by design; it runs on a thread of its own while the
// window goes on painting, under the busy pointer. User input and requests
// from other programs wait until it ends, and `fileWork` counts it, so no
// command or backup starts in between. Null when the memory it needs could
// not be had.
std::shared_ptr<const SealingKey> DeriveSessionKey(const QString& password, const QByteArray& salt,
                                                   const KdfLimits& limits, Platform& platform,
                                                   int& fileWork);

}  // namespace quillane
