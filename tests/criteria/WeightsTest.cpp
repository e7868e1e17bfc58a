// Weights from pairwise ratings and the descending sort they share with the
// evaluation results.
#include <gtest/gtest.h>

#include <QRandomGenerator>
#include <QStringList>
#include <map>

#include "criteria/PairRating.h"
#include "criteria/Weights.h"

namespace quillane {
namespace {

struct Sorted {
  std::vector<Single> keys;
  QStringList names;
};

Sorted Sort(const std::vector<Single>& keys) {
  std::vector<Single> a(keys.size() + 1, 0);
  std::vector<QString> b(keys.size() + 1);
  for (std::size_t i = 0; i < keys.size(); ++i) {
    a[i + 1] = keys[i];
    b[i + 1] = QString(QChar(u'a' + static_cast<char16_t>(i)));
  }
  SortByKeyDescending(a, b, static_cast<int>(keys.size()));
  Sorted out;
  out.keys.assign(a.begin() + 1, a.end());
  for (std::size_t i = 1; i < b.size(); ++i) out.names << b[i];
  return out;
}

TEST(SortByKeyDescending, EqualKeysEndInTheOrderItsStepsGive) {
  EXPECT_EQ(Sort({4, 4}).names, (QStringList{"a", "b"}));
  EXPECT_EQ(Sort({2, 2, 2, 2}).names, (QStringList{"c", "a", "b", "d"}));
  const Sorted mixed = Sort({7, 3, 7, 3, 7});
  EXPECT_EQ(mixed.names, (QStringList{"c", "e", "a", "b", "d"}));
  EXPECT_EQ(mixed.keys, (std::vector<Single>{7, 7, 7, 3, 3}));
  EXPECT_EQ(Sort({3, 5, 5}).names, (QStringList{"c", "b", "a"}));
  EXPECT_EQ(Sort({1}).names, (QStringList{"a"}));
}

TEST(SortByKeyDescending, AnyInputComesOutDescendingWithEveryNameBesideItsKey) {
  QRandomGenerator random(20261206);
  for (int round = 0; round < 2000; ++round) {
    const int n = random.bounded(0, 40);
    std::vector<Single> keys;
    for (int i = 0; i < n; ++i) keys.push_back(static_cast<Single>(random.bounded(0, 6)) / 2.0f);
    const Sorted out = Sort(keys);
    std::multimap<QString, Single> before;
    std::multimap<QString, Single> after;
    for (int i = 0; i < n; ++i) {
      before.emplace(QString(QChar(u'a' + static_cast<char16_t>(i))), keys[static_cast<std::size_t>(i)]);
      after.emplace(out.names[i], out.keys[static_cast<std::size_t>(i)]);
      if (i > 0) {
        ASSERT_GE(out.keys[static_cast<std::size_t>(i - 1)], out.keys[static_cast<std::size_t>(i)]);
      }
    }
    ASSERT_EQ(before, after) << "round " << round;
  }
}

class RatingTest : public ::testing::Test {
 protected:
  std::unique_ptr<Session> s = std::make_unique<Session>();

  void Criteria(const QStringList& names) {
    s->nCriteria = static_cast<Integer>(names.size());
    for (int i = 0; i < names.size(); ++i) s->sCriteria[static_cast<std::size_t>(i + 1)] = names[i];
  }
  // Rates every pair with the given slider values; returns the pairs seen.
  std::vector<std::pair<int, int>> RateAll(const std::vector<int>& sliders) {
    std::vector<std::pair<int, int>> pairs;
    StartRating(*s);
    std::size_t next = 0;
    bool more = true;
    while (more) {
      pairs.emplace_back(s->nRateA, s->nRateB);
      more = RateCurrentPair(*s, sliders.at(next++));
    }
    EXPECT_EQ(next, sliders.size());
    return pairs;
  }
};

TEST_F(RatingTest, TwoEqualCriteriaBothWeighNine) {
  Criteria({"a", "b"});
  RateAll({5});
  EXPECT_EQ(s->sngWeight[1], 9.0f);
  EXPECT_EQ(s->sngWeight[2], 9.0f);
  EXPECT_EQ(s->sCriteria[1], QStringLiteral("a"));
  EXPECT_EQ(s->sCriteria[2], QStringLiteral("b"));
}

TEST_F(RatingTest, MuchMoreImportantGivesNineAndFourAndAHalf) {
  Criteria({"a", "b"});
  RateAll({10});
  EXPECT_EQ(s->sngWeight[1], 9.0f);
  EXPECT_EQ(s->sngWeight[2], 4.5f);
  EXPECT_EQ(s->sCriteria[1], QStringLiteral("a"));
}

TEST_F(RatingTest, ThreeCriteriaRatedTenTenTenGiveNineFiveNineTwoNine) {
  Criteria({"a", "b", "c"});
  const auto pairs = RateAll({10, 10, 10});
  EXPECT_EQ(pairs, (std::vector<std::pair<int, int>>{{1, 2}, {1, 3}, {2, 3}}));
  EXPECT_EQ(s->sngWeight[1], 9.0f);
  EXPECT_EQ(s->sngWeight[2], 5.9f);
  EXPECT_EQ(s->sngWeight[3], 2.9f);
  // The dialog's OK runs the normalisation once more: nothing moves.
  NormaliseWeights(*s);
  EXPECT_EQ(s->sngWeight[2], 5.9f);
  EXPECT_EQ(s->sngWeight[3], 2.9f);
}

TEST_F(RatingTest, ReversedRatingReordersTheCriteria) {
  Criteria({"cheap", "fast", "safe"});
  RateAll({0, 0, 5});
  EXPECT_EQ(s->sCriteria[3], QStringLiteral("cheap"));
  EXPECT_EQ(s->sngWeight[1], 9.0f);
  EXPECT_LT(s->sngWeight[3], s->sngWeight[2]);
}

TEST_F(RatingTest, EveryPairOnceLowerIndexLeft) {
  Criteria({"a", "b", "c", "d", "e"});
  const auto pairs = RateAll(std::vector<int>(10, 7));
  std::vector<std::pair<int, int>> expected;
  for (int a = 1; a <= 5; ++a) {
    for (int b = a + 1; b <= 5; ++b) expected.emplace_back(a, b);
  }
  EXPECT_EQ(pairs, expected);
}

TEST_F(RatingTest, ANewRunStartsFromEqualWeights) {
  Criteria({"a", "b"});
  RateAll({10});
  RateAll({5});
  EXPECT_EQ(s->sngWeight[1], 9.0f);
  EXPECT_EQ(s->sngWeight[2], 9.0f);
}

TEST_F(RatingTest, PartialRatingNormalisesWhatStands) {
  Criteria({"a", "b", "c"});
  StartRating(*s);
  ASSERT_TRUE(RateCurrentPair(*s, 0));  // b much more important than a
  NormaliseWeights(*s);                 // as Cancel does
  EXPECT_EQ(s->sCriteria[1], QStringLiteral("b"));
  EXPECT_EQ(s->sngWeight[1], 9.0f);
  EXPECT_EQ(s->sngWeight[2], 4.5f);  // a and c: 3.33 of 6.67 each
  EXPECT_EQ(s->sngWeight[3], 4.5f);
  EXPECT_EQ((QStringList{s->sCriteria[2], s->sCriteria[3]}), (QStringList{"a", "c"}));
}

TEST(TruncateWeights, SinglePrecisionJustBelowLosesATenth) {
  EXPECT_EQ(CutToOneDecimal(4.2f), 4.1f);  // held as 4.1999998
  EXPECT_EQ(CutToOneDecimal(4.3f), 4.3f);  // held as 4.3000002
  EXPECT_EQ(CutToOneDecimal(9.0f), 9.0f);
  EXPECT_EQ(CutToOneDecimal(0.49f), 0.4f);
}

}  // namespace
}  // namespace quillane
