// Weighted scores of the picked ideas and their ranking.
#include <gtest/gtest.h>

#include <QStringList>

#include "evaluation/Evaluation.h"
#include "support/Lists.h"

namespace quillane {
namespace {

class EvaluationTest : public ::testing::Test {
 protected:
  std::unique_ptr<SessionContent> s = std::make_unique<SessionContent>();
  std::unique_ptr<EvaluationState> e = std::make_unique<EvaluationState>();

  void Setup(std::vector<Single> weights, QStringList ideas) {
    s->nCriteria = static_cast<Integer>(weights.size());
    for (std::size_t c = 0; c < weights.size(); ++c) {
      s->sngWeight[c + 1] = weights[c];
      s->sCriteria[c + 1] = QStringLiteral("criterion %1").arg(c + 1);
    }
    test::Fill(e->sEvalIdeas, e->nEvalIdeas, ideas);
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
  EXPECT_EQ(e->sngResultA[1], 5.0f);
  EXPECT_EQ(e->sngResultA[2], 2.5f);
  EXPECT_EQ(e->sngResultB[1], 9.0f);
  EXPECT_EQ(e->sngResultB[2], 4.5f);
  // The scores keep the order of the selection.
  EXPECT_EQ(e->sngScore[1][2], 10.0f);
  EXPECT_DOUBLE_EQ(e->dblScoreW[2][1], 10.0);
}

TEST_F(EvaluationTest, EqualAveragesKeepTheSelectionOrder) {
  Setup({9.0f}, {"a", "b"});
  Rate({6, 6});
  EXPECT_EQ(e->sEvalIdeas[1], QStringLiteral("a"));
  EXPECT_EQ(e->sEvalIdeas[2], QStringLiteral("b"));
}

TEST_F(EvaluationTest, ResultsAreCutNotRounded) {
  Setup({9.0f}, {"best", "almost half"});
  e->nEvalIdeas = 2;
  e->sngResultA[1] = 10.0f;
  e->sngResultA[2] = 4.999f;  // ratio 0.4999: 4.4991
  RankEvaluatedIdeas(*e);
  EXPECT_EQ(e->sngResultB[2], 4.4f);
}

TEST_F(EvaluationTest, EveryRatingZeroGivesZeroResultsWithoutFailing) {
  Setup({9.0f, 3.0f}, {"a", "b", "c"});
  Rate({0, 0, 0, 0, 0, 0});
  for (int i = 1; i <= 3; ++i) EXPECT_EQ(e->sngResultB[static_cast<std::size_t>(i)], 0.0f) << i;
  EXPECT_EQ(e->nEvalIdeas, 3);
  EXPECT_FALSE(e->sEvalIdeas[3].isEmpty());
}

TEST_F(EvaluationTest, ANewRunResetsEachIdeasTotalAtItsFirstCriterion) {
  Setup({9.0f, 9.0f}, {"a", "b"});
  Rate({10, 10, 5, 5});
  Rate({0, 0, 5, 5});
  EXPECT_EQ(e->sEvalIdeas[1], QStringLiteral("b"));
  EXPECT_EQ(e->sngResultA[1], 5.0f);
  EXPECT_EQ(e->sngResultA[2], 0.0f);
}

}  // namespace
}  // namespace quillane
