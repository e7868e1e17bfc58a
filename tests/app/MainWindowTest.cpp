// The main window driven as a user drives it: menu bar, dispatcher, exit.
#include <sys/stat.h>

#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <memory>

#include "MainWindowFixture.h"
#include "platform/Platform.h"
#include "resources/Texts.h"

namespace quillane::test {
namespace {

TEST_F(MainWindowTest, EveryControlHasAnAccessibleName) {
  for (QWidget* w : window->findChildren<QWidget*>()) {
    const auto* button = qobject_cast<QAbstractButton*>(w);
    const auto* label = qobject_cast<QLabel*>(w);
    if (!w->isVisibleTo(window.get()) || !(button || label || qobject_cast<QProgressBar*>(w))) continue;
    if (label && label->pixmap().isNull() && w->objectName() == QStringLiteral("winStatusBar.Panels(1)")) {
      continue;  // the plain panel the program never writes
    }
    const QString text = button ? button->text() : label ? label->text() : QString();
    EXPECT_TRUE(!w->accessibleName().isEmpty() || !text.isEmpty()) << w->objectName().toStdString();
  }
}

TEST_F(MainWindowTest, SetWithoutAGoalAndEvaluateWithoutRatingsOrTwoIdeasRefuse) {
  StartNewSession();
  PressMenu(Menu::kCriteria);
  platform.AnswerNext(Answer::Ok);
  PressCommand(Command::CriteriaSet);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text,
            QStringLiteral("You forgot to enter your Goal! Please enter it via the Start-button."));
  EXPECT_TRUE(platform.dialogsShown.isEmpty());

  PressMenu(Menu::kIdeas);
  Seed(parts.document, [](SessionContent& s) { s.nIdeas = 50; });
  platform.AnswerNext(Answer::Ok);
  PressCommand(Command::Evaluate);
  ASSERT_EQ(platform.messages.size(), 2u);
  EXPECT_TRUE(platform.messages[1].text.startsWith(QStringLiteral("You forgot to enter and/or rate")));

  Seed(parts.document, [](SessionContent& s) {
    s.sngWeight[1] = 9.0f;
    s.nIdeas = 1;
  });
  platform.AnswerNext(Answer::Ok);
  PressCommand(Command::Evaluate);
  ASSERT_EQ(platform.messages.size(), 3u);
  EXPECT_EQ(platform.messages[2].text, QStringLiteral("You forgot to enter at least 2 ideas!"));
  EXPECT_TRUE(platform.dialogsShown.isEmpty());
}

TEST_F(MainWindowTest, PrintAnsweredNoPrintsNothing) {
  StartNewSession();
  parts.commands.EnableMenu(Menu::kReports, true);
  parts.commands.EnableButton(Command::PrintConcise, true);
  PressMenu(Menu::kReports);
  platform.AnswerNext(Answer::No);
  PressCommand(Command::PrintConcise);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, QStringLiteral("Print the Concise Report?"));
  EXPECT_TRUE(platform.printJobs.isEmpty());
}

// --- Leaving the program -------------------------------------------------

struct ExitCase {
  const char* name;
  bool changed;                 // the session holds unsaved work
  bool named;                   // it was saved under a name before
  bool viaClose;                // the window's close box instead of the Exit menu
  std::vector<Answer> answers;  // Exit Quillane?, then save the changes?
  bool saveDialogCancelled;
  bool ends;
};

void PrintTo(const ExitCase& c, std::ostream* out) {
  *out << c.name;
}

class ExitTest : public MainWindowTest, public ::testing::WithParamInterface<ExitCase> {};

TEST_P(ExitTest, EndsOnlyWhenTheWorkIsSavedOrLetGoAndAsksAgainOtherwise) {
  const ExitCase& c = GetParam();
  const SessionContent& s = parts.document.content();
  StartNewSession();
  const QString workfile = folder.filePath(QStringLiteral("kept.qln"));
  if (c.named) {
    PressMenu(Menu::kSave);
    platform.ChooseFile(workfile);
    PressCommand(Command::SaveAs);
  }
  Seed(parts.document, [](SessionContent& content) { content.sGoal = QStringLiteral("Typed later"); });
  if (c.changed) parts.document.MarkModified();
  PressMenu(Menu::kStart);
  for (Answer answer : c.answers) platform.AnswerNext(answer);
  if (c.saveDialogCancelled) platform.ChooseFile(std::nullopt);
  if (c.viaClose) {
    window->close();
  } else {
    PressMenu(Menu::kExit);
  }

  EXPECT_EQ(ended, c.ends ? 1 : 0);
  ASSERT_EQ(platform.messages.size(), c.answers.size());
  EXPECT_EQ(platform.messages[0].text, QStringLiteral("Exit Quillane?"));
  if (c.answers.size() > 1) {
    EXPECT_EQ(platform.messages[1].text,
              QStringLiteral("The file has changed\r\rDo you want to save the changes?"));
  }
  EXPECT_EQ(platform.fileDialogs.size(), (c.saveDialogCancelled ? 1u : 0u) + (c.named ? 1u : 0u));
  if (c.named && c.ends) {
    EXPECT_TRUE(ReadFileBytes(workfile).contains("Typed later"));
  }
  if (c.ends) return;

  EXPECT_EQ(s.sGoal, QStringLiteral("Typed later"));
  EXPECT_EQ(parts.document.isModified(), c.changed);
  EXPECT_TRUE(window->isVisible());
  if (!c.viaClose) {
    EXPECT_TRUE(VisibleFrames().isEmpty());
    for (int i = 0; i < Menu::kCount; ++i) EXPECT_FALSE(MenuButton(i)->isChecked()) << i;
  }
  // Each later request asks again from the start, by menu and by close box.
  const std::size_t asked = platform.messages.size();
  platform.AnswerNext(Answer::No);
  PressMenu(Menu::kExit);
  platform.AnswerNext(Answer::No);
  window->close();
  EXPECT_EQ(platform.messages.size(), asked + 2);
  EXPECT_EQ(ended, 0);
}

// The close box while a file procedure works out a key asks nothing in the
// middle of it; the close comes once the work has ended.
TEST_F(MainWindowTest, TheCloseBoxWaitsForFileWork) {
  StartNewSession();
  ++parts.fileWork;
  window->close();
  EXPECT_TRUE(platform.messages.empty());
  --parts.fileWork;
  platform.AnswerNext(Answer::No);
  EXPECT_TRUE(QTest::qWaitFor([this] { return !platform.messages.empty(); }, 2000));
  EXPECT_EQ(platform.messages[0].text, QStringLiteral("Exit Quillane?"));
  EXPECT_EQ(ended, 0);
}

INSTANTIATE_TEST_SUITE_P(
    MainWindow, ExitTest,
    ::testing::Values(
        ExitCase{"No", false, false, false, {Answer::No}, false, false},
        ExitCase{"YesUnchanged", false, false, false, {Answer::Yes}, false, true},
        ExitCase{"YesThenNoLetsTheWorkGo", true, false, false, {Answer::Yes, Answer::No}, false, true},
        ExitCase{"CloseYesThenCancel", true, false, true, {Answer::Yes, Answer::Cancel}, false, false},
        ExitCase{"CloseYesUnchanged", false, false, true, {Answer::Yes}, false, true},
        ExitCase{"YesYesSaveDialogCancelled", true, false, false, {Answer::Yes, Answer::Yes}, true, false},
        ExitCase{"YesYesSavesUnderItsName", true, true, false, {Answer::Yes, Answer::Yes}, false, true}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Settings read at start-up and written on the way out ----------------

class FirstRunTest : public MainWindowTest {
 protected:
  QByteArray SettingsFile() override { return {}; }  // no settings yet
};

TEST_F(FirstRunTest, OpensTheHelpContentsAndRunsTheBackupTimer) {
  EXPECT_EQ(platform.helpTopics, std::vector<int>{0});
  EXPECT_TRUE(parts.settings.bHelpAtStartup);
  EXPECT_EQ(CommandButton(Command::HelpAtStartup)->text(), QStringLiteral("Help at Startup ON"));
  EXPECT_TRUE(Find<QTimer>(window.get(), QStringLiteral("tmrAutoBackup"))->isActive());
  EXPECT_EQ(parts.settings.nAutoBackupTime, 5);
}

TEST_F(MainWindowTest, HelpAtStartupOffOpensNoHelpTogglesAndExitWritesTheSettings) {
  EXPECT_EQ(platform.busyDepth, 0) << "the hourglass is gone once started";
  EXPECT_TRUE(platform.helpTopics.empty());
  EXPECT_FALSE(Find<QTimer>(window.get(), QStringLiteral("tmrAutoBackup"))->isActive());
  PressMenu(Menu::kHelp);
  PressCommand(Command::HelpAtStartup);
  EXPECT_TRUE(parts.settings.bHelpAtStartup);
  EXPECT_EQ(CommandButton(Command::HelpAtStartup)->text(), QStringLiteral("Help at Startup ON"));
  PressCommand(Command::HelpAtStartup);
  EXPECT_EQ(CommandButton(Command::HelpAtStartup)->text(), QStringLiteral("Help at Startup OFF"));
  PressCommand(Command::HelpAtStartup);
  PressCommand(Command::HowToUse);
  EXPECT_EQ(platform.helpTopics, std::vector<int>{0});
  platform.AnswerNext(Answer::Yes);
  PressMenu(Menu::kExit);
  ASSERT_EQ(ended, 1);
  const QByteArray written = ReadFileBytes(parts.settingsPath);
  EXPECT_TRUE(written.contains("Help at Startup=1")) << written.constData();
  EXPECT_TRUE(written.contains("Language=1")) << written.constData();
}

// A named pipe in place of the settings file: the start does not wait on it,
// says why the preferences are the defaults, and Exit leaves the pipe alone.
class PipeForSettingsTest : public MainWindowTest {
 protected:
  void PlaceSettingsFile() override {
    ASSERT_EQ(mkfifo(QFile::encodeName(parts.settingsPath).constData(), 0600), 0);
  }
};

TEST_F(PipeForSettingsTest, StartsWithTheDefaultsTellsWhyAndExitLeavesThePipe) {
  EXPECT_EQ(parts.status.panelText(), Text(3107) + QLatin1Char(' ') + parts.settingsPath);
  EXPECT_EQ(platform.helpTopics, std::vector<int>{0}) << "help at start-up, as by default";
  EXPECT_TRUE(Find<QTimer>(window.get(), QStringLiteral("tmrAutoBackup"))->isActive());
  platform.AnswerNext(Answer::Yes);
  PressMenu(Menu::kExit);
  ASSERT_EQ(ended, 1);
  struct stat info {};
  ASSERT_EQ(lstat(QFile::encodeName(parts.settingsPath).constData(), &info), 0);
  EXPECT_TRUE(S_ISFIFO(info.st_mode));
}

// New Session through the window; its rules are NewSessionTest's.
TEST_F(MainWindowTest, NewSessionAsksForChangedWorkThenOpensTheMenusAndClearsTheProgress) {
  const SessionContent& s = parts.document.content();
  SeedTyped(parts.document, [](SessionContent& content) { content.sGoal = QStringLiteral("keep"); });
  PressMenu(Menu::kStart);
  platform.AnswerNext(Answer::Yes);  // save first, but the Save As dialog is cancelled
  platform.ChooseFile(std::nullopt);
  platform.AnswerNext(Answer::Cancel);
  PressCommand(Command::NewSession);
  EXPECT_EQ(platform.messages.size(), 2u);
  EXPECT_EQ(s.sGoal, QStringLiteral("keep"));
  EXPECT_TRUE(parts.document.isModified());
  EXPECT_FALSE(MenuButton(Menu::kIdeas)->isEnabled());

  Seed(parts.document, [](SessionContent&) {});  // unchanged now
  parts.progress.MarkProgressStep(ProgressStep::GoalSet);
  PressCommand(Command::NewSession);
  EXPECT_EQ(platform.messages.size(), 2u) << "an unchanged session is reset without a question";
  EXPECT_FALSE(parts.progress.done(ProgressStep::GoalSet));
  EXPECT_EQ(s.sGoal, QString());
  EXPECT_TRUE(MenuButton(Menu::kIdeas)->isEnabled());
  EXPECT_TRUE(CommandButton(Command::Goal)->isEnabled());
  EXPECT_TRUE(CommandButton(Command::IChing)->isVisibleTo(window->frame(Menu::kIdeas)));
  EXPECT_TRUE(CommandButton(Command::IChing)->isEnabled()) << "a technique like the others";
  EXPECT_TRUE(CommandButton(Command::SetLanguage)->isEnabled())
      << "the heading language can be set in a session";
  EXPECT_FALSE(
      Find<QWidget>(window.get(), QStringLiteral("picProgressReport(1)"))->property("done").toBool());
}

// Puts a value that no fresh run holds into every technique's state.
void FillRunStates(RunStates& r) {
  r.rating = {3.3, 2, 2};
  r.suggestion.nActions = 2;
  r.suggestion.sActions.fill(QStringLiteral("word"));
  r.pairing = {2, 2, 2, 2};
  r.mindStep.nMindStep = r.cluster.nCluster = 2;
  r.mindStep.sMindStep.fill(QStringLiteral("idea"));
  r.cluster.sCluster.fill(QStringLiteral("idea"));
  r.evaluation.nEvalIdeas = 2;
  r.evaluation.sngResultB.fill(1.5f);
  r.iching.nIChingScroll.fill(8);
  r.iching.bIChingFlag = true;
}

TEST_F(MainWindowTest, NewSessionEmptiesEveryTechniquesRunStateButTheIChingCastUnlessCancelled) {
  FillRunStates(states);
  const auto filled = std::make_unique<RunStates>(states);
  const auto fresh = std::make_unique<RunStates>();
  const auto techniques = [](const RunStates& r) {
    return std::tie(r.rating, r.suggestion, r.pairing, r.mindStep, r.cluster, r.evaluation);
  };
  parts.document.MarkModified();
  PressMenu(Menu::kStart);
  platform.AnswerNext(Answer::Cancel);
  PressCommand(Command::NewSession);
  EXPECT_TRUE(techniques(states) == techniques(*filled)) << "a cancelled New Session keeps them all";

  Seed(parts.document, [](SessionContent&) {});  // unchanged now
  PressCommand(Command::NewSession);
  EXPECT_TRUE(techniques(states) == techniques(*fresh));
  EXPECT_TRUE(states.iching == filled->iching) << "the I Ching lasts the whole run";
}

TEST_F(MainWindowTest, TheMenuWorksFromTheKeyboard) {
  StartNewSession();
  MenuButton(Menu::kStart)->setFocus();
  QTest::keyClick(MenuButton(Menu::kStart), Qt::Key_Space);
  EXPECT_EQ(VisibleFrames(), QStringList{QStringLiteral("fraStart")});
  // Tab reaches the commands of the open frame.
  bool reached = false;
  for (int i = 0; i < 20 && !reached; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    reached = QApplication::focusWidget() == CommandButton(Command::Goal);
  }
  EXPECT_TRUE(reached);
  platform.OnNextDialog([](QDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); });
  QTest::keyClick(CommandButton(Command::Goal), Qt::Key_Space);
  EXPECT_EQ(platform.dialogsShown, QStringList{QStringLiteral("frmStart")});
}

}  // namespace
}  // namespace quillane::test
