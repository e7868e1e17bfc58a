// Save, Save as, Open, New Session and the backup as the main window runs them.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>

#include "MainWindowFixture.h"
#include "platform/Platform.h"
#include "resources/Texts.h"

namespace quillane::test {
namespace {

class WorkfileCommandsTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    PressMenu(Menu::kStart);
    PressCommand(Cmd::kNewSession);
  }
  QString PathOf(const char* name) { return folder.filePath(QLatin1String(name)); }
  QString PanelText() { return Find<QLabel>(window.get(), QStringLiteral("winStatusBar.Panels(2)"))->text(); }
  void SaveAs(const QString& path) {
    PressMenu(Menu::kSave);
    platform.ChooseFile(path);
    PressCommand(Cmd::kSaveAs);
  }
};

TEST_F(WorkfileCommandsTest, SaveAsWritesTheFileAndNamesItInTheStatusBar) {
  program.session.sGoal = QStringLiteral("Fewer meetings");
  program.session.bChanged = true;
  SaveAs(PathOf("meetings.qln"));
  EXPECT_TRUE(QFile::exists(PathOf("meetings.qln")));
  EXPECT_EQ(PanelText(), QDir::toNativeSeparators(PathOf("meetings.qln")));
  EXPECT_TRUE(program.progress.done(ProgressStep::SessionSaved));
  EXPECT_FALSE(program.session.bChanged);
  EXPECT_EQ(platform.sleeps, 50) << "the busy message ran once";
  EXPECT_EQ(platform.busyDepth, 0);
}

TEST_F(WorkfileCommandsTest, OpenAProtectedFileWithThePasswordInAnotherCase) {
  program.session.sGoal = QStringLiteral("Secret plan");
  program.session.sPassword = QStringLiteral("OPEN SESAME");
  program.session.bPassword = true;
  program.session.nIdeas = 1;
  program.session.sIdeas[1] = QStringLiteral("Tunnel");
  SaveAs(PathOf("secret.qln"));

  PressMenu(Menu::kStart);
  PressCommand(Cmd::kNewSession);
  ASSERT_EQ(program.session.sGoal, QString());
  EXPECT_FALSE(MenuButton(Menu::kReports)->isEnabled());

  platform.ChooseFile(PathOf("secret.qln"));
  platform.OnNextDialog([](QDialog& dialog) {
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Enter Password"));
    auto* box = Find<QLineEdit>(&dialog, QStringLiteral("txtPassword"));
    QTest::keyClicks(box, QStringLiteral("open Sesame"));
    QTest::keyClick(box, Qt::Key_Return);
  });
  PressMenu(Menu::kStart);
  PressCommand(Cmd::kOpenSession);
  EXPECT_EQ(program.session.sGoal, QStringLiteral("Secret plan"));
  EXPECT_EQ(program.session.sIdeas[1], QStringLiteral("Tunnel"));
  EXPECT_TRUE(program.progress.done(ProgressStep::SessionLoaded));
  EXPECT_TRUE(MenuButton(Menu::kReports)->isEnabled()) << "the loaded session holds an idea";
  EXPECT_EQ(PanelText(), QDir::toNativeSeparators(PathOf("secret.qln")));
}

TEST_F(WorkfileCommandsTest, ExitYesYesWithTheSaveDialogCancelledKeepsRunning) {
  program.session.bChanged = true;
  program.session.sGoal = QStringLiteral("Unsaved");
  platform.AnswerNext(kAnswerYes);
  platform.AnswerNext(kAnswerYes);
  platform.ChooseFile(std::nullopt);
  PressMenu(Menu::kExit);
  EXPECT_EQ(ended, 0);
  EXPECT_EQ(program.session.sGoal, QStringLiteral("Unsaved"));
  EXPECT_TRUE(program.session.bChanged);
  EXPECT_EQ(platform.fileDialogs.size(), 1u);
  // The next exit asks again from the start.
  platform.AnswerNext(kAnswerNo);
  PressMenu(Menu::kExit);
  EXPECT_EQ(platform.messages.size(), 3u);
}

TEST_F(WorkfileCommandsTest, ExitYesYesSavesUnderTheWorkfileNameAndEnds) {
  SaveAs(PathOf("kept.qln"));
  program.session.sGoal = QStringLiteral("Changed later");
  program.session.bChanged = true;
  platform.AnswerNext(kAnswerYes);
  platform.AnswerNext(kAnswerYes);
  PressMenu(Menu::kExit);
  EXPECT_EQ(ended, 1);
  QFile file(PathOf("kept.qln"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_TRUE(file.readAll().contains("Changed later"));
}

TEST_F(WorkfileCommandsTest, OpenAsksToSaveTypedWorkBeforeItsFileDialog) {
  const QString other = PathOf("other.qln");
  SaveAs(other);
  program.session.sGoal = QStringLiteral("Typed, not saved");
  program.session.bChanged = true;
  PressMenu(Menu::kStart);

  // Cancel keeps everything and shows no file dialog.
  platform.fileDialogs.clear();
  platform.AnswerNext(kAnswerCancel);
  PressCommand(Cmd::kOpenSession);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, Text(512) + QStringLiteral("\r\r") + Text(513));
  EXPECT_TRUE(platform.fileDialogs.empty());
  EXPECT_EQ(program.session.sGoal, QStringLiteral("Typed, not saved"));

  // Yes saves first, then opens.
  platform.AnswerNext(kAnswerYes);
  platform.ChooseFile(other);
  PressCommand(Cmd::kOpenSession);
  EXPECT_EQ(platform.fileDialogs.size(), 1u) << "saved under its own name, then the Open dialog";
  EXPECT_EQ(program.session.sWorkfile, QDir::toNativeSeparators(other));
  EXPECT_EQ(program.session.sGoal, QStringLiteral("Typed, not saved")) << "what was saved is what opened";
  EXPECT_FALSE(program.session.bChanged);

  // No lets the changes go.
  program.session.sGoal = QStringLiteral("Dropped");
  program.session.bChanged = true;
  platform.AnswerNext(kAnswerNo);
  platform.ChooseFile(other);
  PressCommand(Cmd::kOpenSession);
  EXPECT_EQ(program.session.sGoal, QStringLiteral("Typed, not saved"));
}

TEST_F(WorkfileCommandsTest, NewSessionYesWithACancelledSaveAsksAgain) {
  program.session.bChanged = true;
  program.session.sGoal = QStringLiteral("Keep");
  platform.AnswerNext(kAnswerYes);
  platform.ChooseFile(std::nullopt);
  platform.AnswerNext(kAnswerCancel);
  PressMenu(Menu::kStart);
  PressCommand(Cmd::kNewSession);
  EXPECT_EQ(platform.messages.size(), 2u);
  EXPECT_EQ(program.session.sGoal, QStringLiteral("Keep"));
}

class BackupOnTest : public MainWindowTest {
 protected:
  QByteArray SettingsFile() override {
    return "[Quillane]\r\nHelp at Startup=0\r\nAutomatic Backup=1\r\nAutomatic Backup Time=5\r\n";
  }
};

TEST_F(BackupOnTest, ADueBackupIsWrittenOnRepaintAndLeavesTheSessionAlone) {
  const QString backup = QDir(program.dataFolder).filePath(QStringLiteral("BACKUP.QLN"));
  window->repaint();
  EXPECT_FALSE(QFile::exists(backup)) << "not due yet";
  platform.monotonicMs += 301 * 1000;
  program.session.sGoal = QStringLiteral("Something to keep");
  program.session.bChanged = true;
  window->repaint();
  EXPECT_TRUE(QFile::exists(backup));
  EXPECT_TRUE(program.session.bChanged);
  EXPECT_EQ(program.session.sWorkfile, QString());
  EXPECT_FALSE(program.progress.done(ProgressStep::SessionSaved));
}

TEST_F(MainWindowTest, WithTheBackupOffARepaintWritesNoBackup) {
  platform.secondsSinceMidnight += 3600;
  window->repaint();
  EXPECT_FALSE(QFile::exists(QDir(program.dataFolder).filePath(QStringLiteral("BACKUP.QLN"))));
}

}  // namespace
}  // namespace quillane::test
