// A run that ended without Exit leaves its backup; the next start offers it,
// and only that run's. A signal or the end of the desktop session keeps
// what was typed since the last backup.
#include <csignal>

#include "MainWindowFixture.h"
#include "Programs.h"
#include "resources/Texts.h"
#include "session/AutoBackup.h"
#include "session/LastRunBackup.h"

namespace quillane::test {
namespace {

class CrashRecoveryTest : public MainWindowTest {
 protected:
  QByteArray SettingsFile() override { return BackupEveryMinute(); }

  // Runs the program in a process of its own until it has typed a goal and
  // an idea (and, unless `signalNumber` is given, backed them up), then ends
  // it: killed outright, or by that signal.
  void KilledRun(int signalNumber = SIGKILL, const QString& settingsPath = QString()) {
    QProcess run;
    QStringList arguments = {settingsPath.isEmpty() ? parts.settingsPath : settingsPath, parts.dataFolder,
                             QStringLiteral(QUILLANE_SOURCE_DIR "/resources/shipped")};
    const QByteArray ready = signalNumber == SIGKILL ? "backed up" : "typed";
    if (signalNumber != SIGKILL) arguments << QStringLiteral("typed");
    StartProgram(run, QStringLiteral(QUILLANE_KILLED_RUN), arguments);
    ASSERT_TRUE(run.waitForStarted());
    const QByteArray said = ReadUntil(run, QProcess::StandardOutput, ready, 30000);
    ::kill(static_cast<pid_t>(run.processId()), signalNumber);
    ASSERT_TRUE(said.contains(ready)) << run.readAllStandardError().toStdString();
    ASSERT_TRUE(run.waitForFinished());
    if (signalNumber != SIGKILL) {
      EXPECT_EQ(run.exitStatus(), QProcess::NormalExit) << "the run ends by itself";
      EXPECT_EQ(run.exitCode(), 0);
    }
  }

  // What a start finds after the run before ended without Exit: this run
  // marks itself, and the next offer reads as if it had been killed.
  void StartAfterThisRun() { window->OfferLastRunBackup(); }

  QStringList DatedBackups() const {
    return QDir(parts.dataFolder).entryList({QStringLiteral("BACKUP-*.QLN")}, QDir::Files);
  }
};

TEST_F(CrashRecoveryTest, AfterAKilledRunYesOpensItsBackupAsAnUntitledChangedSession) {
  KilledRun();
  platform.AnswerNext(Answer::Yes);
  window->OfferLastRunBackup();

  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, Text(3104));
  const SessionContent& s = parts.document.content();
  EXPECT_EQ(s.sGoal, QStringLiteral("Quieter bikes"));
  ASSERT_EQ(s.nIdeas, 1);
  EXPECT_EQ(s.sIdeas[1], QStringLiteral("A bell that purrs"));
  EXPECT_TRUE(parts.document.isModified());
  EXPECT_EQ(parts.document.workfile(), QString());
  WaitForBusyBar(parts.status);
  EXPECT_EQ(parts.status.panelText(), parts.constants.sUntitled);

  // Save asks for a name: the backup is not the user's workfile.
  platform.ChooseFile(std::nullopt);
  PressMenu(Menu::kSave);
  PressCommand(Command::Save);
  EXPECT_EQ(platform.fileDialogs.size(), 1u);
}

TEST_F(CrashRecoveryTest, NoKeepsTheBackupUnderItsDatedNameAndACleanExitOffersNothing) {
  KilledRun();
  platform.AnswerNext(Answer::No);
  window->OfferLastRunBackup();
  EXPECT_EQ(parts.document.content().sGoal, QString());
  EXPECT_FALSE(QFile::exists(BackupFile()));
  ASSERT_EQ(DatedBackups().size(), 1);

  // This run ends through Exit: the next start asks nothing.
  platform.AnswerNext(Answer::Yes);
  PressMenu(Menu::kExit);
  ASSERT_EQ(ended, 1);
  QFile::copy(QDir(parts.dataFolder).filePath(DatedBackups().first()), BackupFile());
  platform.messages.clear();
  window->OfferLastRunBackup();
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(CrashRecoveryTest, ABackupWithoutContentIsNotOffered) {
  window->OfferLastRunBackup();  // this run has begun
  WriteFileBytes(BackupFile(),
                 "{***Quillane start***}\r\n#FALSE#\r\n\r\n\r\n0\r\n0\r\n0\r\n0\r\n{***Quillane end***}\r\n");
  window->OfferLastRunBackup();  // as if it had been killed and started again
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(CrashRecoveryTest, TermAndHupKeepWhatWasTypedSinceTheLastBackup) {
  const QString noBackup = folder.filePath(QStringLiteral("NoBackup.ini"));
  WriteFileBytes(noBackup, MainWindowTest::SettingsFile());  // the backup off
  for (const int signalNumber : {SIGTERM, SIGHUP}) {
    SCOPED_TRACE(signalNumber);
    QDir(parts.dataFolder).removeRecursively();
    KilledRun(signalNumber, noBackup);  // no interval ever passed
    platform.AnswerNext(Answer::Yes);
    window->OfferLastRunBackup();
    ASSERT_EQ(parts.document.content().nIdeas, 1);
    EXPECT_EQ(parts.document.content().sIdeas[1], QStringLiteral("A bell that purrs"));
    PutContent(parts.document, SessionContent());  // the next round starts afresh
    MarkRunEnded(parts.dataFolder);
  }
}

TEST_F(CrashRecoveryTest, OnlyTheBackupOfTheRunThatLeftTheMarkIsOffered) {
  StartAfterThisRun();
  // An older session's backup, from before this run began: a run with the
  // backup off, or one killed before its first backup, wrote none of its own.
  QFile::copy(WriteWorkfile("other.qln", "Last week's session"), BackupFile());
  QFile backup(BackupFile());
  ASSERT_TRUE(backup.open(QIODevice::ReadWrite));
  ASSERT_TRUE(
      backup.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
  backup.close();
  StartAfterThisRun();
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(parts.document.content().sGoal, QString());
}

TEST_F(CrashRecoveryTest, ABackupThatCannotBeReadIsToldWithItsPlace) {
  StartAfterThisRun();
  WriteFileBytes(BackupFile(), "{***Quillane start***}\r\n#FALSE#\r\n\r\nCut off");
  platform.AnswerNext(Answer::Ok);
  StartAfterThisRun();
  ASSERT_EQ(platform.messages.size(), 1u);
  ASSERT_EQ(DatedBackups().size(), 1);
  const QString kept = QDir::toNativeSeparators(QDir(parts.dataFolder).filePath(DatedBackups().first()));
  EXPECT_TRUE(platform.messages[0].text.startsWith(Text(3106)));
  EXPECT_TRUE(platform.messages[0].text.endsWith(kept)) << "the user can find it";
  EXPECT_EQ(parts.document.content().sGoal, QString());
}

TEST_F(CrashRecoveryTest, AProtectedSessionComesBackWithItsPasswordAndStaysProtected) {
  StartAfterThisRun();
  SessionContent locked;
  locked.sGoal = QStringLiteral("A merger");
  locked.bPassword = true;
  locked.sPassword = QStringLiteral("KEY");
  ASSERT_TRUE(WriteBackupWorkfile(locked, BackupFile(), platform));
  EXPECT_FALSE(ReadFileBytes(BackupFile()).contains("A merger"));

  platform.AnswerNext(Answer::Yes);
  platform.OnNextDialog([](QDialog& prompt) { Type(&prompt, "txtPassword", {"key"}); });
  StartAfterThisRun();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, Text(3105)) << "the offer says the session was protected";
  const SessionContent& s = parts.document.content();
  EXPECT_EQ(s.sGoal, QStringLiteral("A merger"));
  EXPECT_TRUE(s.bPassword);
  EXPECT_EQ(s.sPassword, QStringLiteral("KEY"));
  EXPECT_TRUE(parts.document.isModified());

  const QString saved = folder.filePath(QStringLiteral("merger.qln"));
  platform.ChooseFile(saved);
  PressMenu(Menu::kSave);
  PressCommand(Command::Save);
  EXPECT_TRUE(ReadFileBytes(saved).startsWith("{***Quillane start***}\r\n-1\r\n"));
  EXPECT_FALSE(ReadFileBytes(saved).contains("A merger"));
}

TEST_F(CrashRecoveryTest, AtLogoutTheUnsavedChangesQuestionDecidesAndCancelCancelsIt) {
  StartAfterThisRun();
  StartNewSession();
  SeedTyped(parts.document, [](SessionContent& c) { c.sGoal = QStringLiteral("Typed at five to five"); });

  platform.AnswerNext(Answer::Cancel);
  EXPECT_FALSE(window->CommitDataForDesktopEnd(true)) << "Cancel cancels the logout";
  EXPECT_EQ(parts.document.content().sGoal, QStringLiteral("Typed at five to five"));
  platform.AnswerNext(Answer::No);  // Exit Quillane? The logout was cancelled: the close asks as ever.
  window->close();
  EXPECT_EQ(ended, 0);

  const QString saved = folder.filePath(QStringLiteral("evening.qln"));
  platform.AnswerNext(Answer::Yes);
  platform.ChooseFile(saved);
  EXPECT_TRUE(window->CommitDataForDesktopEnd(true));
  EXPECT_TRUE(ReadFileBytes(saved).contains("Typed at five to five"));
  window->close();  // the desktop closes the window: no further question
  EXPECT_EQ(ended, 1);
  platform.messages.clear();
  StartAfterThisRun();
  EXPECT_TRUE(platform.messages.empty()) << "a logout the user answered is a proper end";
}

TEST_F(CrashRecoveryTest, AtLogoutWithoutQuestionsTheBackupIsWrittenAndOfferedNextTime) {
  StartAfterThisRun();
  StartNewSession();
  SeedTyped(parts.document, [](SessionContent& c) { c.sGoal = QStringLiteral("Typed at five to five"); });
  EXPECT_TRUE(window->CommitDataForDesktopEnd(false));
  EXPECT_TRUE(platform.messages.empty());
  window->close();
  EXPECT_EQ(ended, 1);

  PutContent(parts.document, SessionContent());
  platform.AnswerNext(Answer::Yes);
  StartAfterThisRun();
  EXPECT_EQ(parts.document.content().sGoal, QStringLiteral("Typed at five to five"));
}

}  // namespace
}  // namespace quillane::test
