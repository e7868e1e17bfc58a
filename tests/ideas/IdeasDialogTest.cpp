// The asset pages of the ideas dialog.
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>

#include "app/DialogFixture.h"
#include "support/Parts.h"

namespace quillane::test {
namespace {

using IdeasDialogTest = MenuOpenTest<Menu::kIdeas>;

TEST_F(IdeasDialogTest, TangibleAssetsAreEditedAsACopyStoredOnOkAndKeptOnCancel) {
  SessionContent content;
  Fill(content.sTAssets, content.nTAssets, Numbered(QStringLiteral("asset %1"), 3));
  PutContent(parts.document, content);
  platform.OnNextDialog([&](QDialog& d) {
    TypeAndEnter(Find<QLineEdit>(&d, QStringLiteral("txtIdeasTAssets")), QStringLiteral("a bike"));
    Click(&d, "cmdCancel");
  });
  PressCommand(Command::TAssets);
  EXPECT_EQ(parts.document.content().nTAssets, 3) << "Cancel keeps the stored assets";
  EXPECT_TRUE(parts.document.content().sTAssets[4].isEmpty());
  EXPECT_FALSE(parts.document.isModified());

  platform.OnNextDialog([&](QDialog& d) {
    EXPECT_TRUE(Find<QGroupBox>(&d, QStringLiteral("fraIdeasTAssets"))->isVisible());
    EXPECT_FALSE(Find<QGroupBox>(&d, QStringLiteral("fraIdeasMeter"))->isVisible());
    auto* box = Find<QLineEdit>(&d, QStringLiteral("txtIdeasTAssets"));
    EXPECT_TRUE(box->hasFocus());
    EXPECT_EQ(Find<QListWidget>(&d, QStringLiteral("lstIdeasTAssets"))->count(), 3);
    EXPECT_FALSE(Find<QPushButton>(&d, QStringLiteral("cmdIdeasTAssetsEdit"))->isEnabled());
    TypeAndEnter(box, QStringLiteral("a van"));
    Click(&d, "cmdOk");
  });
  PressCommand(Command::TAssets);
  EXPECT_EQ(parts.document.content().nTAssets, 4);
  EXPECT_EQ(parts.document.content().sTAssets[4], QStringLiteral("a van"));
  EXPECT_TRUE(parts.progress.done(ProgressStep::TangiblesEntered));
  EXPECT_TRUE(CommandButton(Command::PairTT)->isEnabled());
  EXPECT_FALSE(CommandButton(Command::PairTI)->isEnabled());
  EXPECT_TRUE(parts.document.isModified());
}

TEST_F(IdeasDialogTest, AnEmptyListOnOkRecordsNoStepAndClosesThePairings) {
  SessionContent content;
  Fill(content.sTAssets, content.nTAssets, {"van", "shop"});
  PutContent(parts.document, content);
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
  EXPECT_EQ(parts.document.content().nTAssets, 0);
  EXPECT_TRUE(parts.document.content().sTAssets[1].isEmpty());
  EXPECT_FALSE(parts.progress.done(ProgressStep::TangiblesEntered));
  EXPECT_FALSE(CommandButton(Command::PairTT)->isEnabled());
}

}  // namespace
}  // namespace quillane::test
