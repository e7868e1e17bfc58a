#pragma once

#include <QByteArray>
#include <QFileDevice>
#include <QString>
#include <optional>

namespace quillane {

// Replaces the file at `path` with `bytes`, or leaves it exactly as it was:
// the bytes go into a new file beside it that takes the old one's place only
// once everything is written. False when the file could not be written.
// With `permissions`, the new file has those from the start.
bool WriteFileSafely(const QString& path, const QByteArray& bytes,
                     std::optional<QFileDevice::Permissions> permissions = std::nullopt);

}  // namespace quillane
