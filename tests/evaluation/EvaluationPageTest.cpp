// Evaluating picked ideas in the ideas dialog, and viewing the results.
#include <QLabel>
#include <QListWidget>
#include <QSlider>
#include <QTableWidget>

#include "app/DialogFixture.h"
#include "support/Parts.h"
#include "ui/HelpContexts.h"

namespace quillane::test {
namespace {

class EvaluationPageTest : public MenuOpenTest<Menu::kIdeas> {
 protected:
  void SetUp() override {
    MenuOpenTest::SetUp();
    SessionContent s;
    s.sGoal = QStringLiteral("A calmer office");
    Fill(s.sCriteria, s.nCriteria, {"Cost", "Speed", "Comfort"});
    s.sngWeight = {0, 9.0f, 4.5f, 3.0f};
    Fill(s.sIdeas, s.nIdeas, Numbered(QStringLiteral("idea %1"), 3));
    PutContent(parts.document, s);
  }
  // Picks ideas 2 and 3 for the evaluation.
  void PickTwo() {
    platform.OnNextDialog([&](QDialog& view) {
      EXPECT_EQ(view.windowTitle(), QStringLiteral("Evaluation"));
      auto* list = Find<QListWidget>(&view, QStringLiteral("lstView"));
      list->item(1)->setSelected(true);
      platform.AnswerNext(Answer::Ok);
      Click(&view, "cmdOk");  // one idea is too few
      EXPECT_TRUE(view.isVisible());
      list->item(2)->setSelected(true);
      Click(&view, "cmdOk");
    });
  }
  // Rates with the slider values in the order the page asks for them.
  static void Rate(QDialog& d, const std::vector<int>& values) {
    auto* slider = Find<QSlider>(&d, QStringLiteral("sliIdeasEvaluationRate"));
    for (int value : values) {
      EXPECT_EQ(slider->value(), 5) << "each rating starts in the middle";
      slider->setValue(value);
      Click(&d, "cmdIdeasEvaluation");
    }
  }
};

TEST_F(EvaluationPageTest, RatesEveryIdeaOnEveryCriterionAndRanksThem) {
  PickTwo();
  platform.OnNextDialog([&](QDialog& d) {
    EXPECT_FALSE(Find<QPushButton>(&d, QStringLiteral("cmdOk"))->isEnabled());
    EXPECT_FALSE(Find<QWidget>(&d, QStringLiteral("fraIdeasMeter"))->isVisible());
    EXPECT_TRUE(Find<QSlider>(&d, QStringLiteral("sliIdeasEvaluationRate"))->hasFocus());
    EXPECT_EQ(HelpContextOf(&d), 5600);
    EXPECT_EQ(Find<QLabel>(&d, QStringLiteral("lblIdeasEvaluation(1)"))->text(),
              QStringLiteral("You have selected 2 ideas to reach this goal."));
    EXPECT_EQ(Find<QLabel>(&d, QStringLiteral("lblIdeasEvaluationGoal"))->text(),
              QStringLiteral("A calmer office"));
    Rate(d, {0, 0, 0, 10, 10});
    EXPECT_EQ(Find<QLabel>(&d, QStringLiteral("lblIdeasEvaluation(2)"))->text(),
              QStringLiteral("Below, you see selected idea no. 2"));
    EXPECT_EQ(Find<QLabel>(&d, QStringLiteral("lblIdeasEvaluation(5)"))->text(),
              QStringLiteral("Please evaluate this idea, using criterion no. 3 below."));
    EXPECT_EQ(Find<QLabel>(&d, QStringLiteral("lblIdeasEvaluationIdea"))->text(), QStringLiteral("idea 3"));
    EXPECT_EQ(Find<QLabel>(&d, QStringLiteral("lblIdeasEvaluationCrit"))->text(), QStringLiteral("Comfort"));
    Rate(d, {10});
    EXPECT_FALSE(d.isVisible()) << "the last rating closes the dialog";
  });
  PressCommand(Command::Evaluate);
  const EvaluationState& e = parts.states.evaluation;
  EXPECT_EQ(e.sEvalIdeas[1], QStringLiteral("idea 3"));
  EXPECT_EQ(e.sngResultB[1], 9.0f);
  EXPECT_EQ(e.sEvalIdeas[2], QStringLiteral("idea 2"));
  EXPECT_EQ(e.sngResultB[2], 0.0f);
  EXPECT_TRUE(parts.progress.done(ProgressStep::Evaluation));
  EXPECT_TRUE(MenuButton(Menu::kPlans)->isEnabled());
  EXPECT_TRUE(CommandButton(Command::MakePlan)->isEnabled());
  EXPECT_TRUE(CommandButton(Command::ViewResults)->isEnabled());
  EXPECT_TRUE(parts.document.isModified());
}

TEST_F(EvaluationPageTest, CancelPartWayKeepsTheRatingsButRanksNothing) {
  parts.states.evaluation.sngResultB[1] = 7.7f;
  PickTwo();
  platform.OnNextDialog([&](QDialog& d) {
    Rate(d, {10, 10});
    Click(&d, "cmdCancel");
  });
  PressCommand(Command::Evaluate);
  const EvaluationState& e = parts.states.evaluation;
  EXPECT_EQ(e.sngScore[1][2], 10.0f);
  EXPECT_EQ(e.sEvalIdeas[1], QStringLiteral("idea 2")) << "nothing sorted";
  EXPECT_EQ(e.sngResultB[1], 7.7f);
  EXPECT_FALSE(parts.progress.done(ProgressStep::Evaluation));
  EXPECT_FALSE(CommandButton(Command::ViewResults)->isEnabled());
  EXPECT_FALSE(MenuButton(Menu::kPlans)->isEnabled());
}

TEST_F(EvaluationPageTest, ResultsShowTheRankingAsWeightBars) {
  EvaluationState& e = parts.states.evaluation;
  e.nEvalIdeas = 2;
  e.sEvalIdeas[1] = QStringLiteral("best");
  e.sEvalIdeas[2] = QStringLiteral("half");
  e.sngResultB[1] = 9.0f;
  e.sngResultB[2] = 4.5f;
  parts.commands.EnableButton(Command::ViewResults, true);
  platform.OnNextDialog([&](QDialog& d) {
    EXPECT_EQ(HelpContextOf(&d), 5650);
    EXPECT_FALSE(Find<QPushButton>(&d, QStringLiteral("cmdCancel"))->isVisible());
    auto* grid = Find<QTableWidget>(&d, QStringLiteral("grdEvaluation"));
    ASSERT_EQ(grid->rowCount(), 3);
    EXPECT_EQ(grid->item(0, 0)->text(), QStringLiteral("best"));
    EXPECT_EQ(grid->item(0, 1)->text(), QStringLiteral("9,0"));
    EXPECT_EQ(grid->item(2, 1)->text(), QStringLiteral("4.5"));
    QTest::keyClick(&d, Qt::Key_Escape);  // OK, since Cancel is hidden
  });
  PressCommand(Command::ViewResults);
  EXPECT_TRUE(parts.document.isModified());
}

}  // namespace
}  // namespace quillane::test
