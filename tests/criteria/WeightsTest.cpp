// Weights from pairwise ratings and the descending sort they share with the
// evaluation results.
#include <gtest/gtest.h>

#include <QRandomGenerator>
#include <QStringList>
#include <functional>
#include <map>
#include <memory>

#include "core/SessionDocument.h"
#include "criteria/PairRating.h"
#include "criteria/Weights.h"
#include "session/WorkfileReader.h"
#include "session/WorkfileWriter.h"
#include "support/Lists.h"
#include "support/Parts.h"
#include "support/ScriptedPlatform.h"

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
  SessionDocument document;
  RatingState rating;
  test::ScriptedPlatform platform;

  const SessionContent& s() const { return document.content(); }
  // Changes the session's starting point with `edit`, telling no follower.
  void Start(const std::function<void(SessionContent&)>& edit) {
    auto content = std::make_unique<SessionContent>(document.content());
    edit(*content);
    test::PutContent(document, *content);
  }
  void Criteria(const QStringList& names) {
    Start([&](SessionContent& c) { test::Fill(c.sCriteria, c.nCriteria, names); });
  }
  // Rates every pair with the given slider values, one per pair.
  void RateAll(const std::vector<int>& sliders) {
    StartRating(rating);
    std::size_t next = 0;
    while (RateCurrentPair(document, rating, sliders.at(next++))) {
    }
    EXPECT_EQ(next, sliders.size());
  }
};

struct RatingCase {
  const char* name;
  QStringList criteria;
  std::vector<int> sliders;  // one per pair
  QStringList order;         // the criteria after the run
  std::vector<Single> weights, afterOk;
};
void PrintTo(const RatingCase& run, std::ostream* out) {
  *out << run.name;
}

class RatingRuns : public RatingTest, public ::testing::WithParamInterface<RatingCase> {
 protected:
  QStringList Names() const { return test::Texts(s().sCriteria, s().nCriteria); }
  std::vector<Single> Weights() const { return test::Values(s().sngWeight, s().nCriteria); }
};

TEST_P(RatingRuns, SortTheCriteriaByWeightWithTheHighestAtNine) {
  const RatingCase& run = GetParam();
  Criteria(run.criteria);
  RateAll(run.sliders);
  EXPECT_EQ(Names(), run.order);
  EXPECT_EQ(Weights(), run.weights);
  // The dialog's OK normalises once more: a weight held just below its tenth loses it.
  SettleRating(document, rating);
  EXPECT_EQ(Names(), run.order);
  EXPECT_EQ(Weights(), run.afterOk);
}

INSTANTIATE_TEST_SUITE_P(
    Ratings, RatingRuns,
    ::testing::Values(RatingCase{"TwoEqual", {"a", "b"}, {5}, {"a", "b"}, {9.0f, 9.0f}, {9.0f, 9.0f}},
                      RatingCase{
                          "MuchMoreImportant", {"a", "b"}, {10}, {"a", "b"}, {9.0f, 4.5f}, {9.0f, 4.5f}},
                      RatingCase{"ThreeEachMoreImportant",
                                 {"a", "b", "c"},
                                 {10, 10, 10},
                                 {"a", "b", "c"},
                                 {9.0f, 5.9f, 2.9f},
                                 {9.0f, 5.9f, 2.9f}},
                      RatingCase{"Reversed",
                                 {"cheap", "fast", "safe"},
                                 {0, 0, 5},
                                 {"safe", "fast", "cheap"},
                                 {9.0f, 9.0f, 3.6f},
                                 {9.0f, 9.0f, 3.5f}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RatingTest, ANewRunStartsFromEqualWeights) {
  Criteria({"a", "b"});
  RateAll({10});
  RateAll({5});
  EXPECT_EQ(s().sngWeight[1], 9.0f);
  EXPECT_EQ(s().sngWeight[2], 9.0f);
}

TEST_F(RatingTest, ARunKeepsItsWeightsUntilItEndsThenCancelNormalisesWhatStands) {
  Criteria({"a", "b", "c"});
  Start([](SessionContent& c) {
    c.sngWeight[1] = 9.0f;
    c.sngWeight[2] = 4.5f;
    c.sngWeight[3] = 1.2f;
  });
  const auto before = s().sngWeight;
  StartRating(rating);
  ASSERT_TRUE(RateCurrentPair(document, rating, 0));  // b much more important than a
  // A backup taken now holds the last finished rating, which reads back.
  EXPECT_EQ(s().sngWeight, before);
  const QByteArray backup = WorkfileBytes(s(), WorkfileKind::Backup, platform);
  EXPECT_TRUE(ReadWorkfileContent(SplitLines(backup), 2, false));

  SettleRating(document, rating);  // as Cancel does
  EXPECT_EQ(s().sCriteria[1], QStringLiteral("b"));
  EXPECT_EQ(s().sngWeight[1], 9.0f);
  EXPECT_EQ(s().sngWeight[2], 4.5f);  // a and c: 3.33 of 6.67 each
  EXPECT_EQ(s().sngWeight[3], 4.5f);
  EXPECT_EQ((QStringList{s().sCriteria[2], s().sCriteria[3]}), (QStringList{"a", "c"}));
}

TEST_F(RatingTest, CancelBeforeTheFirstPairNormalisesTheWeightsThatStood) {
  Criteria({"a", "b"});
  Start([](SessionContent& c) {
    c.sngWeight[1] = 3.0f;
    c.sngWeight[2] = 6.0f;
  });
  StartRating(rating);
  SettleRating(document, rating);
  EXPECT_EQ(s().sCriteria[1], QStringLiteral("b"));
  EXPECT_EQ(s().sngWeight[1], 9.0f);
  EXPECT_EQ(s().sngWeight[2], 4.5f);
}

TEST(TruncateWeights, SinglePrecisionJustBelowLosesATenth) {
  EXPECT_EQ(CutToOneDecimal(4.2f), 4.1f);  // held as 4.1999998
  EXPECT_EQ(CutToOneDecimal(4.3f), 4.3f);  // held as 4.3000002
  EXPECT_EQ(CutToOneDecimal(9.0f), 9.0f);
  EXPECT_EQ(CutToOneDecimal(0.49f), 0.4f);
}

}  // namespace
}  // namespace quillane
