// The random draws of AutoSuggest and the pairings, on scripted numbers.
#include <gtest/gtest.h>

#include <initializer_list>
#include <stdexcept>

#include "core/Session.h"
#include "ideas/PairingState.h"
#include "ideas/RandomDraws.h"
#include "ideas/SuggestionState.h"
#include "support/Lists.h"
#include "support/ScriptedPlatform.h"

namespace quillane {
namespace {

using test::Fill;

// A draw that wants more numbers than scripted fails instead of looping on.
struct StrictPlatform : test::ScriptedPlatform {
  double Random() override {
    if (randoms.empty()) throw std::runtime_error("more random numbers drawn than scripted");
    return ScriptedPlatform::Random();
  }
};

class RandomDrawsTest : public ::testing::Test {
 protected:
  StrictPlatform platform;
  SessionContent s;
  SuggestionState words;
  PairingState pairs;

  void Script(std::initializer_list<double> numbers) { platform.randoms.assign(numbers); }
  void TearDown() override { EXPECT_TRUE(platform.randoms.empty()) << "scripted numbers left unused"; }
};

TEST_F(RandomDrawsTest, ASuggestionChangesBothWordsUnlessAListHoldsOne) {
  EXPECT_EQ(DrawIndex(0.34, 3), 2);
  EXPECT_EQ(DrawIndex(0.9999999999999999, 71), 71);
  Fill(words.sActions, words.nActions, {"Paint", "Fold"});
  Fill(words.sObjects, words.nObjects, {"the door", "the roof"});
  Script({0.0, 0.0});
  EXPECT_EQ(DrawSuggestion(words, platform), QStringLiteral("Paint the door"));
  // (1, 2) keeps the action and (2, 1) the object: both are drawn again.
  Script({0.0, 0.9, 0.9, 0.0, 0.9, 0.9});
  EXPECT_EQ(DrawSuggestion(words, platform), QStringLiteral("Fold the roof"));

  Fill(words.sActions, words.nActions, {"Paint"});
  Fill(words.sObjects, words.nObjects, {"a", "b", "c", "d", "e"});
  Script({0.0, 0.5, 0.0, 0.5});
  EXPECT_EQ(DrawSuggestion(words, platform), QStringLiteral("Paint c"));
  EXPECT_EQ(DrawSuggestion(words, platform), QStringLiteral("Paint c")) << "the same pair may come twice";
  EXPECT_EQ(words.nSuggestPrevA, 1);
  EXPECT_EQ(words.nSuggestPrevB, 3);
}

TEST_F(RandomDrawsTest, TangibleWithIntangibleOpensOnDifferentIndexesButTheButtonMayShowEqualOnes) {
  Fill(s.sTAssets, s.nTAssets, {"bike", "helmet"});
  Fill(s.sIAssets, s.nIAssets, {"speed", "trust"});
  pairs.nPairPrevA = pairs.nPairPrevB = 2;
  Script({0.0, 0.0, 0.5, 0.0});
  ASSERT_TRUE(DrawOpeningPair(s, pairs, platform, Pairing::TangibleIntangible));
  EXPECT_EQ(PairText(s, pairs, Pairing::TangibleIntangible), QStringLiteral("helmet\rspeed"));
  EXPECT_EQ(pairs.nPairPrevA + pairs.nPairPrevB, 0);
  Script({0.0, 0.0, 0.5, 0.0, 0.5, 0.5});  // (2, 1) keeps the intangible of (1, 1)
  DrawNextPair(s, pairs, platform, Pairing::TangibleIntangible);
  EXPECT_EQ(PairText(s, pairs, Pairing::TangibleIntangible), QStringLiteral("bike\rspeed"));
  DrawNextPair(s, pairs, platform, Pairing::TangibleIntangible);
  EXPECT_EQ(PairText(s, pairs, Pairing::TangibleIntangible), QStringLiteral("helmet\rtrust"));
}

TEST_F(RandomDrawsTest, TwoTangiblesNeverPairWithThemselvesAndTheSecondPressTurnsThePair) {
  Fill(s.sTAssets, s.nTAssets, {"bike", "helmet"});
  // Opening (1, 1) (1, 2); first press (2, 2) (1, 2); second press (1, 2) (2, 2) (2, 1).
  Script({0.0, 0.0, 0.0, 0.5, 0.5, 0.5, 0.0, 0.5, 0.0, 0.5, 0.5, 0.5, 0.5, 0.0});
  ASSERT_TRUE(DrawOpeningPair(s, pairs, platform, Pairing::TangibleTangible));
  EXPECT_EQ(PairText(s, pairs, Pairing::TangibleTangible), QStringLiteral("bike\rhelmet"));
  DrawNextPair(s, pairs, platform, Pairing::TangibleTangible);
  EXPECT_EQ(PairText(s, pairs, Pairing::TangibleTangible), QStringLiteral("bike\rhelmet"))
      << "opening pair again";
  DrawNextPair(s, pairs, platform, Pairing::TangibleTangible);
  EXPECT_EQ(PairText(s, pairs, Pairing::TangibleTangible), QStringLiteral("helmet\rbike"));
}

TEST_F(RandomDrawsTest, TooFewAssetsDrawNothingOrStopAtTheFirstAttempt) {
  Fill(s.sTAssets, s.nTAssets, {"bike"});
  Fill(s.sIAssets, s.nIAssets, {"speed", "trust", "fun"});
  pairs.nPairA = 7;
  EXPECT_FALSE(DrawOpeningPair(s, pairs, platform, Pairing::TangibleIntangible));
  EXPECT_FALSE(DrawNextPair(s, pairs, platform, Pairing::TangibleTangible));
  EXPECT_EQ(pairs.nPairA, 7);
  pairs.nPairPrevA = 1;
  pairs.nPairPrevB = 2;
  Script({0.0, 0.5});
  EXPECT_TRUE(DrawNextPair(s, pairs, platform, Pairing::TangibleIntangible));
  EXPECT_EQ(PairText(s, pairs, Pairing::TangibleIntangible), QStringLiteral("bike\rtrust"));
  EXPECT_EQ(pairs.nPairPrevB, 2) << "not remembered";
}

}  // namespace
}  // namespace quillane
