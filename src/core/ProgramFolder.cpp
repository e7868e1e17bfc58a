#include "core/ProgramFolder.h"

#include <QDir>

namespace quillane {

QString ProgramFilesFolder(const QString& executableFolder) {
  const QDir exe(executableFolder);
  const QString installed = exe.absoluteFilePath(QStringLiteral("../share/quillane"));
  return QDir(installed).exists() ? QDir::cleanPath(installed) : QDir::cleanPath(exe.absolutePath());
}

}  // namespace quillane
