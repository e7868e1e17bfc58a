// The selection dialog, the add dialog over it and the two techniques that
// start from a pick; the list answers the keyboard as it answers the mouse,
// and the idea meter shows the count wherever it should.
#include <QGroupBox>

#include "IdeasPagesFixture.h"

namespace quillane::test {
namespace {

class SelectionTest : public IdeasMenuTest {
 protected:
  void SetUp() override {
    IdeasMenuTest::SetUp();
    SeedIdeas(6);
    parts.commands.EnableButton(Command::MindStepping, true);
    parts.commands.EnableButton(Command::Clustering, true);
  }
};

TEST_F(SelectionTest, ViewEditShowsTheEditButtonsAndAddsThroughTheAddDialogWhoseCancelKeepsThePicks) {
  platform.OnNextDialog([&](QDialog& view) {
    QListWidget* list = ViewList(view);
    EXPECT_EQ(view.windowTitle(), QStringLiteral("View/Edit Ideas"));
    EXPECT_FALSE(Find<QPushButton>(&view, QStringLiteral("cmdCancel"))->isVisible());
    EXPECT_TRUE(Find<QPushButton>(&view, QStringLiteral("cmdAdd"))->isVisible());
    EXPECT_FALSE(Enabled(view, "cmdEdit"));
    EXPECT_EQ(HelpContextOf(&view), 5550);
    EXPECT_EQ(list->count(), 6);
    list->item(1)->setSelected(true);
    list->item(3)->setSelected(true);
    platform.OnNextDialog([](QDialog& add) { Click(&add, "cmdCancel"); });
    Click(&view, "cmdAdd");
    EXPECT_TRUE(list->item(1)->isSelected() && list->item(3)->isSelected());
    EXPECT_EQ(list->selectedItems().size(), 2);
    platform.OnNextDialog([&](QDialog& add) {
      EXPECT_EQ(add.windowTitle(), QStringLiteral("Add Idea"));
      EXPECT_EQ(add.parentWidget(), &view) << "the add dialog stands over the list";
      auto* box = Find<QLineEdit>(&add, QStringLiteral("txtAddIdea"));
      QTest::keyClicks(box, QStringLiteral("ab"));
      EXPECT_FALSE(Enabled(add, "cmdOk"));
      QTest::keyClick(box, Qt::Key_Return);
      EXPECT_TRUE(add.isVisible()) << "Enter does nothing below three characters";
      TypeAndEnter(box, QStringLiteral("c"));
    });
    Click(&view, "cmdAdd");
    EXPECT_EQ(list->count(), 7);
    Click(&view, "cmdOk");
  });
  PressCommand(Command::ViewEditIdeas);
  EXPECT_EQ(Ideas().last(), QStringLiteral("abc"));
}

TEST_F(SelectionTest, DeleteAsksTwiceAndRemovesTheSelectedEntries) {
  platform.OnNextDialog([&](QDialog& view) {
    ClickRow(ViewList(view), 1);
    ClickRow(ViewList(view), 2);
    platform.AnswerNext(Answer::Yes);
    platform.AnswerNext(Answer::No);
    Click(&view, "cmdDelete");
    EXPECT_EQ(ViewList(view)->count(), 6) << "No to the second question";
    DeleteConfirmed(view);
    EXPECT_EQ(ViewList(view)->count(), 4);
    EXPECT_TRUE(view.isVisible()) << "the questions do not close the dialog";
    Click(&view, "cmdOk");
  });
  PressCommand(Command::ViewEditIdeas);
  EXPECT_EQ(Ideas(), (QStringList{"idea 1", "idea 4", "idea 5", "idea 6"}));
  EXPECT_TRUE(parts.document.content().sIdeas[5].isEmpty());
  EXPECT_TRUE(parts.progress.done(ProgressStep::IdeasRemoved));
  EXPECT_TRUE(parts.document.isModified());
  ASSERT_EQ(platform.messages.size(), 4u);
  EXPECT_EQ(platform.messages[1].text, QStringLiteral("Are you sure?"));
  EXPECT_EQ(platform.messages[1].flags, 292);
}

TEST_F(SelectionTest, EditWithoutACurrentEntryChangesNothing) {
  platform.OnNextDialog([&](QDialog& view) {
    ClickRow(ViewList(view), 0);
    DeleteConfirmed(view);  // Edit stays enabled, with no entry current
    ViewList(view)->setCurrentRow(-1);
    platform.OnNextDialog([&](QDialog& edit) {
      QTest::keyClicks(Find<QLineEdit>(&edit, QStringLiteral("txtAddIdea")), QStringLiteral("orphan"));
      Click(&edit, "cmdOk");
    });
    Click(&view, "cmdEdit");
    Click(&view, "cmdOk");
  });
  PressCommand(Command::ViewEditIdeas);
  EXPECT_EQ(Ideas(), (QStringList{"idea 2", "idea 3", "idea 4", "idea 5", "idea 6"}));
}

TEST_F(SelectionTest, MindSteppingWalksThePickedIdeasByTheirOwnPosition) {
  platform.OnNextDialog([&](QDialog& view) {
    EXPECT_EQ(view.windowTitle(), QStringLiteral("MindStepping"));
    EXPECT_EQ(HelpContextOf(&view), 5450);
    EXPECT_FALSE(Find<QPushButton>(&view, QStringLiteral("cmdAdd"))->isVisible());
    platform.AnswerNext(Answer::Ok);
    Click(&view, "cmdOk");  // nothing picked
    EXPECT_TRUE(view.isVisible());
    for (int row : {3, 4, 5}) ClickRow(ViewList(view), row);
    Click(&view, "cmdOk");
  });
  platform.OnNextDialog([&](QDialog& ideas) {
    auto* next = Find<QPushButton>(&ideas, QStringLiteral("cmdIdeasMindstepping"));
    EXPECT_TRUE(LabelText(ideas, "lblIdeasMindStepping(0)")
                    .startsWith(QStringLiteral("Below, you see idea no. 1 that you want")));
    EXPECT_EQ(LabelText(ideas, "lblIdeasMindSteppingIdea"), QStringLiteral("idea 4"));
    EXPECT_EQ(HelpContextOf(&ideas), 5450);
    QTest::mouseClick(next, Qt::LeftButton);
    QTest::mouseClick(next, Qt::LeftButton);
    EXPECT_TRUE(LabelText(ideas, "lblIdeasMindStepping(0)")
                    .startsWith(QStringLiteral("Below, you see idea no. 3 that")));
    EXPECT_EQ(LabelText(ideas, "lblIdeasMindSteppingIdea"), QStringLiteral("idea 6"));
    EXPECT_FALSE(next->isEnabled());
    TypeAndEnter(Find<QLineEdit>(&ideas, QStringLiteral("txtAddIdeas(5)")), QStringLiteral("a better idea"));
    Click(&ideas, "cmdOk");
  });
  PressCommand(Command::MindStepping);
  EXPECT_EQ(parts.states.mindStep.nMindStep, 3);
  EXPECT_EQ(parts.document.content().nIdeas, 7);
  EXPECT_TRUE(parts.progress.done(ProgressStep::MindStepping));
  EXPECT_EQ(platform.messages[0].text, QStringLiteral("No Ideas were selected."));
}

TEST_F(SelectionTest, ACancelledPickOpensNothingAndOneSteppingStoneLeavesNextDisabled) {
  platform.OnNextDialog([&](QDialog& view) { Click(&view, "cmdCancel"); });
  PressCommand(Command::MindStepping);
  EXPECT_EQ(platform.dialogsShown, QStringList{QStringLiteral("frmView")});
  PickNext({0});
  platform.OnNextDialog([&](QDialog& ideas) {
    EXPECT_FALSE(Enabled(ideas, "cmdIdeasMindstepping"));
    Click(&ideas, "cmdCancel");
  });
  PressCommand(Command::MindStepping);
  EXPECT_FALSE(parts.progress.done(ProgressStep::MindStepping)) << "Cancel records nothing";
}

TEST_F(SelectionTest, ClusteringListsThePickInOrderAndClearsALongerOne) {
  Fill(parts.states.cluster.sCluster, parts.states.cluster.nCluster, QStringList(5, QStringLiteral("old")));
  platform.OnNextDialog([&](QDialog& view) {
    EXPECT_EQ(HelpContextOf(&view), 5500);
    for (int row : {4, 0, 2}) ClickRow(ViewList(view), row);
    Click(&view, "cmdOk");
  });
  platform.OnNextDialog([&](QDialog& ideas) {
    EXPECT_EQ(LabelText(ideas, "lblIdeasCluster(0)"), QStringLiteral("List of your 3 clustered Ideas:"));
    EXPECT_EQ(Find<QListWidget>(&ideas, QStringLiteral("lstIdeasCluster"))->count(), 3);
    auto* common = Find<QLineEdit>(&ideas, QStringLiteral("txtClusterUnif"));
    EXPECT_TRUE(common->hasFocus());
    TypeAndEnter(common, QStringLiteral("all cheap"));
    EXPECT_TRUE(Find<QLineEdit>(&ideas, QStringLiteral("txtAddIdeas(6)"))->hasFocus());
    EXPECT_EQ(parts.document.content().nIdeas, 6) << "the common idea is never added";
    Click(&ideas, "cmdOk");
  });
  PressCommand(Command::Clustering);
  EXPECT_EQ(parts.states.cluster.nCluster, 3);
  EXPECT_EQ(Texts(parts.states.cluster.sCluster, 5), (QStringList{"idea 1", "idea 3", "idea 5", "", ""}));
  EXPECT_TRUE(parts.progress.done(ProgressStep::Clustering));
}

// Evaluate's pick hides the meter. Each technique page has its own View
// Ideas button; all share one handler.
TEST_F(IdeasMenuTest, TheMeterShowsAgainAfterACancelledPickAndFollowsKeyboardDeletionsInTheViewOverIt) {
  SeedIdeas(4);
  Seed(parts.document, [](SessionContent& s) {
    Fill(s.sCriteria, s.nCriteria, {"Cost"});
    s.sngWeight[1] = 9.0f;
  });
  parts.commands.EnableButton(Command::MindStepping, true);
  platform.OnNextDialog([](QDialog& view) { Click(&view, "cmdCancel"); });
  PressCommand(Command::Evaluate);
  PickNext({0});
  platform.OnNextDialog([&](QDialog& ideas) {
    auto* meter = Find<QGroupBox>(&ideas, QStringLiteral("fraIdeasMeter"));
    EXPECT_TRUE(meter->isVisible());
    EXPECT_EQ(meter->title(), QStringLiteral("4"));
    platform.OnNextDialog([&](QDialog& view) {
      EXPECT_EQ(view.parentWidget(), &ideas);
      EXPECT_EQ(view.windowTitle(), QStringLiteral("View/Edit Ideas"));
      QListWidget* list = ViewList(view);
      list->setFocus();
      QTest::keyClick(list, Qt::Key_Down);
      QTest::keyClick(list, Qt::Key_Down);
      QTest::keyClick(list, Qt::Key_Space);
      EXPECT_TRUE(Enabled(view, "cmdEdit"));
      ASSERT_TRUE(Enabled(view, "cmdDelete"));
      QTest::keyClick(list, Qt::Key_Down);
      QTest::keyClick(list, Qt::Key_Space);
      DeleteConfirmed(view);
      Click(&view, "cmdOk");
    });
    Click(&ideas, "cmdViewIdeas(5)");
    EXPECT_TRUE(ideas.isVisible()) << "the view dialog does not close the ideas dialog";
    EXPECT_EQ(meter->title(), QStringLiteral("2"));
    Click(&ideas, "cmdCancel");
  });
  PressCommand(Command::MindStepping);
  EXPECT_EQ(parts.document.content().nIdeas, 2);
}

}  // namespace
}  // namespace quillane::test
