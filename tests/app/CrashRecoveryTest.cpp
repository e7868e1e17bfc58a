// A run that ended without Exit leaves its backup; the next start offers it.
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>

#include "MainWindowFixture.h"
#include "resources/Texts.h"
#include "support/Files.h"

namespace quillane::test {
namespace {

class CrashRecoveryTest : public MainWindowTest {
 protected:
  QByteArray SettingsFile() override {
    return "[Quillane]\r\nHelp at Startup=0\r\nAutomatic Backup=1\r\nAutomatic Backup Time=1\r\n";
  }

  QString Backup() const { return QDir(program.dataFolder).filePath(QStringLiteral("BACKUP.QLN")); }

  // Runs the program in a process of its own until it has backed up a goal
  // and an idea typed into it, then kills it.
  void KilledRun() {
    QProcess run;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    run.setProcessEnvironment(environment);
    run.start(
        QStringLiteral(QUILLANE_KILLED_RUN),
        {program.settingsPath, program.dataFolder, QStringLiteral(QUILLANE_SOURCE_DIR "/resources/shipped")});
    ASSERT_TRUE(run.waitForStarted());
    QByteArray said;
    QElapsedTimer waited;
    waited.start();
    while (!said.contains("backed up") && run.state() == QProcess::Running && waited.elapsed() < 30000) {
      run.waitForReadyRead(1000);
      said += run.readAllStandardOutput();
    }
    run.kill();
    ASSERT_TRUE(said.contains("backed up")) << run.readAllStandardError().toStdString();
    ASSERT_TRUE(run.waitForFinished());
  }

  QStringList DatedBackups() const {
    return QDir(program.dataFolder).entryList({QStringLiteral("BACKUP-*.QLN")}, QDir::Files);
  }
};

TEST_F(CrashRecoveryTest, AfterAKilledRunYesOpensItsBackupAsAnUntitledChangedSession) {
  KilledRun();
  platform.AnswerNext(kAnswerYes);
  window->OfferLastRunBackup();

  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, Text(3104));
  const Session& s = program.session;
  EXPECT_EQ(s.sGoal, QStringLiteral("Quieter bikes"));
  ASSERT_EQ(s.nIdeas, 1);
  EXPECT_EQ(s.sIdeas[1], QStringLiteral("A bell that purrs"));
  EXPECT_TRUE(s.bChanged);
  EXPECT_EQ(s.sWorkfile, QString());
  EXPECT_EQ(program.status.panelText(), s.sUntitled);

  // Save asks for a name: the backup is not the user's workfile.
  platform.ChooseFile(std::nullopt);
  PressMenu(Menu::kSave);
  PressCommand(Cmd::kSave);
  EXPECT_EQ(platform.fileDialogs.size(), 1u);
}

TEST_F(CrashRecoveryTest, NoKeepsTheBackupUnderItsDatedNameAndACleanExitOffersNothing) {
  KilledRun();
  platform.AnswerNext(kAnswerNo);
  window->OfferLastRunBackup();
  EXPECT_EQ(program.session.sGoal, QString());
  EXPECT_FALSE(QFile::exists(Backup()));
  ASSERT_EQ(DatedBackups().size(), 1);

  // This run ends through Exit: the next start asks nothing.
  platform.AnswerNext(kAnswerYes);
  PressMenu(Menu::kExit);
  ASSERT_EQ(ended, 1);
  QFile::copy(QDir(program.dataFolder).filePath(DatedBackups().first()), Backup());
  platform.messages.clear();
  window->OfferLastRunBackup();
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(CrashRecoveryTest, ABackupWithoutContentIsNotOffered) {
  window->OfferLastRunBackup();  // this run has begun
  WriteFileBytes(Backup(),
                 "{***Quillane start***}\r\n#FALSE#\r\n\r\n\r\n0\r\n0\r\n0\r\n0\r\n{***Quillane end***}\r\n");
  window->OfferLastRunBackup();  // as if it had been killed and started again
  EXPECT_TRUE(platform.messages.empty());
}

}  // namespace
}  // namespace quillane::test
