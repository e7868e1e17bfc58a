#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

#include "core/Program.h"
#include "resources/Texts.h"
#include "session/AutoBackup.h"
#include "session/Constants.h"
#include "session/LastRunBackup.h"
#include "support/Files.h"
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
    LoadConstants(s, QStringLiteral("/opt/quillane"));
    program.dataFolder = dir.path();
    s.nAutoBackupTime = 5;
    s.sGoal = QStringLiteral("Quieter bikes");
    program.autoBackupTimer.SetEnabled(true);
    StartBackupInterval(s, platform);
    QObject::connect(&program.status, &StatusLine::panelTextChanged, [this](const QString& text) {
      if (text == s.sMsgAutoBackup) ++backups;
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

  QString BackupFile() const { return QDir(program.dataFolder).filePath(QStringLiteral("BACKUP.QLN")); }

  QTemporaryDir dir;
  test::ScriptedPlatform platform;
  Program program{platform};
  Session& s = program.session;
  int backups = 0;
  AutoBackup backup{
      s, platform, program.status, program.autoBackupTimer, program.fileWork, program.dataFolder};
};

// Elapsed time counts, so midnight changes nothing.
TEST_F(AutoBackupTest, WritesABackupOnTheFirstTickPastEachIntervalOfElapsedTime) {
  platform.secondsSinceMidnight = 86000.0;  // 23:53:20
  EXPECT_FALSE(BackupAt(150.0));
  EXPECT_FALSE(BackupAt(300.0));
  platform.secondsSinceMidnight = 100.0;  // past midnight, the wall clock began again
  EXPECT_TRUE(BackupAt(300.001));
  EXPECT_EQ(s.lBackupTime, 300001);  // the interval starts anew
  s.sGoal = QStringLiteral("Quieter and lighter bikes");
  EXPECT_FALSE(BackupAt(600.0));
  EXPECT_TRUE(BackupAt(600.002));
  EXPECT_EQ(backups, 2);
}

TEST_F(AutoBackupTest, NothingIsWrittenWithoutAChangeSinceTheLastBackup) {
  s.sGoal.clear();  // the untouched session of a new run
  WriteFile(BackupFile(), "last run");
  EXPECT_FALSE(BackupAt(301.0));
  EXPECT_EQ(ReadFileBytes(BackupFile()), "last run") << "the last run's backup stays where it is";
  EXPECT_EQ(QDir(program.dataFolder).entryList(QDir::Files).size(), 1);

  s.nIdeas = 1;
  s.sIdeas[1] = QStringLiteral("a bell");
  EXPECT_TRUE(BackupAt(602.0));
  EXPECT_FALSE(BackupAt(903.0)) << "unchanged since";
  s.sIdeas[1] = QStringLiteral("a louder bell");
  EXPECT_TRUE(BackupAt(1204.0));
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(AutoBackupTest, NoBackupWhileTheTimerIsOff) {
  program.autoBackupTimer.SetEnabled(false);
  platform.monotonicMs = 400000;
  backup.Tick();
  backup.OnRepaint();
  EXPECT_EQ(backups, 0);
  EXPECT_FALSE(backup.checkPending());

  program.autoBackupTimer.SetEnabled(true);
  backup.OnRepaint();
  EXPECT_EQ(backups, 1);
}

TEST_F(AutoBackupTest, RepaintDuringFileWorkWaitsUntilTheWorkHasEnded) {
  platform.monotonicMs = 400000;
  program.fileWork = 1;
  backup.OnRepaint();
  backup.RunPendingCheck();
  EXPECT_EQ(backups, 0);
  EXPECT_TRUE(backup.checkPending());

  program.fileWork = 0;
  backup.RunPendingCheck();
  EXPECT_EQ(backups, 1);
  EXPECT_EQ(s.lBackupTime, 400000);

  // The backup's own busy message repainted the window: that started no
  // second backup and left no check waiting.
  EXPECT_FALSE(backup.checkPending());
  backup.RunPendingCheck();
  EXPECT_EQ(backups, 1);
}

TEST_F(AutoBackupTest, FirstBackupOfTheRunPutsTheLastRunsBackupAside) {
  const QDir folder(program.dataFolder);
  const QString current = folder.filePath(QStringLiteral("BACKUP.QLN"));
  const QString kept = folder.filePath(QStringLiteral("BACKUP-20261202-183005.QLN"));
  WriteFile(current, "last run", QDateTime(QDate(2026, 12, 2), QTime(18, 30, 5)));

  s.sGoal = QStringLiteral("this run");
  ASSERT_TRUE(BackupAt(300.5));
  EXPECT_EQ(ReadFileBytes(kept), "last run");
  EXPECT_EQ(QFile::permissions(kept) & 0x7077, QFile::ReadOwner | QFile::WriteOwner) << "the user's alone";
  EXPECT_TRUE(ReadFileBytes(current).contains("\r\nthis run\r\n"));

  s.sGoal = QStringLiteral("later");
  ASSERT_TRUE(BackupAt(700.0));
  EXPECT_EQ(ReadFileBytes(kept), "last run");
  EXPECT_EQ(folder.entryList(QDir::Files).size(), 2);  // this run's own backup was not moved
}

TEST_F(AutoBackupTest, WritesACopyOfTheContentAndChangesNothingElse) {
  s.sGoal = QStringLiteral("Quieter bikes");
  s.bPassword = true;
  s.sPassword = QStringLiteral("SECRET");
  s.sWorkfile = QStringLiteral("/home/ann/bikes.qln");
  s.bChanged = true;
  const auto before = std::make_unique<Session>(s);
  ASSERT_TRUE(BackupAt(300.5));

  // Protected as the session is, and the user's alone.
  const QByteArray backup = ReadFileBytes(BackupFile());
  EXPECT_TRUE(backup.startsWith("{***Quillane start***}\r\n-1\r\n"));
  EXPECT_FALSE(backup.contains("Quieter bikes"));
  EXPECT_EQ(QFile::permissions(BackupFile()) & 0x7077, QFile::ReadOwner | QFile::WriteOwner);
  EXPECT_EQ(QFile::permissions(program.dataFolder) & 0x7077,
            QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_TRUE(platform.fileDialogs.empty());
  EXPECT_TRUE(s.sWorkfile == before->sWorkfile && s.bChanged && s.bPassword &&
              s.sPassword == before->sPassword);
  EXPECT_FALSE(program.progress.done(ProgressStep::SessionSaved));
  EXPECT_EQ(program.status.panelText(), s.sWorkfile);
}

TEST_F(AutoBackupTest, AFailedBackupIsToldInTheStatusBarAndTriedAgainAtTheNextInterval) {
  // A file where the data folder should be: nothing can be written there.
  program.dataFolder = dir.filePath(QStringLiteral("blocked"));
  WriteFile(program.dataFolder, "not a folder");
  EXPECT_FALSE(BackupAt(300.5));
  EXPECT_TRUE(platform.messages.empty()) << "never a message box from the timer";
  EXPECT_TRUE(program.status.noticeShown());
  EXPECT_TRUE(program.status.panelText().startsWith(Text(3103)));
  EXPECT_EQ(platform.busyDepth, 0);

  EXPECT_FALSE(BackupAt(400.0)) << "the next try waits for the next interval";
  QFile::remove(program.dataFolder);
  EXPECT_TRUE(BackupAt(601.0)) << "and comes although nothing changed";
  EXPECT_TRUE(QFile::exists(QDir(program.dataFolder).filePath(QStringLiteral("BACKUP.QLN"))));
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
            (QStringList{
                QStringLiteral("BACKUP-20261104-090000.QLN"), QStringLiteral("BACKUP-20261105-090000.QLN"),
                QStringLiteral("BACKUP-20261106-090000.QLN"), QStringLiteral("BACKUP-20261203-141502-2.QLN"),
                QStringLiteral("BACKUP-20261203-141502.QLN"), QStringLiteral("BACKUP-notes.QLN"),
                QStringLiteral("bikes.qln")}));
  EXPECT_EQ(ReadFileBytes(folder.filePath(QStringLiteral("BACKUP-20261203-141502-2.QLN"))), "last run");
  EXPECT_EQ(ReadFileBytes(folder.filePath(QStringLiteral("BACKUP-20261203-141502.QLN"))),
            "same second, earlier");

  // Nothing left to put aside: nothing changes.
  ASSERT_TRUE(PreserveLastRunBackup(dir.path()));
  EXPECT_EQ(folder.entryList(QDir::Files).size(), 7);
}

}  // namespace
}  // namespace quillane
