// Weighted scores of the picked ideas and their ranking; evaluating picked
// ideas in the ideas dialog, and viewing the results.
#include <QTableWidget>
#include <algorithm>

#include "evaluation/Evaluation.h"
#include "ideas/IdeasPagesFixture.h"

namespace quillane::test {
namespace {

class EvaluationTest : public ::testing::Test {
 protected:
  std::unique_ptr<SessionContent> s = std::make_unique<SessionContent>();
  std::unique_ptr<EvaluationState> e = std::make_unique<EvaluationState>();

  void Setup(const std::vector<Single>& weights, const QStringList& ideas) {
    s->nCriteria = static_cast<Integer>(weights.size());
    std::copy(weights.begin(), weights.end(), s->sngWeight.begin() + 1);
    Fill(e->sEvalIdeas, e->nEvalIdeas, ideas);
  }
  // Rates in the order the page asks; returns the (idea, criterion) pairs seen.
  std::vector<std::pair<int, int>> Rate(const std::vector<int>& sliders) {
    std::vector<std::pair<int, int>> seen;
    StartEvaluation(*e);
    std::size_t next = 0;
    bool more = true;
    while (more) {
      seen.emplace_back(e->nEvalIdea, e->nEvalCrit);
      more = RecordRating(*s, *e, sliders.at(next++));
    }
    EXPECT_EQ(next, sliders.size());
    return seen;
  }
};

TEST_F(EvaluationTest, RatesCriteriaInsideIdeasAndRanksBestFirstOnNine) {
  Setup({9.0f, 4.5f}, {"second", "first"});
  const auto seen = Rate({0, 10, 10, 0});
  EXPECT_EQ(seen, (std::vector<std::pair<int, int>>{{1, 1}, {1, 2}, {2, 1}, {2, 2}}));
  EXPECT_EQ(e->sEvalIdeas[1], QStringLiteral("first"));
  EXPECT_EQ(Values(e->sngResultA, 2), (std::vector<Single>{5.0f, 2.5f}));
  EXPECT_EQ(Values(e->sngResultB, 2), (std::vector<Single>{9.0f, 4.5f}));
  // The scores keep the order of the selection.
  EXPECT_EQ(e->sngScore[1][2], 10.0f);
  EXPECT_DOUBLE_EQ(e->dblScoreW[2][1], 10.0);
}

TEST_F(EvaluationTest, EqualAveragesKeepTheSelectionOrder) {
  Setup({9.0f}, {"a", "b"});
  Rate({6, 6});
  EXPECT_EQ(Texts(e->sEvalIdeas, 2), (QStringList{"a", "b"}));
}

TEST_F(EvaluationTest, ResultsAreCutNotRounded) {
  Setup({9.0f}, {"best", "almost half"});
  e->sngResultA = {0, 10.0f, 4.999f};  // ratio 0.4999: 4.4991
  RankEvaluatedIdeas(*e);
  EXPECT_EQ(e->sngResultB[2], 4.4f);
}

TEST_F(EvaluationTest, EveryRatingZeroGivesZeroResultsWithoutFailing) {
  Setup({9.0f, 3.0f}, {"a", "b", "c"});
  Rate({0, 0, 0, 0, 0, 0});
  EXPECT_EQ(Values(e->sngResultB, 3), (std::vector<Single>{0.0f, 0.0f, 0.0f}));
  EXPECT_EQ(e->nEvalIdeas, 3);
  EXPECT_FALSE(e->sEvalIdeas[3].isEmpty());
}

TEST_F(EvaluationTest, ANewRunResetsEachIdeasTotalAtItsFirstCriterion) {
  Setup({9.0f, 9.0f}, {"a", "b"});
  Rate({10, 10, 5, 5});
  Rate({0, 0, 5, 5});
  EXPECT_EQ(e->sEvalIdeas[1], QStringLiteral("b"));
  EXPECT_EQ(Values(e->sngResultA, 2), (std::vector<Single>{5.0f, 0.0f}));
}

class EvaluationPageTest : public IdeasMenuTest {
 protected:
  void SetUp() override {
    IdeasMenuTest::SetUp();
    SeedIdeas(3);
    Seed(parts.document, [](SessionContent& s) {
      s.sGoal = QStringLiteral("A calmer office");
      Fill(s.sCriteria, s.nCriteria, {"Cost", "Speed", "Comfort"});
      s.sngWeight = {0, 9.0f, 4.5f, 3.0f};
    });
  }
  // Picks ideas 2 and 3 for the evaluation.
  void PickTwo() {
    platform.OnNextDialog([&](QDialog& view) {
      EXPECT_EQ(view.windowTitle(), QStringLiteral("Evaluation"));
      ViewList(view)->item(1)->setSelected(true);
      platform.AnswerNext(Answer::Ok);
      Click(&view, "cmdOk");  // one idea is too few
      EXPECT_TRUE(view.isVisible());
      ViewList(view)->item(2)->setSelected(true);
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
    EXPECT_FALSE(Enabled(d, "cmdOk"));
    EXPECT_FALSE(Find(&d, QStringLiteral("fraIdeasMeter"))->isVisible());
    EXPECT_TRUE(Find(&d, QStringLiteral("sliIdeasEvaluationRate"))->hasFocus());
    EXPECT_EQ(HelpContextOf(&d), 5600);
    EXPECT_EQ(LabelText(d, "lblIdeasEvaluation(1)"),
              QStringLiteral("You have selected 2 ideas to reach this goal."));
    EXPECT_EQ(LabelText(d, "lblIdeasEvaluationGoal"), QStringLiteral("A calmer office"));
    Rate(d, {0, 0, 0, 10, 10});
    EXPECT_EQ(LabelText(d, "lblIdeasEvaluation(2)"), QStringLiteral("Below, you see selected idea no. 2"));
    EXPECT_EQ(LabelText(d, "lblIdeasEvaluation(5)"),
              QStringLiteral("Please evaluate this idea, using criterion no. 3 below."));
    EXPECT_EQ(LabelText(d, "lblIdeasEvaluationIdea"), QStringLiteral("idea 3"));
    EXPECT_EQ(LabelText(d, "lblIdeasEvaluationCrit"), QStringLiteral("Comfort"));
    Rate(d, {10});
    EXPECT_FALSE(d.isVisible()) << "the last rating closes the dialog";
  });
  PressCommand(Command::Evaluate);
  const EvaluationState& e = parts.states.evaluation;
  EXPECT_EQ(Texts(e.sEvalIdeas, 2), (QStringList{"idea 3", "idea 2"}));
  EXPECT_EQ(Values(e.sngResultB, 2), (std::vector<Single>{9.0f, 0.0f}));
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
  Fill(e.sEvalIdeas, e.nEvalIdeas, {"best", "half"});
  e.sngResultB = {0, 9.0f, 4.5f};
  parts.commands.EnableButton(Command::ViewResults, true);
  platform.OnNextDialog([&](QDialog& d) {
    EXPECT_EQ(HelpContextOf(&d), 5650);
    EXPECT_FALSE(Find(&d, QStringLiteral("cmdCancel"))->isVisible());
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
