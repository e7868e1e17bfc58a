#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

#include "core/Program.h"
#include "session/AutoBackup.h"
#include "session/Constants.h"
#include "session/LastRunBackup.h"
#include "resources/Texts.h"
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

QByteArray ReadFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class AutoBackupTest : public ::testing::Test {
 protected:
  AutoBackupTest() {
    LoadConstants(s, QStringLiteral("/opt/quillane"));
    program.dataFolder = dir.path();
    s.nAutoBackupTime = 5;
    program.autoBackupTimer.SetEnabled(true);
    platform.secondsSinceMidnight = 36000.0;  // started at 10:00:00
    StartBackupInterval(s, platform);
    QObject::connect(&program.status, &StatusLine::panelTextChanged, [this](const QString& text) {
      if (text == s.sMsgAutoBackup) ++backups;
      // The busy message repaints the window, which checks again.
      backup.OnRepaint();
    });
  }

  // Ticks at `clock` and tells whether a backup was written.
  bool BackupAt(double clock) {
    const int before = backups;
    platform.secondsSinceMidnight = clock;
    backup.Tick();
    return backups > before;
  }

  QString BackupFile() const { return QDir(program.dataFolder).filePath(QStringLiteral("BACKUP.QLN")); }

  QTemporaryDir dir;
  test::ScriptedPlatform platform;
  Program program{platform};
  Session& s = program.session;
  int backups = 0;
  AutoBackup backup{s, platform, program.status, program.autoBackupTimer, program.fileWork, program.dataFolder};
};

TEST_F(AutoBackupTest, WritesABackupOnTheFirstTickPastEachInterval) {
  EXPECT_EQ(s.lBackupTime, 36000);
  EXPECT_FALSE(BackupAt(36150.0));
  EXPECT_FALSE(BackupAt(36300.0));
  EXPECT_TRUE(BackupAt(36300.6));
  EXPECT_EQ(backups, 1);
  EXPECT_EQ(s.lBackupTime, 36301);  // the interval starts anew at the rounded clock
  EXPECT_FALSE(BackupAt(36300.8));
  EXPECT_FALSE(BackupAt(36601.0));
  EXPECT_TRUE(BackupAt(36601.2));
  EXPECT_EQ(s.lBackupTime, 36601);
  EXPECT_EQ(backups, 2);
}

TEST_F(AutoBackupTest, AfterMidnightWaitsUntilTheClockPassesTheIntervalAgain) {
  platform.secondsSinceMidnight = 86000.0;  // 23:53:20
  StartBackupInterval(s, platform);
  EXPECT_FALSE(BackupAt(86250.0));
  EXPECT_FALSE(BackupAt(600.0));  // ten past midnight: the clock began again at 0
  EXPECT_FALSE(BackupAt(43200.0));
  EXPECT_FALSE(BackupAt(86300.0));
  EXPECT_TRUE(BackupAt(86300.5));
}

TEST_F(AutoBackupTest, NoBackupWhileTheTimerIsOff) {
  program.autoBackupTimer.SetEnabled(false);
  platform.secondsSinceMidnight = 40000.0;
  backup.Tick();
  backup.OnRepaint();
  EXPECT_EQ(backups, 0);
  EXPECT_FALSE(backup.checkPending());

  program.autoBackupTimer.SetEnabled(true);
  backup.OnRepaint();
  EXPECT_EQ(backups, 1);
}

TEST_F(AutoBackupTest, RepaintDuringFileWorkWaitsUntilTheWorkHasEnded) {
  platform.secondsSinceMidnight = 36400.0;
  program.fileWork = 1;
  backup.OnRepaint();
  backup.RunPendingCheck();
  EXPECT_EQ(backups, 0);
  EXPECT_TRUE(backup.checkPending());

  program.fileWork = 0;
  backup.RunPendingCheck();
  EXPECT_EQ(backups, 1);
  EXPECT_EQ(s.lBackupTime, 36400);

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
  ASSERT_TRUE(BackupAt(36300.5));
  EXPECT_EQ(ReadFile(kept), "last run");
  EXPECT_TRUE(ReadFile(current).contains("\r\nthis run\r\n"));

  ASSERT_TRUE(BackupAt(36700.0));
  EXPECT_EQ(ReadFile(kept), "last run");
  EXPECT_EQ(folder.entryList(QDir::Files).size(), 2);  // this run's own backup was not moved
}

TEST_F(AutoBackupTest, WritesACopyOfTheContentAndChangesNothingElse) {
  s.sGoal = QStringLiteral("Quieter bikes");
  s.bPassword = true;
  s.sPassword = QStringLiteral("SECRET");
  s.sWorkfile = QStringLiteral("/home/ann/bikes.qln");
  s.bChanged = true;
  const auto before = std::make_unique<Session>(s);
  ASSERT_TRUE(BackupAt(36300.5));

  EXPECT_TRUE(ReadFile(BackupFile()).startsWith("{***Quillane start***}\r\n#FALSE#\r\n\r\nQuieter bikes\r\n"));
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_TRUE(platform.fileDialogs.empty());
  EXPECT_TRUE(s.sWorkfile == before->sWorkfile && s.bChanged && s.bPassword && s.sPassword == before->sPassword);
  EXPECT_FALSE(program.progress.done(ProgressStep::SessionSaved));
  EXPECT_EQ(program.status.panelText(), s.sWorkfile);
}

TEST_F(AutoBackupTest, AFailedBackupIsToldInTheStatusBarAndTriedAgainAtTheNextInterval) {
  // A file where the data folder should be: nothing can be written there.
  program.dataFolder = dir.filePath(QStringLiteral("blocked"));
  WriteFile(program.dataFolder, "not a folder");
  EXPECT_FALSE(BackupAt(36300.5));
  EXPECT_TRUE(platform.messages.empty()) << "never a message box from the timer";
  EXPECT_TRUE(program.status.noticeShown());
  EXPECT_TRUE(program.status.panelText().startsWith(Text(3103)));
  EXPECT_EQ(platform.busyDepth, 0);

  EXPECT_FALSE(BackupAt(36400.0)) << "the next try waits for the next interval";
  QFile::remove(program.dataFolder);
  EXPECT_TRUE(BackupAt(36601.0));
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
  EXPECT_EQ(ReadFile(folder.filePath(QStringLiteral("BACKUP-20261203-141502-2.QLN"))), "last run");
  EXPECT_EQ(ReadFile(folder.filePath(QStringLiteral("BACKUP-20261203-141502.QLN"))), "same second, earlier");

  // Nothing left to put aside: nothing changes.
  ASSERT_TRUE(PreserveLastRunBackup(dir.path()));
  EXPECT_EQ(folder.entryList(QDir::Files).size(), 7);
}

}  // namespace
}  // namespace quillane
