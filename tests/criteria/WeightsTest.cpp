// Weights from pairwise ratings and the descending sort they share with the
// evaluation results.
#include <gtest/gtest.h>

#include <QRandomGenerator>
#include <QStringList>
#include <algorithm>
#include <map>

#include "core/SessionDocument.h"
#include "criteria/CriteriaDialogFixture.h"
#include "criteria/PairRating.h"
#include "criteria/Weights.h"
#include "session/WorkfileReader.h"
#include "session/WorkfileWriter.h"
#include "support/ScriptedPlatform.h"

namespace quillane {
namespace {

struct Sorted {
  std::vector<Single> keys;
  QStringList names;
};

// The name of the key at `index`: "a", "b", ...
QString NameAt(std::size_t index) {
  return QString(QChar(u'a' + static_cast<char16_t>(index)));
}

// The keys, named "a", "b", ... in slots 1 and up, as the sort takes them.
Sorted Sort(const std::vector<Single>& keys) {
  std::vector<Single> a{0};
  a.insert(a.end(), keys.begin(), keys.end());
  std::vector<QString> b(1);
  for (std::size_t i = 0; i < keys.size(); ++i) b.push_back(NameAt(i));
  SortByKeyDescending(a, b, static_cast<int>(keys.size()));
  return {{a.begin() + 1, a.end()}, {b.begin() + 1, b.end()}};
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
    SCOPED_TRACE(round);
    std::vector<Single> keys(random.bounded(0, 40));
    for (Single& key : keys) key = static_cast<Single>(random.bounded(0, 6)) / 2.0f;
    const Sorted out = Sort(keys);
    ASSERT_TRUE(std::is_sorted(out.keys.rbegin(), out.keys.rend()));
    std::multimap<QString, Single> before, after;
    for (std::size_t i = 0; i < keys.size(); ++i) {
      before.emplace(NameAt(i), keys[i]);
      after.emplace(out.names[static_cast<qsizetype>(i)], out.keys[i]);
    }
    ASSERT_EQ(before, after);
  }
}

class RatingTest : public ::testing::Test {
 protected:
  const SessionContent& s() const { return document.content(); }
  QStringList Names() const { return test::Texts(s().sCriteria, s().nCriteria); }
  std::vector<Single> Weights() const { return test::Values(s().sngWeight, s().nCriteria); }

  // Rates every pair with the given slider values, one per pair.
  void RateAll(const std::vector<int>& sliders) {
    StartRating(rating);
    std::size_t next = 0;
    while (RateCurrentPair(document, rating, sliders.at(next++))) {
    }
    EXPECT_EQ(next, sliders.size());
  }

  SessionDocument document;
  RatingState rating;
  test::ScriptedPlatform platform;
};

TEST_F(RatingTest, ARunSortsTheCriteriaByWeightWithTheHighestAtNine) {
  const struct {
    const char* name;
    QStringList criteria;
    std::vector<int> sliders;              // one per pair
    QStringList order;                     // the criteria after the run
    std::vector<Single> weights, afterOk;  // afterOk: none when OK leaves the weights
  } runs[] = {
      {"two equal", {"a", "b"}, {5}, {"a", "b"}, {9.0f, 9.0f}, {}},
      {"much more important", {"a", "b"}, {10}, {"a", "b"}, {9.0f, 4.5f}, {}},
      // Three criteria, each more important than the next: CriteriaRateTest, through the dialog.
      {"reversed",
       {"cheap", "fast", "safe"},
       {0, 0, 5},
       {"safe", "fast", "cheap"},
       {9.0f, 9.0f, 3.6f},
       {9.0f, 9.0f, 3.5f}},
  };
  for (const auto& run : runs) {
    SCOPED_TRACE(run.name);
    test::PutCriteria(document, run.criteria);
    RateAll(run.sliders);
    EXPECT_EQ(Names(), run.order);
    EXPECT_EQ(Weights(), run.weights);
    // The dialog's OK normalises once more: a weight held just below its tenth loses it.
    SettleRating(document, rating);
    EXPECT_EQ(Names(), run.order);
    EXPECT_EQ(Weights(), run.afterOk.empty() ? run.weights : run.afterOk);
  }
}

TEST_F(RatingTest, ANewRunStartsFromEqualWeights) {
  test::PutCriteria(document, {"a", "b"});
  RateAll({10});
  RateAll({5});
  EXPECT_EQ(Weights(), (std::vector<Single>{9.0f, 9.0f}));
}

TEST_F(RatingTest, ARunKeepsItsWeightsUntilItEndsThenCancelNormalisesWhatStands) {
  test::PutCriteria(document, {"a", "b", "c"}, {9.0f, 4.5f, 1.2f});
  const auto before = s().sngWeight;
  StartRating(rating);
  ASSERT_TRUE(RateCurrentPair(document, rating, 0));  // b much more important than a
  // A backup taken now holds the last finished rating, which reads back.
  EXPECT_EQ(s().sngWeight, before);
  const QByteArray backup = WorkfileBytes(s(), WorkfileKind::Backup, platform);
  EXPECT_TRUE(ReadWorkfileContent(SplitLines(backup), 2, false));

  SettleRating(document, rating);  // as Cancel does: a and c have 3.33 of 6.67 each
  EXPECT_EQ(Names(), (QStringList{"b", "a", "c"}));
  EXPECT_EQ(Weights(), (std::vector<Single>{9.0f, 4.5f, 4.5f}));
}

TEST_F(RatingTest, CancelBeforeTheFirstPairNormalisesTheWeightsThatStood) {
  test::PutCriteria(document, {"a", "b"}, {3.0f, 6.0f});
  StartRating(rating);
  SettleRating(document, rating);
  EXPECT_EQ(Names(), (QStringList{"b", "a"}));
  EXPECT_EQ(Weights(), (std::vector<Single>{9.0f, 4.5f}));
}

TEST(TruncateWeights, SinglePrecisionJustBelowLosesATenth) {
  EXPECT_EQ(CutToOneDecimal(4.2f), 4.1f);  // held as 4.1999998
  EXPECT_EQ(CutToOneDecimal(4.3f), 4.3f);  // held as 4.3000002
  EXPECT_EQ(CutToOneDecimal(9.0f), 9.0f);
  EXPECT_EQ(CutToOneDecimal(0.49f), 0.4f);
}

}  // namespace
}  // namespace quillane
