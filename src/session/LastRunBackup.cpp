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
#include "session/EncryptedWorkfile.h"
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
  for (std::size_t i = 0; i < kept.size(); ++i) {
    const QString path = folder.filePath(kept[i].fileName);
    if (i >= kKeptRunBackups) {
      QFile::remove(path);
    } else {
      // Kept copies are the user's alone, also those an older version left open.
      QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    }
  }
}

}  // namespace

void MakePrivateFolder(const QString& folder) {
  QDir().mkpath(folder);
  QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

namespace {

// The mark of a running program in the data folder.
const QString kRunMark = QStringLiteral("quillane.running");

}  // namespace

std::optional<QString> PreserveLastRunBackup(const QString& dataFolder) {
  const QFileInfo backupName(Text(107));
  const QString stem = backupName.completeBaseName();
  const QString suffix = backupName.suffix();
  const QDir folder(dataFolder);
  const QFileInfo backup(folder.filePath(backupName.fileName()));
  QString target;
  if (backup.isFile()) {
    const QString stamp = backup.lastModified().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    const QString base = stem + QLatin1Char('-') + stamp;
    target = folder.filePath(base + QLatin1Char('.') + suffix);
    for (int number = 2; QFileInfo::exists(target); ++number) {
      target = folder.filePath(base + QLatin1Char('-') + QString::number(number) + QLatin1Char('.') + suffix);
    }
    if (!QFile::rename(backup.filePath(), target)) return std::nullopt;
  }
  RemoveOldestRunBackups(folder, stem, suffix);
  return target;
}

LastRunMark MarkRunStarted(const QString& dataFolder) {
  const QString mark = QDir(dataFolder).filePath(kRunMark);
  const QFileInfo earlier(mark);
  const LastRunMark last{earlier.exists(), earlier.exists() ? earlier.lastModified() : QDateTime()};
  MakePrivateFolder(dataFolder);
  QFile::remove(mark);  // a new file, so its time is this run's start
  QFile file(mark);
  if (file.open(QIODevice::WriteOnly)) file.write(QByteArray::number(QCoreApplication::applicationPid()));
  return last;
}

void MarkRunEnded(const QString& dataFolder) {
  QFile::remove(QDir(dataFolder).filePath(kRunMark));
}

RunBackup InspectRunBackup(const QString& path, const QDateTime& since) {
  const QFileInfo file(path);
  if (!file.exists() || (file.isFile() && file.lastModified() < since)) return RunBackup::None;
  const std::optional<QByteArray> bytes = ReadWorkfileBytes(path);
  const QList<QByteArray> lines = bytes ? SplitLines(*bytes) : QList<QByteArray>();
  if (lines.size() < 2 || !IsStartMarkerLine(lines[0], Text(117))) return RunBackup::Unreadable;
  // An encrypted backup tells nothing of its content without the password.
  if (IsEncryptedFormatLine(lines[1]))
    return ReadEncryptedWorkfile(*bytes) ? RunBackup::Protected : RunBackup::Unreadable;
  const std::optional<bool> protectedFile = ReadPasswordFlag(lines[1]);
  if (!protectedFile) return RunBackup::Unreadable;
  // A protected backup holds its scrambled password before the content.
  const qsizetype first = *protectedFile ? 3 : 2;
  const auto content = ReadWorkfileContent(lines, first, *protectedFile);
  if (!content) return RunBackup::Unreadable;
  // Recovering it reads the evaluation too: a damaged one refuses the whole.
  if (!ReadEvaluationBlock(lines, content->endMarkerLine + 1, static_cast<int>(content->criteria.size()),
                           *protectedFile, content->encoding)) {
    return RunBackup::Unreadable;
  }
  if (content->goal.isEmpty() && content->criteria.isEmpty() && content->tAssets.isEmpty() &&
      content->iAssets.isEmpty() && content->ideas.isEmpty()) {
    return RunBackup::Empty;
  }
  return *protectedFile ? RunBackup::Protected : RunBackup::Plain;
}

}  // namespace quillane
