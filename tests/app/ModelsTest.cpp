// The command states, progress steps and status line, without any window.
#include <gtest/gtest.h>

#include <QSignalSpy>

#include "core/Program.h"
#include "session/Constants.h"
#include "support/ScriptedPlatform.h"

namespace quillane {
namespace {

using Kind = Commands::Kind;

std::vector<int> EnabledButtons(const Commands& c) {
  std::vector<int> on;
  for (int i = 0; i < Cmd::kCount; ++i) {
    if (c.enabled(Kind::Button, i) && c.visible(Kind::Button, i)) on.push_back(i);
  }
  return on;
}

std::vector<int> EnabledMenus(const Commands& c) {
  std::vector<int> on;
  for (int i = 0; i < Menu::kCount; ++i) {
    if (c.enabled(Kind::Menu, i)) on.push_back(i);
  }
  return on;
}

TEST(Commands, StartUpOpensOnlyStartHelpAndExit) {
  Commands c;
  SetInitialCommands(c);
  EXPECT_EQ(EnabledMenus(c), (std::vector<int>{Menu::kStart, Menu::kHelp, Menu::kExit}));
  // Untouched by start-up: New/Open Session, Help at Startup, How to Use, About
  // (and the unused slots 4, 5, 7, which keep the design state).
  EXPECT_EQ(EnabledButtons(c), (std::vector<int>{0, 1, 4, 5, 7, 21, 32, 35}));
  EXPECT_TRUE(c.enabled(Kind::Frame, Menu::kStart));
  EXPECT_FALSE(c.enabled(Kind::Frame, Menu::kIdeas));
}

TEST(Commands, NewSessionOpensTheFirstStepsAndHidesIChingAndLanguage) {
  Commands c;
  SetInitialCommands(c);
  SetNewSessionCommands(c);
  EXPECT_EQ(EnabledMenus(c), (std::vector<int>{0, 1, 2, 3, 6, 7, 8}));
  EXPECT_EQ(EnabledButtons(c),
            (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 11, 12, 13, 20, 21, 22, 29, 30, 32, 35}));
  for (int hidden : {Cmd::kIChing, Cmd::kSetLanguage}) {
    EXPECT_TRUE(c.enabled(Kind::Button, hidden)) << hidden;  // enabled, then hidden
    EXPECT_FALSE(c.visible(Kind::Button, hidden)) << hidden;
  }
  EXPECT_TRUE(c.enabled(Kind::Frame, Menu::kReports));
  EXPECT_FALSE(c.enabled(Kind::Frame, Menu::kPlans));
}

TEST(Commands, LoadedSessionFollowsWhatTheFileHolds) {
  auto s = std::make_unique<Session>();
  Commands c;
  SetInitialCommands(c);
  c.EnableButton(Cmd::kCriteriaView, true);  // as an earlier rating left it
  s->sCriteria[1] = QStringLiteral("Cost");
  s->nTAssets = 3;
  s->nIAssets = 1;
  SetLoadedSessionCommands(c, *s);
  EXPECT_TRUE(c.enabled(Kind::Button, Cmd::kCriteriaRate));
  EXPECT_TRUE(c.enabled(Kind::Button, Cmd::kCriteriaView)) << "no weights: View keeps its state";
  EXPECT_TRUE(c.enabled(Kind::Button, Cmd::kPairTT));
  EXPECT_FALSE(c.enabled(Kind::Button, Cmd::kPairTI));
  EXPECT_FALSE(c.enabled(Kind::Button, Cmd::kPairII));
  EXPECT_FALSE(c.enabled(Kind::Menu, Menu::kReports));
  EXPECT_FALSE(c.enabled(Kind::Button, Cmd::kMindStepping));

  s->nIdeas = 2;
  s->nIAssets = 2;
  c.EnableButton(Cmd::kCriteriaView, false);
  s->sngWeight[1] = 9.0f;
  SetLoadedSessionCommands(c, *s);
  EXPECT_TRUE(c.enabled(Kind::Button, Cmd::kCriteriaView));
  EXPECT_TRUE(c.enabled(Kind::Button, Cmd::kPairTI));
  for (int on : {Cmd::kMindStepping, Cmd::kClustering, Cmd::kMakeReport, Cmd::kPrintConcise}) {
    EXPECT_TRUE(c.enabled(Kind::Button, on)) << on;
  }
  EXPECT_TRUE(c.enabled(Kind::Menu, Menu::kReports));
  // Opening a file never opens the Plans or the results.
  EXPECT_FALSE(c.enabled(Kind::Menu, Menu::kPlans));
  EXPECT_FALSE(c.enabled(Kind::Button, Cmd::kViewResults));
  EXPECT_FALSE(c.enabled(Kind::Button, Cmd::kMakePlan));
  EXPECT_FALSE(c.visible(Kind::Button, Cmd::kIChing));
}

TEST(Commands, SignalsOnlyRealChanges) {
  Commands c;
  QSignalSpy spy(&c, &Commands::changed);
  c.EnableButton(Cmd::kSave, true);  // already enabled
  EXPECT_EQ(spy.count(), 0);
  c.EnableButton(Cmd::kSave, false);
  c.Hide(Kind::Button, Cmd::kSave);
  EXPECT_EQ(spy.count(), 2);
  EXPECT_TRUE(c.enabled(Kind::Button, Cmd::kSave));
}

TEST(Progress, MarksStepsAndClearsAll) {
  Progress p;
  p.MarkProgressStep(ProgressStep::SessionSaved);
  p.MarkProgressStep(ProgressStep::SessionSaved);
  p.MarkProgressStep(ProgressStep::SessionLoaded);
  EXPECT_TRUE(p.done(ProgressStep::SessionSaved));
  EXPECT_TRUE(p.done(ProgressStep::SessionLoaded));
  EXPECT_FALSE(p.done(ProgressStep::GoalSet));
  p.MarkProgressStep(ProgressStep::ClearAll);
  for (int i = 0; i < Progress::kSteps; ++i) EXPECT_FALSE(p.done(Progress::StepAt(i))) << i;
}

TEST(Constants, VersionAndTitleComeFromTheTable) {
  EXPECT_EQ(VersionText(1, 1), QStringLiteral("1.01"));
  EXPECT_EQ(VersionText(1, 12), QStringLiteral("1.12"));
  EXPECT_EQ(VersionText(2, 0), QStringLiteral("2.00"));
  auto s = std::make_unique<Session>();
  LoadConstants(*s, QStringLiteral("/opt/quillane/"));
  EXPECT_EQ(s->sTitle, QStringLiteral("Quillane version 1.01"));
  EXPECT_EQ(s->sUntitled, QStringLiteral("UNTITLED.QLN"));
  EXPECT_EQ(s->sStartMarker, QStringLiteral("{***Quillane start***}"));
  EXPECT_EQ(s->sAppPath, QStringLiteral("/opt/quillane"));
}

class StatusLineTest : public ::testing::Test {
 protected:
  test::ScriptedPlatform platform;
  Program program{platform};
  void SetUp() override { LoadConstants(program.session, QStringLiteral("/opt/q")); }
};

TEST_F(StatusLineTest, UntitledSessionShowsTheUntitledName) {
  program.ShowWorkfileName();
  EXPECT_EQ(program.status.panelText(), QStringLiteral("UNTITLED.QLN"));
  program.session.sWorkfile = QStringLiteral("/home/ada/plan.qln");
  program.ShowWorkfileName();
  EXPECT_EQ(program.status.panelText(), QStringLiteral("/home/ada/plan.qln"));
}

TEST_F(StatusLineTest, BusyMessageRunsTheBarInFiftyStepsThenShowsTheFileAgain) {
  QStringList shown;
  std::vector<int> bar;
  QObject::connect(&program.status, &StatusLine::panelTextChanged, [&](const QString& t) { shown << t; });
  QObject::connect(&program.status, &StatusLine::barValueChanged, [&](int v) { bar.push_back(v); });
  int busyDuringBar = 0;
  QObject::connect(&program.status, &StatusLine::barValueChanged,
                   [&](int) { busyDuringBar += platform.busyDepth; });

  program.ShowStatusMessage(StatusKind::kSavingReport);

  EXPECT_EQ(shown, (QStringList{QStringLiteral("Saving Report..."), QStringLiteral("UNTITLED.QLN")}));
  ASSERT_EQ(bar.size(), 51u);
  EXPECT_EQ(bar[0], 2);
  EXPECT_EQ(bar[49], 100);
  EXPECT_EQ(bar[50], 0);
  EXPECT_EQ(platform.sleeps, 50);
  EXPECT_EQ(platform.sleptMs, 2500);
  EXPECT_EQ(busyDuringBar, 51) << "the hourglass shows for the whole message";
  EXPECT_EQ(platform.busyDepth, 0);
}

TEST_F(StatusLineTest, UnknownKindKeepsThePanelText) {
  program.status.SetPanelText(QStringLiteral("before"));
  QStringList shown;
  QObject::connect(&program.status, &StatusLine::panelTextChanged, [&](const QString& t) { shown << t; });
  program.ShowStatusMessage(7);
  EXPECT_EQ(shown, QStringList{QStringLiteral("UNTITLED.QLN")});
}

}  // namespace
}  // namespace quillane
