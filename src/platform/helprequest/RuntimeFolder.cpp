#include "platform/helprequest/RuntimeFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace quillane {

bool IsPrivateFolder(const QString& folder) {
#ifdef Q_OS_UNIX
  struct stat info = {};
  if (::lstat(QFile::encodeName(folder).constData(), &info) != 0) return false;
  return S_ISDIR(info.st_mode) && info.st_uid == ::getuid() && (info.st_mode & 077) == 0;
#else
  return QFileInfo(folder).isDir();
#endif
}

std::optional<QString> PrivateRuntimeFolder(const QString& desktopRuntime, const QString& tempFolder) {
  if (!desktopRuntime.isEmpty() && IsPrivateFolder(desktopRuntime)) return desktopRuntime;
#ifdef Q_OS_UNIX
  const QString own = QDir(tempFolder).filePath(QStringLiteral("quillane-%1").arg(::getuid()));
  // Made with no bits for others from the start; one that is there already
  // is used only when it passes the same check.
  ::mkdir(QFile::encodeName(own).constData(), 0700);
#else
  const QString own =
      QDir(tempFolder).filePath(QStringLiteral("quillane-") + qEnvironmentVariable("USERNAME"));
  QDir().mkpath(own);
#endif
  if (IsPrivateFolder(own)) return own;
  return std::nullopt;
}

std::optional<QString> PrivateRuntimeFolder() {
  return PrivateRuntimeFolder(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation),
                              QDir::tempPath());
}

}  // namespace quillane
