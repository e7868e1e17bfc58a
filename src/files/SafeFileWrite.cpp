#include "files/SafeFileWrite.h"

#include <QSaveFile>

namespace quillane {

bool WriteFileSafely(const QString& path, const QByteArray& bytes,
                     std::optional<QFileDevice::Permissions> permissions) {
  QSaveFile file(path);
  // Unbuffered, so a disk that takes only part of the bytes shows in the
  // count each write returns: a buffered save file can still commit then,
  // replacing the old file with a cut-off one.
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return false;
  // Set before any byte is written, so the content is never open to others.
  if (permissions && !file.setPermissions(*permissions)) {
    file.cancelWriting();
    return false;
  }
  qint64 written = 0;
  while (written < bytes.size()) {
    const qint64 part = file.write(bytes.constData() + written, bytes.size() - written);
    if (part <= 0) {
      file.cancelWriting();
      return false;
    }
    written += part;
  }
  return file.commit();
}

}  // namespace quillane
