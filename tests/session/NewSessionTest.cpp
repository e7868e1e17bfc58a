#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "core/Program.h"
#include "platform/Platform.h"
#include "session/Constants.h"
#include "session/NewSession.h"
#include "support/ScriptedPlatform.h"

namespace quillane {
namespace {

// Puts a value that no fresh session holds into every variable, slot 0 of
// every list included.
void FillEverything(Session& s) {
  s.sGoal = QStringLiteral("Sell more bikes");
  s.nCriteria = s.nTAssets = s.nIAssets = 3;
  s.nIdeas = 4;
  for (int i = 0; i <= kMaxCriteria; ++i) {
    s.sCriteria[i] = s.sTAssets[i] = s.sIAssets[i] = QStringLiteral("entry %1").arg(i);
    s.sngWeight[i] = 4.5f;
  }
  for (int k = 0; k <= kMaxIdeas; ++k) {
    s.sIdeas[k] = QStringLiteral("idea %1").arg(k);
  }
  s.bPassword = true;
  s.sPassword = QStringLiteral("SECRET");
  s.sWorkfile = QStringLiteral("/home/ann/bikes.qln");
  s.sReportFile = s.sPlanFile = QStringLiteral("x");
  s.bChanged = true;
  s.nAutoBackup = 1;
  s.nAutoBackupTime = 5;
  s.sTextEditor = QStringLiteral("/usr/bin/gedit");
  s.bHelpAtStartup = true;
  s.nLanguage = 3;
  s.lBackupTime = 36000;
  s.sUserFirstName = QStringLiteral("Ann");
}

class NewSessionTest : public ::testing::Test {
 protected:
  NewSessionTest() {
    LoadConstants(s, QStringLiteral("/opt/quillane"));
    FillEverything(s);
    SetInitialCommands(program.commands);
    program.MarkProgressStep(ProgressStep::CriteriaSet);
    program.ShowWorkfileName();
  }

  // The Save command: cancels its file dialog while `cancelSaves` is above
  // zero, else saves and clears the change flag.
  SaveCommandFn save = [this] {
    saves.push_back(0);
    if (cancelSaves-- > 0) return FileOutcome::Cancelled;
    s.bChanged = false;
    return FileOutcome::Done;
  };

  bool WasReset() const { return s.nIdeas == 0 && s.sGoal.isEmpty() && s.sWorkfile.isEmpty(); }

  test::ScriptedPlatform platform;
  Program program{platform};
  Session& s = program.session;
  std::vector<int> saves;
  int cancelSaves = 0;
};

TEST_F(NewSessionTest, NoDiscardsTheChanges) {
  platform.AnswerNext(Answer::No);
  NewSession(program, save);
  EXPECT_TRUE(saves.empty());
  EXPECT_TRUE(WasReset());
  EXPECT_FALSE(s.bChanged);
}

TEST_F(NewSessionTest, YesWithACancelledSaveAsksAgainAndTheLastAnswerDecides) {
  cancelSaves = 1;
  platform.AnswerNext(Answer::Yes);
  platform.AnswerNext(Answer::Cancel);
  NewSession(program, save);
  EXPECT_EQ(platform.messages.size(), 2u);
  EXPECT_EQ(saves, std::vector<int>{0});
  EXPECT_FALSE(WasReset());
  EXPECT_TRUE(s.bChanged);

  cancelSaves = 1;
  platform.AnswerNext(Answer::Yes);
  platform.AnswerNext(Answer::Yes);
  NewSession(program, save);
  EXPECT_EQ(saves, (std::vector<int>{0, 0, 0}));
  EXPECT_TRUE(WasReset());
}

// Slots 1 and up hold the fresh value; slot 0 is never used.
template <typename List>
void ExpectEmptiedBeyondSlot0(const List& after, const char* name) {
  for (std::size_t i = 1; i < after.size(); ++i)
    ASSERT_EQ(after[i], typename List::value_type{}) << name << i;
}

TEST_F(NewSessionTest, ResetEmptiesTheSessionAndNothingElse) {
  const auto before = std::make_unique<Session>(s);
  ResetSession(s, program.commands, program.progress, program.status);

  // A. Content, C. files and change tracking: fresh.
#define EXPECT_EMPTIED(list) ExpectEmptiedBeyondSlot0(s.list, #list)
  EXPECT_EMPTIED(sCriteria);
  EXPECT_EMPTIED(sngWeight);
  EXPECT_EMPTIED(sTAssets);
  EXPECT_EMPTIED(sIAssets);
  EXPECT_EMPTIED(sIdeas);
#undef EXPECT_EMPTIED
  for (Integer n : {s.nCriteria, s.nTAssets, s.nIAssets, s.nIdeas}) EXPECT_EQ(n, 0);
  for (const QString& text : {s.sGoal, s.sPassword, s.sWorkfile, s.sReportFile, s.sPlanFile}) {
    EXPECT_EQ(text, QString());
  }
  EXPECT_FALSE(s.bPassword || s.bChanged);

  // The settings and the constants: untouched. The techniques' run states
  // are their owner's to reset (tested with the main window).
  EXPECT_TRUE(s.nAutoBackup == 1 && s.nAutoBackupTime == 5 && s.bHelpAtStartup && s.nLanguage == 3 &&
              s.lBackupTime == 36000 && s.sTextEditor == before->sTextEditor);
  EXPECT_TRUE(s.sTitle == before->sTitle && s.sAppPath == before->sAppPath &&
              s.sUserFirstName == before->sUserFirstName);

  // The main window shows a new, untitled session: its menus are open.
  EXPECT_TRUE(program.commands.enabled(Commands::Kind::Menu, Menu::kCriteria));
  EXPECT_TRUE(program.commands.enabled(Command::IChing));
  for (int i = 0; i < Progress::kSteps; ++i) EXPECT_FALSE(program.progress.done(Progress::StepAt(i))) << i;
  EXPECT_EQ(program.status.panelText(), QStringLiteral("UNTITLED.QLN"));
}

}  // namespace
}  // namespace quillane
