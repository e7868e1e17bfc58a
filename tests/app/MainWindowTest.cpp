// The main window driven as a user drives it: menu bar, dispatcher, exit.
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <memory>

#include "MainWindowFixture.h"
#include "platform/Platform.h"
#include "ui/HelpContexts.h"

namespace quillane::test {
namespace {

// Every caption is a table text (CaptionsTest); these are the texts the window
// puts together, and a label that shows a doubled "&&" as one.
TEST_F(MainWindowTest, StartsTitledWithTheUntitledNameAndFillsTheScreen) {
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Quillane version 1.01"));
  EXPECT_EQ(Find<QLabel>(window.get(), QStringLiteral("lblVersion"))->text(), QStringLiteral("Version 1.01"));
  EXPECT_EQ(Command(Cmd::kHowToUse)->toolTip(), QStringLiteral("How to Use Quillane version 1.01"));
  EXPECT_EQ(Command(Cmd::kAbout)->toolTip(), QStringLiteral("About Quillane"));
  EXPECT_EQ(Find<QLabel>(window.get(), QStringLiteral("lblProgressReport(8)"))->text(),
            QStringLiteral("T&I paired"));
  EXPECT_TRUE(Find<QLabel>(window.get(), QStringLiteral("lblProgressReport(11)"))->isVisible())
      << "the I Ching step can be done, so it shows";
  EXPECT_EQ(Find<QLabel>(window.get(), QStringLiteral("winStatusBar.Panels(2)"))->text(),
            QStringLiteral("UNTITLED.QLN"));
  EXPECT_EQ(program.session.nLanguage, 1);
  EXPECT_EQ(HelpContextOf(window.get()), 1000);
  EXPECT_EQ(platform.busyDepth, 0) << "the hourglass is gone once started";
  EXPECT_GT(platform.busyCalls, 0);
  EXPECT_EQ(window->frameGeometry(), platform.screen) << "the window fills the available screen";
}

TEST_F(MainWindowTest, EveryControlHasAnAccessibleName) {
  for (QWidget* w : window->findChildren<QWidget*>()) {
    if (!w->isVisibleTo(window.get())) continue;
    if (qobject_cast<QAbstractButton*>(w) || qobject_cast<QLabel*>(w) || qobject_cast<QProgressBar*>(w)) {
      const QLabel* label = qobject_cast<QLabel*>(w);
      const bool named =
          !w->accessibleName().isEmpty() ||
          (qobject_cast<QAbstractButton*>(w) && !static_cast<QAbstractButton*>(w)->text().isEmpty()) ||
          (label && !label->text().isEmpty());
      if (label && label->text().isEmpty() && label->pixmap().isNull() && w->accessibleName().isEmpty() &&
          w->objectName() == QStringLiteral("winStatusBar.Panels(1)")) {
        continue;  // the plain panel the program never writes
      }
      EXPECT_TRUE(named) << w->objectName().toStdString();
    }
  }
}

TEST_F(MainWindowTest, AtStartUpOnlyStartHelpAndExitOpenAFrame) {
  for (int menu :
       {Menu::kOptions, Menu::kCriteria, Menu::kIdeas, Menu::kReports, Menu::kPlans, Menu::kSave}) {
    PressMenu(menu);
    EXPECT_TRUE(VisibleFrames().isEmpty()) << menu;
  }
  PressMenu(Menu::kStart);
  EXPECT_EQ(VisibleFrames(), QStringList{QStringLiteral("fraStart")});
  EXPECT_TRUE(Command(Cmd::kNewSession)->isEnabled());
  EXPECT_FALSE(Command(Cmd::kGoal)->isEnabled());
}

TEST_F(MainWindowTest, OneFrameAtATimeAndPressingAgainClosesIt) {
  StartNewSession();
  PressMenu(Menu::kIdeas);
  EXPECT_EQ(VisibleFrames(), QStringList{QStringLiteral("fraIdeas")});
  EXPECT_EQ(HelpContextOf(window.get()), 5000);
  PressMenu(Menu::kCriteria);
  EXPECT_EQ(VisibleFrames(), QStringList{QStringLiteral("fraCriteria")});
  EXPECT_FALSE(MenuButton(Menu::kIdeas)->isChecked());
  EXPECT_TRUE(MenuButton(Menu::kCriteria)->isChecked());
  PressMenu(Menu::kCriteria);
  EXPECT_TRUE(VisibleFrames().isEmpty());
  EXPECT_EQ(HelpContextOf(window.get()), 4000) << "releasing keeps the last frame's number";
}

TEST_F(MainWindowTest, CommandStatesFollowTheModel) {
  StartNewSession();
  EXPECT_TRUE(MenuButton(Menu::kIdeas)->isEnabled());
  EXPECT_FALSE(MenuButton(Menu::kReports)->isEnabled());
  EXPECT_FALSE(Command(Cmd::kCriteriaRate)->isEnabled());
  program.commands.EnableButton(Cmd::kCriteriaRate, true);
  EXPECT_TRUE(Command(Cmd::kCriteriaRate)->isEnabled());
}

TEST_F(MainWindowTest, SetWithoutAGoalRefusesWithItsMessage) {
  StartNewSession();
  PressMenu(Menu::kCriteria);
  platform.AnswerNext(kAnswerOk);
  PressCommand(Cmd::kCriteriaSet);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text,
            QStringLiteral("You forgot to enter your Goal! Please enter it via the Start-button."));
  EXPECT_EQ(platform.messages[0].flags, MsgFlags::kOkOnly);
  EXPECT_EQ(platform.messages[0].title, QStringLiteral("Quillane version 1.01"));
  EXPECT_TRUE(platform.dialogsShown.isEmpty());
}

TEST_F(MainWindowTest, EvaluateChecksRatedCriteriaFirstThenTwoIdeas) {
  StartNewSession();
  PressMenu(Menu::kIdeas);
  program.session.nIdeas = 50;
  platform.AnswerNext(kAnswerOk);
  PressCommand(Cmd::kEvaluate);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_TRUE(platform.messages[0].text.startsWith(QStringLiteral("You forgot to enter and/or rate")));

  program.session.sngWeight[1] = 9.0f;
  program.session.nIdeas = 1;
  platform.AnswerNext(kAnswerOk);
  PressCommand(Cmd::kEvaluate);
  ASSERT_EQ(platform.messages.size(), 2u);
  EXPECT_EQ(platform.messages[1].text, QStringLiteral("You forgot to enter at least 2 ideas!"));
}

TEST_F(MainWindowTest, PrintAnsweredNoPrintsNothing) {
  StartNewSession();
  program.commands.EnableMenu(Menu::kReports, true);
  program.commands.EnableButton(Cmd::kPrintConcise, true);
  PressMenu(Menu::kReports);
  platform.AnswerNext(kAnswerNo);
  PressCommand(Cmd::kPrintConcise);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, QStringLiteral("Print the Concise Report?"));
  EXPECT_EQ(platform.messages[0].flags, MsgFlags::kYesNo + MsgFlags::kExclamation);
  EXPECT_TRUE(platform.printJobs.isEmpty());
}

TEST_F(MainWindowTest, HelpAtStartupTogglesItsCaption) {
  program.session.bHelpAtStartup = true;
  PressMenu(Menu::kHelp);
  PressCommand(Cmd::kHelpAtStartup);
  EXPECT_FALSE(program.session.bHelpAtStartup);
  EXPECT_EQ(Command(Cmd::kHelpAtStartup)->text(), QStringLiteral("Help at Startup OFF"));
  PressCommand(Cmd::kHelpAtStartup);
  EXPECT_EQ(Command(Cmd::kHelpAtStartup)->text(), QStringLiteral("Help at Startup ON"));
  PressCommand(Cmd::kHowToUse);
  EXPECT_EQ(platform.helpTopics, std::vector<int>{0});
}

// --- Leaving the program -------------------------------------------------

TEST_F(MainWindowTest, ExitAnsweredNoKeepsRunningWithNoFrameAndAsksAgain) {
  PressMenu(Menu::kStart);
  platform.AnswerNext(kAnswerNo);
  PressMenu(Menu::kExit);
  EXPECT_EQ(ended, 0);
  EXPECT_TRUE(VisibleFrames().isEmpty());
  for (int i = 0; i < Menu::kCount; ++i) EXPECT_FALSE(MenuButton(i)->isChecked()) << i;
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, QStringLiteral("Exit Quillane?"));
  EXPECT_EQ(platform.messages[0].flags, 292);

  platform.AnswerNext(kAnswerNo);
  PressMenu(Menu::kExit);
  EXPECT_EQ(platform.messages.size(), 2u) << "a second press asks again";
}

TEST_F(MainWindowTest, ExitYesOnAnUnchangedSessionEndsAfterOneQuestion) {
  platform.AnswerNext(kAnswerYes);
  PressMenu(Menu::kExit);
  EXPECT_EQ(ended, 1);
  EXPECT_EQ(platform.messages.size(), 1u);
}

TEST_F(MainWindowTest, ExitYesThenNoOnAChangedSessionEndsWithoutSaving) {
  program.session.bChanged = true;
  platform.AnswerNext(kAnswerYes);
  platform.AnswerNext(kAnswerNo);
  PressMenu(Menu::kExit);
  EXPECT_EQ(ended, 1);
  ASSERT_EQ(platform.messages.size(), 2u);
  EXPECT_EQ(platform.messages[1].text,
            QStringLiteral("The file has changed\r\rDo you want to save the changes?"));
  EXPECT_EQ(platform.messages[1].flags, 51);
  EXPECT_TRUE(platform.fileDialogs.empty());
}

TEST_F(MainWindowTest, CloseRequestWithYesThenCancelKeepsRunningAndTheSession) {
  program.session.bChanged = true;
  program.session.sGoal = QStringLiteral("More readers");
  platform.AnswerNext(kAnswerYes);
  platform.AnswerNext(kAnswerCancel);
  EXPECT_FALSE(window->close());
  EXPECT_EQ(ended, 0);
  EXPECT_TRUE(window->isVisible());
  EXPECT_TRUE(program.session.bChanged);
  EXPECT_EQ(program.session.sGoal, QStringLiteral("More readers"));
}

TEST_F(MainWindowTest, CloseRequestAfterADeclinedExitAsksAgain) {
  platform.AnswerNext(kAnswerNo);
  PressMenu(Menu::kExit);
  platform.AnswerNext(kAnswerNo);
  window->close();
  EXPECT_EQ(platform.messages.size(), 2u);
  platform.AnswerNext(kAnswerNo);
  window->close();
  EXPECT_EQ(platform.messages.size(), 3u);
  platform.AnswerNext(kAnswerYes);
  window->close();
  EXPECT_EQ(ended, 1);
}

class FirstRunTest : public MainWindowTest {
 protected:
  QByteArray SettingsFile() override { return {}; }  // no settings yet
};

TEST_F(FirstRunTest, OpensTheHelpContentsAndRunsTheBackupTimer) {
  EXPECT_EQ(platform.helpTopics, std::vector<int>{0});
  EXPECT_TRUE(program.session.bHelpAtStartup);
  EXPECT_EQ(Command(Cmd::kHelpAtStartup)->text(), QStringLiteral("Help at Startup ON"));
  EXPECT_TRUE(program.autoBackupTimer.enabled());
  EXPECT_TRUE(Find<QTimer>(window.get(), QStringLiteral("tmrAutoBackup"))->isActive());
  EXPECT_EQ(program.session.nAutoBackupTime, 5);
}

TEST_F(MainWindowTest, HelpAtStartupOffOpensNoHelpAndExitWritesTheSettings) {
  EXPECT_TRUE(platform.helpTopics.empty());
  EXPECT_FALSE(Find<QTimer>(window.get(), QStringLiteral("tmrAutoBackup"))->isActive());
  PressMenu(Menu::kHelp);
  PressCommand(Cmd::kHelpAtStartup);
  platform.AnswerNext(kAnswerYes);
  PressMenu(Menu::kExit);
  ASSERT_EQ(ended, 1);
  QFile settings(program.settingsPath);
  ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
  const QByteArray written = settings.readAll();
  EXPECT_TRUE(written.contains("Help at Startup=1")) << written.constData();
  EXPECT_TRUE(written.contains("Language=1")) << written.constData();
}

TEST_F(MainWindowTest, NewSessionOpensTheMenusAndClearsTheProgress) {
  program.MarkProgressStep(ProgressStep::GoalSet);
  program.session.sGoal = QStringLiteral("old");
  PressMenu(Menu::kStart);
  PressCommand(Cmd::kNewSession);
  EXPECT_TRUE(platform.messages.empty()) << "an unchanged session is reset without a question";
  EXPECT_FALSE(program.progress.done(ProgressStep::GoalSet));
  EXPECT_EQ(program.session.sGoal, QString());
  EXPECT_TRUE(MenuButton(Menu::kIdeas)->isEnabled());
  EXPECT_TRUE(Command(Cmd::kGoal)->isEnabled());
  EXPECT_TRUE(Command(Cmd::kIChing)->isVisibleTo(window->frame(Menu::kIdeas)));
  EXPECT_TRUE(Command(Cmd::kIChing)->isEnabled()) << "a technique like the others";
  EXPECT_TRUE(Command(Cmd::kSetLanguage)->isEnabled()) << "the heading language can be set in a session";
  EXPECT_FALSE(
      Find<QWidget>(window.get(), QStringLiteral("picProgressReport(1)"))->property("done").toBool());
}

TEST_F(MainWindowTest, NewSessionOnAChangedSessionCancelledKeepsEverything) {
  program.session.bChanged = true;
  program.session.sGoal = QStringLiteral("keep");
  PressMenu(Menu::kStart);
  platform.AnswerNext(kAnswerCancel);
  PressCommand(Cmd::kNewSession);
  EXPECT_EQ(program.session.sGoal, QStringLiteral("keep"));
  EXPECT_TRUE(program.session.bChanged);
  EXPECT_FALSE(MenuButton(Menu::kIdeas)->isEnabled());
}

// Puts a value that no fresh run holds into every technique's state.
void FillRunStates(RunStates& r) {
  r.rating = {3.3, 2, 2};
  SuggestionState& w = r.suggestion;
  w.nSuggestA = w.nSuggestB = w.nSuggestPrevA = w.nSuggestPrevB = w.nActions = w.nObjects = 2;
  w.sActions.fill(QStringLiteral("word"));
  w.sObjects.fill(QStringLiteral("word"));
  r.pairing = {2, 2, 2, 2};
  r.mindStep.nMindStep = r.mindStep.nMindStepPos = r.cluster.nCluster = 2;
  r.mindStep.sMindStep.fill(QStringLiteral("idea"));
  r.cluster.sCluster.fill(QStringLiteral("idea"));
  EvaluationState& e = r.evaluation;
  e.nEvalIdeas = e.nEvalIdea = e.nEvalCrit = 2;
  e.sEvalIdeas.fill(QStringLiteral("idea"));
  for (auto& scores : e.sngScore) scores.fill(7.0f);
  for (auto& shares : e.dblScoreW) shares.fill(3.5);
  e.dblTotal.fill(2.25);
  e.sngResultA.fill(1.5f);
  e.sngResultB.fill(1.5f);
  IChingState& i = r.iching;
  i.nIChingNum.fill(9);
  i.sIChingText.fill(QStringLiteral("hexagram"));
  i.nIChingA.fill(6);
  i.nIChingB.fill(7);
  i.nIChingScroll.fill(8);
  i.nIChingWork = i.nIChingLine = i.nIChingFrame = 5;
  i.bIChingFlag = true;
}

TEST_F(MainWindowTest, NewSessionEmptiesEveryTechniquesRunStateButTheIChingCast) {
  FillRunStates(states);
  const auto filled = std::make_unique<RunStates>(states);
  const auto fresh = std::make_unique<RunStates>();
  PressMenu(Menu::kStart);
  PressCommand(Cmd::kNewSession);
  EXPECT_TRUE(states.rating == fresh->rating);
  EXPECT_TRUE(states.suggestion == fresh->suggestion);
  EXPECT_TRUE(states.pairing == fresh->pairing);
  EXPECT_TRUE(states.mindStep == fresh->mindStep);
  EXPECT_TRUE(states.cluster == fresh->cluster);
  EXPECT_TRUE(states.evaluation == fresh->evaluation);
  EXPECT_TRUE(states.iching == filled->iching) << "the I Ching lasts the whole run";
}

TEST_F(MainWindowTest, NewSessionCancelledKeepsEveryTechniquesRunState) {
  FillRunStates(states);
  const auto filled = std::make_unique<RunStates>(states);
  program.session.bChanged = true;
  PressMenu(Menu::kStart);
  platform.AnswerNext(kAnswerCancel);
  PressCommand(Cmd::kNewSession);
  EXPECT_TRUE(states.rating == filled->rating && states.suggestion == filled->suggestion &&
              states.pairing == filled->pairing && states.mindStep == filled->mindStep &&
              states.cluster == filled->cluster && states.evaluation == filled->evaluation);
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
    reached = QApplication::focusWidget() == Command(Cmd::kGoal);
  }
  EXPECT_TRUE(reached);
  platform.OnNextDialog([](QDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); });
  QTest::keyClick(Command(Cmd::kGoal), Qt::Key_Space);
  EXPECT_EQ(platform.dialogsShown, QStringList{QStringLiteral("frmStart")});
}

}  // namespace
}  // namespace quillane::test
