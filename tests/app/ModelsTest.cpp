// The command states, progress steps and status line, without any window.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <algorithm>

#include "app/widgets/MainCommandTable.h"
#include "core/Program.h"
#include "session/Constants.h"
#include "support/ScriptedPlatform.h"

namespace quillane {
namespace {

using Kind = Commands::Kind;

// The commands a user can press (enabled and shown), in index order.
std::vector<int> UsableCommands(const Commands& c) {
  std::vector<int> on;
  for (const CommandButtonSpec& button : kCommandButtons) {
    if (c.enabled(Kind::Button, button.index) && c.visible(Kind::Button, button.index))
      on.push_back(button.index);
  }
  std::sort(on.begin(), on.end());
  return on;
}

std::vector<int> EnabledMenus(const Commands& c) {
  std::vector<int> on;
  for (int i = 0; i < Menu::kCount; ++i) {
    if (c.enabled(Kind::Menu, i)) on.push_back(i);
  }
  return on;
}

struct MenuState {
  const char* name;
  void (*set)(Commands&);
  std::vector<int> menus;     // enabled
  std::vector<int> commands;  // enabled and shown
  std::vector<int> frames;    // enabled
};

void PrintTo(const MenuState& state, std::ostream* out) {
  *out << state.name;
}

bool Holds(const std::vector<int>& list, int index) {
  return std::find(list.begin(), list.end(), index) != list.end();
}

std::vector<int> Sorted(std::vector<int> list, const std::vector<int>& more = {}) {
  list.insert(list.end(), more.begin(), more.end());
  std::sort(list.begin(), list.end());
  return list;
}

// Once a session exists: its menus (the Reports menu follows the ideas), its
// commands, among them the I Ching and Set Language, and every frame but the
// Plans.
const std::vector<int> kSessionMenus = {Menu::kStart, Menu::kOptions, Menu::kCriteria, Menu::kIdeas,
                                        Menu::kSave,  Menu::kHelp,    Menu::kExit};
const std::vector<int> kAlwaysUsable = {Cmd::kNewSession, Cmd::kOpenSession, Cmd::kHelpAtStartup,
                                        Cmd::kHowToUse, Cmd::kAbout};
const std::vector<int> kSessionCommands =
    Sorted(kAlwaysUsable, {Cmd::kSave, Cmd::kSaveAs, Cmd::kGoal, Cmd::kCriteriaSet, Cmd::kTAssets,
                           Cmd::kIAssets, Cmd::kAutoSuggest, Cmd::kIChing, Cmd::kViewEditIdeas,
                           Cmd::kEvaluate, Cmd::kPassword, Cmd::kPreferences, Cmd::kSetLanguage});
const std::vector<int> kSessionFrames = {Menu::kStart,   Menu::kOptions, Menu::kCriteria, Menu::kIdeas,
                                         Menu::kReports, Menu::kSave,    Menu::kHelp};

const MenuState kMenuStates[] = {
    {"StartUp",
     SetInitialCommands,
     {Menu::kStart, Menu::kHelp, Menu::kExit},
     kAlwaysUsable,
     {Menu::kStart, Menu::kHelp}},
    {"NewSession",
     [](Commands& c) {
       SetInitialCommands(c);
       SetNewSessionCommands(c);
     },
     kSessionMenus, kSessionCommands, kSessionFrames},
    {"LoadedWithCriteriaAndTangibles",
     [](Commands& c) {
       SetInitialCommands(c);
       c.EnableButton(Cmd::kCriteriaView, true);  // as an earlier rating left it: no weights keep it
       auto s = std::make_unique<Session>();
       s->sCriteria[1] = QStringLiteral("Cost");
       s->nTAssets = 3;
       s->nIAssets = 1;
       SetLoadedSessionCommands(c, *s);
     },
     kSessionMenus, Sorted(kSessionCommands, {Cmd::kCriteriaRate, Cmd::kCriteriaView, Cmd::kPairTT}),
     kSessionFrames},
    // Opening a file never opens the Plans or the results.
    {"LoadedWithWeightsAssetsAndIdeas",
     [](Commands& c) {
       SetInitialCommands(c);
       auto s = std::make_unique<Session>();
       s->sCriteria[1] = QStringLiteral("Cost");
       s->sngWeight[1] = 9.0f;
       s->nTAssets = 2;
       s->nIAssets = 2;
       s->nIdeas = 2;
       SetLoadedSessionCommands(c, *s);
     },
     Sorted(kSessionMenus, {Menu::kReports}),
     Sorted(kSessionCommands,
            {Cmd::kCriteriaRate, Cmd::kCriteriaView, Cmd::kPairTI, Cmd::kPairTT, Cmd::kPairII,
             Cmd::kMindStepping, Cmd::kClustering, Cmd::kMakeReport, Cmd::kPrintConcise}),
     kSessionFrames},
};

class MenuStates : public ::testing::TestWithParam<MenuState> {};

TEST_P(MenuStates, OpenExactlyTheirMenusFramesAndCommands) {
  const MenuState& state = GetParam();
  Commands c;
  state.set(c);
  EXPECT_EQ(EnabledMenus(c), Sorted(state.menus));
  EXPECT_EQ(UsableCommands(c), Sorted(state.commands));
  for (int frame = 0; frame < Menu::kFrameCount; ++frame) {
    EXPECT_EQ(c.enabled(Kind::Frame, frame), Holds(state.frames, frame)) << "frame " << frame;
  }
  // No command is hidden: the I Ching and Set Language stay reachable.
  for (const CommandButtonSpec& button : kCommandButtons) {
    EXPECT_TRUE(c.visible(Kind::Button, button.index)) << button.index;
  }
}

INSTANTIATE_TEST_SUITE_P(Commands, MenuStates, ::testing::ValuesIn(kMenuStates),
                         [](const auto& info) { return std::string(info.param.name); });

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
  EXPECT_EQ(s->sAppPath, QStringLiteral("/opt/quillane"));
}

class StatusLineTest : public ::testing::Test {
 protected:
  test::ScriptedPlatform platform;
  Program program{platform};
  void SetUp() override { LoadConstants(program.session, QStringLiteral("/opt/q")); }
};

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
