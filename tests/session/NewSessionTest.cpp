#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "core/SessionDocument.h"
#include "platform/Platform.h"
#include "session/NewSession.h"
#include "session/QuietEdits.h"
#include "support/Parts.h"
#include "support/ScriptedPlatform.h"

namespace quillane {
namespace {

// Puts a value that no fresh session holds into every variable of the
// content, slot 0 of every list included.
void FillEverything(SessionContent& s) {
  s.sGoal = QStringLiteral("Sell more bikes");
  s.nCriteria = s.nTAssets = s.nIAssets = 3;
  s.nIdeas = 4;
  for (auto* list : {&s.sCriteria, &s.sTAssets, &s.sIAssets}) list->fill(QStringLiteral("entry"));
  s.sngWeight.fill(4.5f);
  s.sIdeas.fill(QStringLiteral("idea"));
  s.bPassword = true;
  s.sPassword = QStringLiteral("SECRET");
}

class NewSessionTest : public ::testing::Test {
 protected:
  NewSessionTest() {
    test::ChangeContent(document, FillEverything);
    test::PutWorkfile(document, QStringLiteral("/home/ann/bikes.qln"));
    test::PutModified(document, true);
    SetInitialCommands(parts->commands);
    parts->progress.MarkProgressStep(ProgressStep::CriteriaSet);
    ShowWorkfileName(parts->status, document.workfile(), parts->constants);
  }

  // The Save command: cancels its file dialog while `cancelSaves` is above
  // zero, else saves and clears the change flag.
  SaveCommandFn save = [this] {
    saves.push_back(0);
    if (cancelSaves-- > 0) return FileOutcome::Cancelled;
    document.MarkSaved(document.workfile());
    return FileOutcome::Done;
  };

  bool WasReset() const { return s.nIdeas == 0 && s.sGoal.isEmpty() && document.workfile().isEmpty(); }
  bool NewSession() { return quillane::NewSession(document, parts->prompter, save); }

  test::ScriptedPlatform platform;
  std::unique_ptr<MainParts> parts = test::MakeParts(platform, QStringLiteral("/opt/quillane"));
  SessionDocument& document = parts->document;
  const SessionContent& s = document.content();
  std::vector<int> saves;
  int cancelSaves = 0;
};

TEST_F(NewSessionTest, NoDiscardsTheChanges) {
  platform.AnswerNext(Answer::No);
  NewSession();
  EXPECT_TRUE(saves.empty());
  EXPECT_TRUE(WasReset());
  EXPECT_FALSE(document.isModified());
}

TEST_F(NewSessionTest, YesWithACancelledSaveAsksAgainAndTheLastAnswerDecides) {
  cancelSaves = 1;
  platform.AnswerNext(Answer::Yes);
  platform.AnswerNext(Answer::Cancel);
  NewSession();
  EXPECT_EQ(platform.messages.size(), 2u);
  EXPECT_EQ(saves, std::vector<int>{0});
  EXPECT_FALSE(WasReset());
  EXPECT_TRUE(document.isModified());

  cancelSaves = 1;
  platform.AnswerNext(Answer::Yes);
  platform.AnswerNext(Answer::Yes);
  NewSession();
  EXPECT_EQ(saves, (std::vector<int>{0, 0, 0}));
  EXPECT_TRUE(WasReset());
}

TEST_F(NewSessionTest, ResetEmptiesTheSessionAndOpensTheMenus) {
  test::PutModified(document, false);  // nothing to ask
  ASSERT_TRUE(NewSession());
  EXPECT_TRUE(platform.messages.empty());

  // Content, workfile and change flag: fresh in every slot but slot 0,
  // which is never used.
  auto fresh = std::make_unique<SessionContent>();
  fresh->sCriteria[0] = s.sCriteria[0];
  fresh->sngWeight[0] = s.sngWeight[0];
  fresh->sTAssets[0] = s.sTAssets[0];
  fresh->sIAssets[0] = s.sIAssets[0];
  fresh->sIdeas[0] = s.sIdeas[0];
  EXPECT_TRUE(s == *fresh);
  EXPECT_EQ(document.workfile(), QString());
  EXPECT_FALSE(document.isModified());

  // The main window shows a new, untitled session: its menus are open. The
  // techniques' run states are their owner's to reset (tested with the
  // main window); the settings and constants are not within its reach.
  EXPECT_TRUE(parts->commands.enabled(Commands::Kind::Menu, Menu::kCriteria));
  EXPECT_TRUE(parts->commands.enabled(Command::IChing));
  for (int i = 0; i < Progress::kSteps; ++i) EXPECT_FALSE(parts->progress.done(Progress::StepAt(i))) << i;
  EXPECT_EQ(parts->status.panelText(), QStringLiteral("UNTITLED.QLN"));
}

}  // namespace
}  // namespace quillane
