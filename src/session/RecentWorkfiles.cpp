#include "session/RecentWorkfiles.h"

#include <QDir>
#include <QFile>

#include "files/SafeFileRead.h"
#include "files/SafeFileWrite.h"
#include "session/LastRunBackup.h"

namespace quillane {

namespace {

const QString kFileName = QStringLiteral("RECENT.TXT");
// Six paths of any length a file system allows, and then some.
constexpr qint64 kMaxBytes = 64 * 1024;

}  // namespace

QStringList ReadRecentWorkfiles(const QString& dataFolder) {
  const FileBytes file = ReadRegularFile(QDir(dataFolder).filePath(kFileName), kMaxBytes);
  if (file.result != FileRead::Done) return {};
  QStringList workfiles;
  for (const QString& line : QString::fromUtf8(file.bytes).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
    // Only whole paths: anything else in the file is no workfile of ours.
    const QString path = line.trimmed();
    if (QDir::isAbsolutePath(path) && !workfiles.contains(path)) workfiles << path;
  }
  return workfiles.mid(0, kRecentWorkfiles);
}

bool WriteRecentWorkfiles(const QString& dataFolder, const QStringList& workfiles) {
  MakePrivateFolder(dataFolder);
  return WriteFileSafely(QDir(dataFolder).filePath(kFileName),
                         workfiles.join(QLatin1Char('\n')).toUtf8() + '\n',
                         QFile::ReadOwner | QFile::WriteOwner);
}

QStringList WithRecentWorkfile(QStringList workfiles, const QString& path) {
  workfiles.removeAll(path);
  workfiles.prepend(path);
  return workfiles.mid(0, kRecentWorkfiles);
}

}  // namespace quillane
