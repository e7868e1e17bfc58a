// The idea list answers the keyboard as it answers the mouse, keeps the
// user's picks, and the idea meter shows the count wherever it should.
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>

#include "app/DialogFixture.h"
#include "support/Parts.h"

namespace quillane::test {
namespace {

class KeyboardAndMeterTest : public MenuOpenTest<Menu::kIdeas> {
 protected:
  void SetUp() override {
    MenuOpenTest::SetUp();
    SessionContent s;
    Fill(s.sIdeas, s.nIdeas, Numbered(QStringLiteral("idea %1"), 4));
    Fill(s.sCriteria, s.nCriteria, {"Cost", "Speed"});
    s.sngWeight[1] = 9.0f;
    s.sngWeight[2] = 4.5f;
    PutContent(parts.document, s);
    parts.commands.EnableButton(Command::MindStepping, true);
  }
  static QListWidget* List(QWidget* view) { return Find<QListWidget>(view, QStringLiteral("lstView")); }
  static QString MeterTitle(QWidget* ideas) {
    return Find<QGroupBox>(ideas, QStringLiteral("fraIdeasMeter"))->title();
  }
};

TEST_F(KeyboardAndMeterTest, ArrowsAndSpaceSelectLikeClicksAndDeleteWorks) {
  platform.OnNextDialog([&](QDialog& view) {
    QListWidget* list = List(&view);
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Space);
    EXPECT_TRUE(Find<QPushButton>(&view, QStringLiteral("cmdEdit"))->isEnabled());
    ASSERT_TRUE(Find<QPushButton>(&view, QStringLiteral("cmdDelete"))->isEnabled());
    platform.AnswerNext(Answer::Yes);
    platform.AnswerNext(Answer::Yes);
    Click(&view, "cmdDelete");
    Click(&view, "cmdOk");
  });
  PressCommand(Command::ViewEditIdeas);
  EXPECT_EQ(parts.document.content().nIdeas, 3);
}

TEST_F(KeyboardAndMeterTest, CancelInTheAddDialogKeepsThePicks) {
  platform.OnNextDialog([&](QDialog& view) {
    QListWidget* list = List(&view);
    list->item(1)->setSelected(true);
    list->item(3)->setSelected(true);
    platform.OnNextDialog([](QDialog& add) { Click(&add, "cmdCancel"); });
    Click(&view, "cmdAdd");
    EXPECT_TRUE(list->item(1)->isSelected() && list->item(3)->isSelected());
    EXPECT_EQ(list->selectedItems().size(), 2);
    Click(&view, "cmdOk");
  });
  PressCommand(Command::ViewEditIdeas);
}

TEST_F(KeyboardAndMeterTest, TheMeterShowsAgainAfterACancelledEvaluatePick) {
  platform.OnNextDialog([](QDialog& view) { Click(&view, "cmdCancel"); });
  PressCommand(Command::Evaluate);
  platform.OnNextDialog([&](QDialog& ideas) {
    EXPECT_TRUE(Find<QGroupBox>(&ideas, QStringLiteral("fraIdeasMeter"))->isVisible());
    Click(&ideas, "cmdCancel");
  });
  PressCommand(Command::AutoSuggest);
}

TEST_F(KeyboardAndMeterTest, DeletingIdeasInsideTheIdeasDialogUpdatesTheMeter) {
  platform.OnNextDialog([](QDialog& view) {
    List(&view)->item(0)->setSelected(true);
    Click(&view, "cmdOk");
  });
  platform.OnNextDialog([&](QDialog& ideas) {
    EXPECT_EQ(MeterTitle(&ideas), QStringLiteral("4"));
    platform.OnNextDialog([&](QDialog& view) {
      QListWidget* list = List(&view);
      list->setFocus();
      list->setCurrentRow(2, QItemSelectionModel::NoUpdate);
      QTest::keyClick(list, Qt::Key_Space);
      QTest::keyClick(list, Qt::Key_Down);
      QTest::keyClick(list, Qt::Key_Space);
      platform.AnswerNext(Answer::Yes);
      platform.AnswerNext(Answer::Yes);
      Click(&view, "cmdDelete");
      Click(&view, "cmdOk");
    });
    Click(&ideas, "cmdViewIdeas(5)");
    EXPECT_EQ(MeterTitle(&ideas), QStringLiteral("2"));
    Click(&ideas, "cmdCancel");
  });
  PressCommand(Command::MindStepping);
}

}  // namespace
}  // namespace quillane::test
