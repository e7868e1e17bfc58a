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
  for (int i = 0; i <= kMaxCriteria; ++i) {
    s.sCriteria[i] = s.sTAssets[i] = s.sIAssets[i] = QStringLiteral("entry %1").arg(i);
    s.sngWeight[i] = 4.5f;
  }
  for (int k = 0; k <= kMaxIdeas; ++k) {
    s.sIdeas[k] = QStringLiteral("idea %1").arg(k);
  }
  s.bPassword = true;
  s.sPassword = QStringLiteral("SECRET");
}

void FillSettings(Settings& settings) {
  settings.nAutoBackup = 1;
  settings.nAutoBackupTime = 5;
  settings.sTextEditor = QStringLiteral("/usr/bin/gedit");
  settings.bHelpAtStartup = true;
  settings.nLanguage = 3;
}

class NewSessionTest : public ::testing::Test {
 protected:
  NewSessionTest() {
    parts->constants.sUserFirstName = QStringLiteral("Ann");
    test::ChangeContent(document, FillEverything);
    test::PutWorkfile(document, QStringLiteral("/home/ann/bikes.qln"));
    test::PutModified(document, true);
    FillSettings(parts->settings);
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

// Slots 1 and up hold the fresh value; slot 0 is never used.
template <typename List>
void ExpectEmptiedBeyondSlot0(const List& after, const char* name) {
  for (std::size_t i = 1; i < after.size(); ++i)
    ASSERT_EQ(after[i], typename List::value_type{}) << name << i;
}

TEST_F(NewSessionTest, ResetEmptiesTheSessionAndNothingElse) {
  const Settings settingsBefore = parts->settings;
  const Constants constantsBefore = parts->constants;
  test::PutModified(document, false);  // nothing to ask
  ASSERT_TRUE(NewSession());
  EXPECT_TRUE(platform.messages.empty());

  // A. Content, C. files and change tracking: fresh.
#define EXPECT_EMPTIED(list) ExpectEmptiedBeyondSlot0(s.list, #list)
  EXPECT_EMPTIED(sCriteria);
  EXPECT_EMPTIED(sngWeight);
  EXPECT_EMPTIED(sTAssets);
  EXPECT_EMPTIED(sIAssets);
  EXPECT_EMPTIED(sIdeas);
#undef EXPECT_EMPTIED
  for (Integer n : {s.nCriteria, s.nTAssets, s.nIAssets, s.nIdeas}) EXPECT_EQ(n, 0);
  for (const QString& text : {s.sGoal, s.sPassword, document.workfile()}) {
    EXPECT_EQ(text, QString());
  }
  EXPECT_FALSE(s.bPassword || document.isModified());

  // The settings and the constants: untouched. The techniques' run states
  // and the report and plan files are their owner's to reset (tested with
  // the main window).
  const Settings& settings = parts->settings;
  EXPECT_TRUE(settings.nAutoBackup == 1 && settings.nAutoBackupTime == 5 && settings.bHelpAtStartup &&
              settings.nLanguage == 3 && settings.sTextEditor == settingsBefore.sTextEditor);
  EXPECT_TRUE(parts->constants.sTitle == constantsBefore.sTitle &&
              parts->constants.sAppPath == constantsBefore.sAppPath &&
              parts->constants.sUserFirstName == constantsBefore.sUserFirstName);

  // The main window shows a new, untitled session: its menus are open.
  EXPECT_TRUE(parts->commands.enabled(Commands::Kind::Menu, Menu::kCriteria));
  EXPECT_TRUE(parts->commands.enabled(Command::IChing));
  for (int i = 0; i < Progress::kSteps; ++i) EXPECT_FALSE(parts->progress.done(Progress::StepAt(i))) << i;
  EXPECT_EQ(parts->status.panelText(), QStringLiteral("UNTITLED.QLN"));
}

}  // namespace
}  // namespace quillane
