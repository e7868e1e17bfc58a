// The asset pages of the ideas dialog, AutoSuggest and a random pairing,
// opened from the main window.
#include <QGroupBox>

#include "IdeasPagesFixture.h"

namespace quillane::test {
namespace {

class PagesTest : public IdeasMenuTest {
 protected:
  void SetUp() override {
    IdeasMenuTest::SetUp();
    Seed(parts.document, [](SessionContent& s) { s.sGoal = QStringLiteral("Sell more bikes"); });
  }
  const SessionContent& content() { return parts.document.content(); }
};

TEST_F(PagesTest, TangibleAssetsAreEditedAsACopyStoredOnOkAndKeptOnCancel) {
  Seed(parts.document,
       [](SessionContent& s) { Fill(s.sTAssets, s.nTAssets, Numbered(QStringLiteral("asset %1"), 3)); });
  platform.OnNextDialog([&](QDialog& d) {
    TypeAndEnter(Find<QLineEdit>(&d, QStringLiteral("txtIdeasTAssets")), QStringLiteral("a bike"));
    platform.AnswerNext(Answer::Yes);  // the changed list is let go
    Click(&d, "cmdCancel");
  });
  PressCommand(Command::TAssets);
  EXPECT_EQ(content().nTAssets, 3) << "Cancel keeps the stored assets";
  EXPECT_TRUE(content().sTAssets[4].isEmpty());
  EXPECT_FALSE(parts.document.isModified());

  platform.OnNextDialog([&](QDialog& d) {
    EXPECT_TRUE(Find<QGroupBox>(&d, QStringLiteral("fraIdeasTAssets"))->isVisible());
    EXPECT_FALSE(Find<QGroupBox>(&d, QStringLiteral("fraIdeasMeter"))->isVisible());
    auto* box = Find<QLineEdit>(&d, QStringLiteral("txtIdeasTAssets"));
    EXPECT_TRUE(box->hasFocus());
    EXPECT_EQ(Find<QListWidget>(&d, QStringLiteral("lstIdeasTAssets"))->count(), 3);
    EXPECT_FALSE(Enabled(d, "cmdIdeasTAssetsEdit"));
    TypeAndEnter(box, QStringLiteral("a van"));
    Click(&d, "cmdOk");
  });
  PressCommand(Command::TAssets);
  EXPECT_EQ(Texts(content().sTAssets, content().nTAssets),
            (QStringList{"asset 1", "asset 2", "asset 3", "a van"}));
  EXPECT_TRUE(parts.progress.done(ProgressStep::TangiblesEntered));
  EXPECT_TRUE(CommandButton(Command::PairTT)->isEnabled());
  EXPECT_FALSE(CommandButton(Command::PairTI)->isEnabled());
  EXPECT_TRUE(parts.document.isModified());
}

TEST_F(PagesTest, AnEmptyAssetListOnOkRecordsNoStepAndClosesThePairings) {
  Seed(parts.document, [](SessionContent& s) { Fill(s.sTAssets, s.nTAssets, {"van", "shop"}); });
  parts.commands.EnableButton(Command::PairTT, true);
  platform.OnNextDialog([&](QDialog& d) {
    auto* list = Find<QListWidget>(&d, QStringLiteral("lstIdeasTAssets"));
    ClickRow(list, 0);
    ClickRow(list, 1, Qt::ControlModifier);
    platform.AnswerNext(Answer::Yes);
    Click(&d, "cmdIdeasTAssetsDelete");
    Click(&d, "cmdOk");
  });
  PressCommand(Command::TAssets);
  EXPECT_EQ(content().nTAssets, 0);
  EXPECT_TRUE(content().sTAssets[1].isEmpty());
  EXPECT_FALSE(parts.progress.done(ProgressStep::TangiblesEntered));
  EXPECT_FALSE(CommandButton(Command::PairTT)->isEnabled());
}

TEST_F(PagesTest, AutoSuggestShowsOnlyTheMessageWithoutItsWordFileAndElseDrawsFromItAndTakesIdeas) {
  const QString shipped = parts.constants.sAppPath;
  QTemporaryDir emptyFolder;
  parts.constants.sAppPath = emptyFolder.path();
  platform.AnswerNext(Answer::Ok);
  PressCommand(Command::AutoSuggest);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, QStringLiteral("File not found: QUILLANE.DTA"));
  EXPECT_TRUE(platform.dialogsShown.isEmpty());

  parts.constants.sAppPath = shipped;
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
  EXPECT_EQ(Ideas(), QStringList{"Rent out bikes by the hour"});
  EXPECT_TRUE(parts.progress.done(ProgressStep::AutoSuggest));
}

TEST_F(PagesTest, TangiblePairingShowsTwoAssetsOnTwoLinesAndDrawsAnew) {
  Seed(parts.document, [](SessionContent& s) { Fill(s.sTAssets, s.nTAssets, {"bike", "helmet"}); });
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
