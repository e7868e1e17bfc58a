#include "session/LastRunBackup.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <tuple>
#include <vector>

#include "resources/Texts.h"
#include "session/WorkfileReader.h"

namespace quillane {

namespace {

struct KeptBackup {
  QString stamp;
  int number = 1;  // a second backup of the same second gets -2, and so on
  QString fileName;
};

void RemoveOldestRunBackups(const QDir& folder, const QString& stem, const QString& suffix) {
  const QRegularExpression pattern(QLatin1Char('^') + QRegularExpression::escape(stem) +
                                       QStringLiteral(R"(-(\d{8}-\d{6})(?:-(\d+))?\.)") +
                                       QRegularExpression::escape(suffix) + QLatin1Char('$'),
                                   QRegularExpression::CaseInsensitiveOption);
  std::vector<KeptBackup> kept;
  for (const QString& name : folder.entryList(QDir::Files)) {
    const QRegularExpressionMatch match = pattern.match(name);
    if (!match.hasMatch()) continue;
    const int number = match.hasCaptured(2) ? match.captured(2).toInt() : 1;
    kept.push_back({match.captured(1), number, name});
  }
  std::sort(kept.begin(), kept.end(), [](const KeptBackup& a, const KeptBackup& b) {
    return std::tie(a.stamp, a.number) > std::tie(b.stamp, b.number);
  });
  for (std::size_t i = kKeptRunBackups; i < kept.size(); ++i) {
    QFile::remove(folder.filePath(kept[i].fileName));
  }
}

// The mark of a running program in the data folder.
const QString kRunMark = QStringLiteral("quillane.running");

}  // namespace

bool PreserveLastRunBackup(const QString& dataFolder) {
  const QFileInfo backupName(Text(107));
  const QString stem = backupName.completeBaseName();
  const QString suffix = backupName.suffix();
  const QDir folder(dataFolder);
  const QFileInfo backup(folder.filePath(backupName.fileName()));
  if (backup.isFile()) {
    const QString stamp = backup.lastModified().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    const QString base = stem + QLatin1Char('-') + stamp;
    QString target = folder.filePath(base + QLatin1Char('.') + suffix);
    for (int number = 2; QFileInfo::exists(target); ++number) {
      target = folder.filePath(base + QLatin1Char('-') + QString::number(number) + QLatin1Char('.') + suffix);
    }
    if (!QFile::rename(backup.filePath(), target)) return false;
  }
  RemoveOldestRunBackups(folder, stem, suffix);
  return true;
}

bool MarkRunStarted(const QString& dataFolder) {
  const QString mark = QDir(dataFolder).filePath(kRunMark);
  const bool earlierRunLeftIt = QFileInfo::exists(mark);
  QDir().mkpath(dataFolder);
  QFile file(mark);
  if (file.open(QIODevice::WriteOnly)) file.write(QByteArray::number(QCoreApplication::applicationPid()));
  return earlierRunLeftIt;
}

void MarkRunEnded(const QString& dataFolder) {
  QFile::remove(QDir(dataFolder).filePath(kRunMark));
}

bool BackupHasContent(const QString& path) {
  const std::optional<QByteArray> bytes = ReadWorkfileBytes(path);
  if (!bytes) return false;
  const QList<QByteArray> lines = SplitLines(*bytes);
  if (lines.size() < 2 || !IsStartMarkerLine(lines[0], Text(117))) return false;
  const auto content = ReadWorkfileContent(lines, 2, false);
  return content && (!content->goal.isEmpty() || !content->criteria.isEmpty() ||
                     !content->tAssets.isEmpty() || !content->iAssets.isEmpty() || !content->ideas.isEmpty());
}

}  // namespace quillane
