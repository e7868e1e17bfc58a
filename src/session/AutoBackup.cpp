#include "session/AutoBackup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "core/Constants.h"
#include "core/SessionDocument.h"
#include "core/StatusLine.h"
#include "core/TimerSwitch.h"
#include "evaluation/EvaluationState.h"
#include "files/SafeFileWrite.h"
#include "platform/Platform.h"
#include "resources/Texts.h"
#include "session/LastRunBackup.h"
#include "session/WorkfileWriter.h"
#include "settings/Settings.h"

namespace quillane {

namespace {

constexpr qint64 kMsPerMinute = 60 * 1000;
constexpr int kFailureNoticeMs = 10000;

}  // namespace

QString BackupPath(const QString& dataFolder) {
  return QDir::toNativeSeparators(QDir(dataFolder).filePath(Text(107)));
}

bool WriteBackupWorkfile(const SessionContent& content, const QString& path, Platform& platform,
                         const SealingKey* key) {
  return WriteBackupWorkfile(content, *std::make_unique<EvaluationState>(), path, platform, key);
}

bool WriteBackupWorkfile(const SessionContent& content, const EvaluationState& evaluation,
                         const QString& path, Platform& platform, const SealingKey* key) {
  BusyPointer busy(platform);
  MakePrivateFolder(QFileInfo(path).absolutePath());
  // An encrypted session without its key writes no backup rather than a
  // readable one.
  const auto bytes = StoredWorkfileBytes(content, evaluation, WorkfileKind::Backup, platform, key);
  return bytes && WriteFileSafely(path, *bytes, QFile::ReadOwner | QFile::WriteOwner);
}

AutoBackup::AutoBackup(const SessionDocument& document, const EvaluationState& evaluation,
                       const Settings& settings, const Constants& constants, Platform& platform,
                       StatusLine& status, const TimerSwitch& timer, const int& fileWork,
                       const QString& dataFolder)
    : document_(document),
      evaluation_(evaluation),
      settings_(settings),
      constants_(constants),
      platform_(platform),
      status_(status),
      timer_(timer),
      fileWork_(fileWork),
      dataFolder_(dataFolder),
      lastEvaluation_(std::make_unique<EvaluationState>()) {}

bool AutoBackup::Unchanged() const {
  return document_.content() == lastWritten_ && evaluation_ == *lastEvaluation_;
}

void AutoBackup::StartInterval() {
  lBackupTime_ = platform_.MonotonicMs();
}

void AutoBackup::RunPendingCheck() {
  if (checkPending_) Check();
}

void AutoBackup::Check() {
  if (!timer_.enabled()) {
    checkPending_ = false;
    return;
  }
  // The backup's own busy message repaints the window too.
  if (writing_) return;
  if (fileWork_ > 0) {
    checkPending_ = true;
    return;
  }
  checkPending_ = false;
  const qint64 now = platform_.MonotonicMs();
  if (now - lBackupTime_ <= settings_.nAutoBackupTime * kMsPerMinute) return;
  lBackupTime_ = now;
  if (Unchanged()) return;
  writing_ = true;
  Write(true);
  writing_ = false;
}

bool AutoBackup::WriteBeforeTheEnd() {
  if (!document_.isModified()) return false;
  if (Unchanged()) return true;
  return Write(false);
}

bool AutoBackup::Write(bool tell) {
  const QString path = BackupPath(dataFolder_.isEmpty() ? constants_.sAppPath : dataFolder_);
  if (!previousRunBackupPutAside_) {
    // Rather no backup now than one written over what the last run left.
    previousRunBackupPutAside_ = PreserveLastRunBackup(QFileInfo(path).absolutePath()).has_value();
  }
  const SessionContent snapshot = document_.content();
  if (!previousRunBackupPutAside_ ||
      !WriteBackupWorkfile(snapshot, evaluation_, path, platform_, document_.sealingKey().get())) {
    status_.ShowNotice(Text(3103) + QLatin1Char(' ') + path, kFailureNoticeMs);
    return false;
  }
  lastWritten_ = snapshot;
  *lastEvaluation_ = evaluation_;
  if (tell) ShowStatusMessage(status_, constants_, StatusKind::kAutoBackup);
  return true;
}

}  // namespace quillane
