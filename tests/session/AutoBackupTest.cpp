#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

#include "resources/Texts.h"
#include "session/AutoBackup.h"
#include "session/EncryptedWorkfile.h"
#include "session/LastRunBackup.h"
#include "session/QuietEdits.h"
#include "support/Files.h"
#include "support/Lists.h"
#include "support/Parts.h"
#include "support/ScriptedPlatform.h"

namespace quillane {
namespace {

void WriteFile(const QString& path, const QByteArray& bytes, const QDateTime& modified = {}) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
  file.flush();  // a later write would move the time again
  if (modified.isValid()) {
    ASSERT_TRUE(file.setFileTime(modified, QFileDevice::FileModificationTime));
  }
}

using test::ReadFileBytes;

// A session with something typed, backed up every five minutes; the clock
// is the monotonic one, in seconds since the run began.
class AutoBackupTest : public ::testing::Test {
 protected:
  AutoBackupTest() {
    parts->dataFolder = dir.path();
    parts->settings.nAutoBackupTime = 5;
    SetGoal(QStringLiteral("Quieter bikes"));
    parts->autoBackupTimer.SetEnabled(true);
    backup.StartInterval();
    QObject::connect(&parts->status, &StatusLine::busyMessageShown, [this](const QString& text) {
      if (text == parts->constants.sMsgAutoBackup) ++backups;
      // The busy message repaints the window, which checks again.
      backup.OnRepaint();
    });
  }

  // Ticks `seconds` after the start and tells whether a backup was written.
  bool BackupAt(double seconds) {
    const int before = backups;
    platform.monotonicMs = static_cast<qint64>(seconds * 1000.0);
    backup.Tick();
    return backups > before;
  }

  QString BackupFile() const { return QDir(parts->dataFolder).filePath(QStringLiteral("BACKUP.QLN")); }

  void Change(const std::function<void(SessionContent&)>& change) { test::ChangeContent(document, change); }
  void SetGoal(const QString& goal) {
    Change([&](SessionContent& c) { c.sGoal = goal; });
  }

  QTemporaryDir dir;
  test::ScriptedPlatform platform;
  std::unique_ptr<MainParts> parts = test::MakeParts(platform, QStringLiteral("/opt/quillane"));
  SessionDocument& document = parts->document;
  const SessionContent& s = document.content();
  int backups = 0;
  AutoBackup backup{document,      parts->states.evaluation, parts->settings, parts->constants, platform,
                    parts->status, parts->autoBackupTimer,   parts->fileWork, parts->dataFolder};
};

// Elapsed time counts, so midnight changes nothing.
TEST_F(AutoBackupTest, WritesABackupOnTheFirstTickPastEachIntervalOfElapsedTime) {
  platform.secondsSinceMidnight = 86000.0;  // 23:53:20
  EXPECT_FALSE(BackupAt(150.0));
  EXPECT_FALSE(BackupAt(300.0));
  platform.secondsSinceMidnight = 100.0;  // past midnight, the wall clock began again
  EXPECT_TRUE(BackupAt(300.001));
  EXPECT_EQ(backup.intervalStart(), 300001);  // the interval starts anew
  SetGoal(QStringLiteral("Quieter and lighter bikes"));
  EXPECT_FALSE(BackupAt(600.0));
  EXPECT_TRUE(BackupAt(600.002));
  EXPECT_EQ(backups, 2);
}

TEST_F(AutoBackupTest, NothingIsWrittenWithoutAChangeSinceTheLastBackup) {
  SetGoal(QString());  // the untouched session of a new run
  WriteFile(BackupFile(), "last run");
  EXPECT_FALSE(BackupAt(301.0));
  EXPECT_EQ(ReadFileBytes(BackupFile()), "last run") << "the last run's backup stays where it is";
  EXPECT_EQ(QDir(parts->dataFolder).entryList(QDir::Files).size(), 1);

  Change([](SessionContent& c) { test::Fill(c.sIdeas, c.nIdeas, {"a bell"}); });
  EXPECT_TRUE(BackupAt(602.0));
  EXPECT_FALSE(BackupAt(903.0)) << "unchanged since";
  Change([](SessionContent& c) { c.sIdeas[1] = QStringLiteral("a louder bell"); });
  EXPECT_TRUE(BackupAt(1204.0));
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(AutoBackupTest, NoBackupWhileTheTimerIsOff) {
  parts->autoBackupTimer.SetEnabled(false);
  platform.monotonicMs = 400000;
  backup.Tick();
  backup.OnRepaint();
  EXPECT_EQ(backups, 0);
  EXPECT_FALSE(backup.checkPending());

  parts->autoBackupTimer.SetEnabled(true);
  backup.OnRepaint();
  EXPECT_EQ(backups, 1);
}

TEST_F(AutoBackupTest, RepaintDuringFileWorkWaitsUntilTheWorkHasEnded) {
  platform.monotonicMs = 400000;
  parts->fileWork = 1;
  backup.OnRepaint();
  backup.RunPendingCheck();
  EXPECT_EQ(backups, 0);
  EXPECT_TRUE(backup.checkPending());

  parts->fileWork = 0;
  backup.RunPendingCheck();
  EXPECT_EQ(backups, 1);
  EXPECT_EQ(backup.intervalStart(), 400000);

  // The backup's own busy message repainted the window: that started no
  // second backup and left no check waiting.
  EXPECT_FALSE(backup.checkPending());
  backup.RunPendingCheck();
  EXPECT_EQ(backups, 1);
}

TEST_F(AutoBackupTest, FirstBackupOfTheRunPutsTheLastRunsBackupAside) {
  const QDir folder(parts->dataFolder);
  const QString current = folder.filePath(QStringLiteral("BACKUP.QLN"));
  const QString kept = folder.filePath(QStringLiteral("BACKUP-20261202-183005.QLN"));
  WriteFile(current, "last run", QDateTime(QDate(2026, 12, 2), QTime(18, 30, 5)));

  SetGoal(QStringLiteral("this run"));
  ASSERT_TRUE(BackupAt(300.5));
  EXPECT_EQ(ReadFileBytes(kept), "last run");
  EXPECT_EQ(QFile::permissions(kept) & 0x7077, QFile::ReadOwner | QFile::WriteOwner) << "the user's alone";
  EXPECT_TRUE(ReadFileBytes(current).contains("\r\nthis run\r\n"));

  SetGoal(QStringLiteral("later"));
  ASSERT_TRUE(BackupAt(700.0));
  EXPECT_EQ(ReadFileBytes(kept), "last run");
  EXPECT_EQ(folder.entryList(QDir::Files).size(), 2);  // this run's own backup was not moved
}

TEST_F(AutoBackupTest, WritesACopyOfTheContentAndChangesNothingElse) {
  SetGoal(QStringLiteral("Quieter bikes"));
  test::PutPassword(document, QStringLiteral("SECRET"));
  test::PutWorkfile(document, QStringLiteral("/home/ann/bikes.qln"));
  test::PutModified(document, true);
  const auto before = std::make_unique<SessionContent>(s);
  const QString workfileBefore = document.workfile();
  ASSERT_TRUE(BackupAt(300.5));

  // Protected as the session is, and the user's alone.
  const QByteArray backup = ReadFileBytes(BackupFile());
  EXPECT_TRUE(backup.startsWith("{***Quillane start***}\r\n-1\r\n"));
  EXPECT_FALSE(backup.contains("Quieter bikes"));
  EXPECT_EQ(QFile::permissions(BackupFile()) & 0x7077, QFile::ReadOwner | QFile::WriteOwner);
  EXPECT_EQ(QFile::permissions(parts->dataFolder) & 0x7077,
            QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_TRUE(platform.fileDialogs.empty());
  EXPECT_TRUE(document.workfile() == workfileBefore && document.isModified() && s == *before);
  EXPECT_FALSE(parts->progress.done(ProgressStep::SessionSaved));
  test::WaitForBusyBar(parts->status);
  EXPECT_EQ(parts->status.panelText(), document.workfile());

  // An encrypted session's backup is sealed with the session's own key.
  test::PutPassphrase(document, QStringLiteral("Secret Passphrase"));
  ASSERT_TRUE(BackupAt(700.0));
  const auto sealed = ReadEncryptedWorkfile(ReadFileBytes(BackupFile()));
  ASSERT_TRUE(sealed);
  EXPECT_EQ(sealed->salt, document.sealingKey()->salt());
  EXPECT_TRUE(OpenEncryptedWorkfile(*sealed, *document.sealingKey()));
}

TEST_F(AutoBackupTest, AFailedBackupIsToldInTheStatusBarAndTriedAgainAtTheNextInterval) {
  // A file where the data folder should be: nothing can be written there.
  parts->dataFolder = dir.filePath(QStringLiteral("blocked"));
  WriteFile(parts->dataFolder, "not a folder");
  EXPECT_FALSE(BackupAt(300.5));
  EXPECT_TRUE(platform.messages.empty()) << "never a message box from the timer";
  EXPECT_TRUE(parts->status.noticeShown());
  EXPECT_TRUE(parts->status.panelText().startsWith(Text(3103)));
  EXPECT_EQ(platform.busyDepth, 0);

  EXPECT_FALSE(BackupAt(400.0)) << "the next try waits for the next interval";
  QFile::remove(parts->dataFolder);
  EXPECT_TRUE(BackupAt(601.0)) << "and comes although nothing changed";
  EXPECT_TRUE(QFile::exists(BackupFile()));
}

TEST(LastRunBackup, KeepsTheFiveNewestAndNeverOverwritesOne) {
  QTemporaryDir dir;
  const QDir folder(dir.path());
  for (int day = 1; day <= 6; ++day) {
    WriteFile(folder.filePath(QStringLiteral("BACKUP-202611%1-090000.QLN").arg(day, 2, 10, QLatin1Char('0'))),
              "old");
  }
  WriteFile(folder.filePath(QStringLiteral("BACKUP-20261203-141502.QLN")), "same second, earlier");
  WriteFile(folder.filePath(QStringLiteral("BACKUP.QLN")), "last run",
            QDateTime(QDate(2026, 12, 3), QTime(14, 15, 2)));
  WriteFile(folder.filePath(QStringLiteral("BACKUP-notes.QLN")), "mine");
  WriteFile(folder.filePath(QStringLiteral("bikes.qln")), "mine");

  ASSERT_TRUE(PreserveLastRunBackup(dir.path()));
  EXPECT_EQ(folder.entryList(QDir::Files, QDir::Name),
            (QStringList{"BACKUP-20261104-090000.QLN", "BACKUP-20261105-090000.QLN",
                         "BACKUP-20261106-090000.QLN", "BACKUP-20261203-141502-2.QLN",
                         "BACKUP-20261203-141502.QLN", "BACKUP-notes.QLN", "bikes.qln"}));
  EXPECT_EQ(ReadFileBytes(folder.filePath(QStringLiteral("BACKUP-20261203-141502-2.QLN"))), "last run");
  EXPECT_EQ(ReadFileBytes(folder.filePath(QStringLiteral("BACKUP-20261203-141502.QLN"))),
            "same second, earlier");

  // Nothing left to put aside: nothing changes.
  ASSERT_TRUE(PreserveLastRunBackup(dir.path()));
  EXPECT_EQ(folder.entryList(QDir::Files).size(), 7);
}

}  // namespace
}  // namespace quillane
