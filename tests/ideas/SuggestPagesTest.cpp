// AutoSuggest and a random pairing, opened from the main window.
#include <QLabel>
#include <QLineEdit>

#include "../app/MainWindowFixture.h"
#include "support/Parts.h"

namespace quillane::test {
namespace {

class SuggestPagesTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    StartNewSession();
    SessionContent content;
    content.sGoal = QStringLiteral("Sell more bikes");
    PutContent(parts.document, content);
    PressMenu(Menu::kIdeas);
  }
  static QString LabelText(QDialog& d, const char* name) {
    return Find<QLabel>(&d, QLatin1String(name))->text();
  }
};

TEST_F(SuggestPagesTest, AutoSuggestDrawsFromTheShippedWordsAndTakesIdeas) {
  const SessionContent& s = parts.document.content();
  const SuggestionState& w = parts.states.suggestion;
  platform.randoms = {0.0, 0.0};
  platform.OnNextDialog([&](QDialog& d) {
    EXPECT_TRUE(LabelText(d, "lblIdeasWarmingUp(0)").contains(QStringLiteral("take ik too")));
    EXPECT_EQ(LabelText(d, "lblIdeasWarmingUpGoal"), QStringLiteral("Sell more bikes"));
    EXPECT_EQ(LabelText(d, "lblIdeasWarmingUpRnd"), w.sActions[1] + u' ' + w.sObjects[1]);
    platform.randoms = {0.9999, 0.9999};
    Click(d, "cmdIdeasWarmingUp");
    EXPECT_EQ(LabelText(d, "lblIdeasWarmingUpRnd"), w.sActions[static_cast<std::size_t>(w.nActions)] + u' ' +
                                                        w.sObjects[static_cast<std::size_t>(w.nObjects)]);
    auto* box = Find<QLineEdit>(&d, QStringLiteral("txtAddIdeas(0)"));
    EXPECT_TRUE(box->hasFocus());
    TypeAndEnter(box, QStringLiteral("Rent out bikes by the hour"));
    EXPECT_TRUE(box->text().isEmpty());
    Click(d, "cmdOk");
  });
  PressCommand(Command::AutoSuggest);
  EXPECT_EQ(s.nIdeas, 1);
  EXPECT_EQ(s.sIdeas[1], QStringLiteral("Rent out bikes by the hour"));
  EXPECT_TRUE(parts.progress.done(ProgressStep::AutoSuggest));
}

TEST_F(SuggestPagesTest, AutoSuggestWithoutItsWordFileShowsOnlyTheMessage) {
  QTemporaryDir emptyFolder;
  parts.constants.sAppPath = emptyFolder.path();
  platform.AnswerNext(Answer::Ok);
  PressCommand(Command::AutoSuggest);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, QStringLiteral("File not found: QUILLANE.DTA"));
  EXPECT_TRUE(platform.dialogsShown.isEmpty());
}

TEST_F(SuggestPagesTest, TangiblePairingShowsTwoAssetsOnTwoLinesAndDrawsAnew) {
  SessionContent s = parts.document.content();
  Fill(s.sTAssets, s.nTAssets, {"bike", "helmet"});
  PutContent(parts.document, s);
  parts.commands.EnableButton(Command::PairTT, true);
  platform.randoms = {0.0, 0.0, 0.0, 0.5};
  platform.OnNextDialog([&](QDialog& d) {
    EXPECT_EQ(LabelText(d, "lblIdeasPairTTGoal"), QStringLiteral("Sell more bikes"));
    EXPECT_EQ(LabelText(d, "lblIdeasPairTTRnd"), QStringLiteral("bike\nhelmet"));
    auto* box = Find<QLineEdit>(&d, QStringLiteral("txtAddIdeas(2)"));
    EXPECT_TRUE(box->hasFocus());
    platform.randoms = {0.5, 0.0};
    Click(d, "cmdIdeasPairTT");
    EXPECT_EQ(LabelText(d, "lblIdeasPairTTRnd"), QStringLiteral("helmet\nbike"));
    EXPECT_TRUE(box->hasFocus());
    Click(d, "cmdOk");
  });
  PressCommand(Command::PairTT);
  EXPECT_TRUE(parts.progress.done(ProgressStep::TTPaired));
}

}  // namespace
}  // namespace quillane::test
