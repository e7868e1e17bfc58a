// Commands learn what a dialog or a file procedure did from its result, and
// the automatic backup, which runs from a timer while dialogs are open,
// changes nothing that a dialog or a command reads.
#include <QLineEdit>
#include <QListWidget>

#include "MainWindowFixture.h"
#include "resources/Texts.h"

namespace quillane::test {
namespace {

// The main window with the automatic backup on, every minute. Each message
// box and file dialog stays open for two minutes, and the window repaints
// meanwhile, so a backup falls due while it is open.
class CommandResultsTest : public MainWindowTest {
 protected:
  QByteArray SettingsFile() override { return BackupEveryMinute(); }

  void SetUp() override {
    MainWindowTest::SetUp();
    StartNewSession();
    SeedTyped(parts.document, [](SessionContent& s) { s.sGoal = QStringLiteral("Quieter bikes"); });
    platform.whileOpen = [this] { TakeTwoMinutes(); };
  }

  void TakeTwoMinutes() {
    platform.monotonicMs += 120 * 1000;
    window->repaint();
    QApplication::processEvents();  // the repaint's backup check runs right after it
  }

  QByteArray Backup() const { return ReadFileBytes(BackupFile()); }

  // Runs `command` as its button does, wherever it stands.
  void Run(Command command) {
    for (int frame = 0; frame < Menu::kFrameCount; ++frame) parts.commands.EnableFrame(frame, true);
    parts.commands.EnableButton(command, true);
    CommandButton(command)->click();
  }
  // A protected workfile of another session.
  QString ProtectedWorkfile() { return WriteWorkfile("locked.qln", "", QStringLiteral("A")); }
};

TEST_F(CommandResultsTest, ExitKeepsRunningWhenTheSaveAsDialogIsCancelledWhileABackupFallsDue) {
  platform.AnswerNext(Answer::Yes);  // Exit Quillane?
  platform.AnswerNext(Answer::Yes);  // save the changes?
  platform.ChooseFile(std::nullopt);
  PressMenu(Menu::kExit);

  EXPECT_EQ(ended, 0) << "Cancel in Save As keeps the program running";
  EXPECT_TRUE(Backup().contains("\r\nQuieter bikes\r\n")) << "the backup ran, after the dialog";
  EXPECT_TRUE(parts.document.isModified());
}

TEST_F(CommandResultsTest, ExitKeepsRunningWhenTheSaveFailsWhileABackupFallsDue) {
  platform.AnswerNext(Answer::Yes);
  platform.AnswerNext(Answer::Yes);
  platform.ChooseFile(folder.filePath(QStringLiteral("no such folder/bikes.qln")));
  platform.AnswerNext(Answer::Ok);  // could not be saved
  PressMenu(Menu::kExit);

  EXPECT_EQ(ended, 0);
  ASSERT_EQ(platform.messages.size(), 3u);
  EXPECT_TRUE(platform.messages[2].text.endsWith(Text(3100)));
  EXPECT_TRUE(Backup().contains("\r\nQuieter bikes\r\n"));

  // Saved after all, the program ends.
  platform.AnswerNext(Answer::Yes);
  platform.AnswerNext(Answer::Yes);
  platform.ChooseFile(folder.filePath(QStringLiteral("bikes.qln")));
  PressMenu(Menu::kExit);
  EXPECT_EQ(ended, 1);
}

TEST_F(CommandResultsTest, BackupsGoOnWhileTheFileDialogOrThePasswordPromptWaits) {
  QByteArray backupWhileOpen;
  platform.whileOpen = [&] {
    TakeTwoMinutes();
    backupWhileOpen = Backup();
  };
  platform.ChooseFile(std::nullopt);
  Run(Command::SaveAs);
  EXPECT_TRUE(backupWhileOpen.contains("\r\nQuieter bikes\r\n")) << "written while Save As waited";

  // Unchanged, so Open asks nothing before its dialog.
  Seed(parts.document, [](SessionContent& s) { s.sGoal = QStringLiteral("Louder bells"); });
  platform.whileOpen = nullptr;
  platform.ChooseFile(ProtectedWorkfile());
  backupWhileOpen.clear();
  platform.OnNextDialog([&](QDialog& prompt) {
    TakeTwoMinutes();
    backupWhileOpen = Backup();
    Click(&prompt, "cmdCancel");
  });
  Run(Command::OpenSession);
  EXPECT_TRUE(backupWhileOpen.contains("\r\nLouder bells\r\n")) << "written while the password prompt waited";
  EXPECT_EQ(parts.document.content().sGoal, QStringLiteral("Louder bells"));
}

TEST_F(CommandResultsTest, ACancelledCommandLeavesNothingForTheNextOk) {
  Seed(parts.document, [](SessionContent& s) { Fill(s.sIdeas, s.nIdeas, {"bell", "horn"}); });
  const struct {
    const char* what;
    std::function<void()> cancel;
  } cancels[] = {
      {"Open", [&] { platform.ChooseFile(std::nullopt), Run(Command::OpenSession); }},
      {"Save As", [&] { platform.ChooseFile(std::nullopt), Run(Command::SaveAs); }},
      {"Make/Save Report", [&] { platform.ChooseFile(std::nullopt), Run(Command::MakeReport); }},
      {"Make Basic Plan", [&] { platform.ChooseFile(std::nullopt), Run(Command::MakePlan); }},
      {"password while opening",
       [&] {
         platform.ChooseFile(ProtectedWorkfile());
         platform.OnNextDialog([](QDialog& password) { password.close(); });
         Run(Command::OpenSession);
       }},
  };
  for (const auto& c : cancels) {
    SCOPED_TRACE(c.what);
    Seed(parts.document, [](SessionContent&) {});  // unchanged: Open asks nothing first
    c.cancel();
    ASSERT_TRUE(platform.files.empty() && platform.dialogScripts.empty()) << "the command was cancelled";
    platform.dialogsShown.clear();
    platform.OnNextDialog([](QDialog& view) {
      auto* list = Find<QListWidget>(&view, QStringLiteral("lstView"));
      list->item(0)->setSelected(true);
      Click(view, "cmdOk");
    });
    platform.OnNextDialog([](QDialog& ideas) { ideas.close(); });
    Run(Command::MindStepping);
    EXPECT_EQ(platform.dialogsShown, (QStringList{"frmView", "frmIdeas"})) << "the pick opens MindStepping";

    Seed(parts.document, [](SessionContent& s) { s.bPassword = false; });
    parts.progress.MarkProgressStep(ProgressStep::ClearAll);
    platform.OnNextDialog([](QDialog& password) {
      auto* box = Find<QLineEdit>(&password, QStringLiteral("txtPassword"));
      box->setText(QStringLiteral("abc"));
      Click(password, "cmdOk");
    });
    Run(Command::Password);
    EXPECT_TRUE(parts.document.content().bPassword);
    EXPECT_EQ(parts.document.content().sPassword, QStringLiteral("abc"));
    EXPECT_TRUE(parts.progress.done(ProgressStep::PasswordSet));
  }
}

TEST_F(CommandResultsTest, AFailingBackupInsideTheSetPasswordDialogLeavesItsOkWorking) {
  parts.dataFolder = folder.filePath(QStringLiteral("blocked"));
  WriteFileBytes(parts.dataFolder, {});  // a file where the folder should be

  platform.OnNextDialog([&](QDialog& password) {
    QTest::keyClicks(Find<QLineEdit>(&password, QStringLiteral("txtPassword")), QStringLiteral("secret"));
    TakeTwoMinutes();
    EXPECT_TRUE(parts.status.panelText().startsWith(Text(3103))) << "the status bar says so";
    Click(password, "cmdOk");
  });
  Run(Command::Password);

  EXPECT_TRUE(platform.messages.empty()) << "no message box from the timer";
  EXPECT_TRUE(parts.document.content().bPassword);
  EXPECT_EQ(parts.document.content().sPassword, QStringLiteral("secret"));
  EXPECT_TRUE(parts.progress.done(ProgressStep::PasswordSet));
}

TEST_F(CommandResultsTest, ABackupInsideAnotherDialogChangesNoNameItProposes) {
  PutContent(parts.document, parts.document.content(), folder.filePath(QStringLiteral("bikes.qln")));
  parts.document.MarkModified();
  platform.OnNextDialog([&](QDialog& preferences) {
    TakeTwoMinutes();
    ASSERT_TRUE(Backup().contains("Quieter bikes"));
    auto* editor = Find<QLineEdit>(&preferences, QStringLiteral("txtNotepad"));
    platform.ChooseFile(std::nullopt);
    Click(preferences, "cmdBrowse");
    EXPECT_EQ(platform.fileDialogs.back().initialName, editor->text()) << "not the backup's name";
    Click(preferences, "cmdCancel");
  });
  Run(Command::Preferences);

  platform.whileOpen = nullptr;
  Run(Command::Save);
  EXPECT_EQ(platform.fileDialogs.size(), 1u) << "Save writes the workfile without asking";
  EXPECT_TRUE(QFile::exists(parts.document.workfile()));
  EXPECT_FALSE(parts.document.isModified());
}

}  // namespace
}  // namespace quillane::test
