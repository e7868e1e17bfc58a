#include "criteria/PairRating.h"

#include <algorithm>

#include "core/SessionDocument.h"
#include "criteria/Weights.h"

namespace quillane {

namespace {

// The session's weights with those of the run, where a pair of it has been
// rated, in their place; the run then is over.
WeightList TakeRatedWeights(const SessionContent& s, RatingState& r) {
  WeightList weights = s.sngWeight;
  if (!r.bRating) return weights;
  std::copy_n(r.sngWeight.begin() + 1, s.nCriteria, weights.begin() + 1);
  r.bRating = false;
  return weights;
}

// Hands the weights, normalised when `normalise` says so, and the order of
// the criteria they give to the session; only what differs is written.
void StoreWeights(SessionDocument& document, WeightList weights, bool normalise) {
  const SessionContent& s = document.content();
  TextList<kMaxCriteria> names = s.sCriteria;
  if (normalise) NormaliseWeights(weights, names, s.nCriteria);
  if (names != s.sCriteria || weights != s.sngWeight) document.SetRatedCriteria(names, weights);
}

}  // namespace

void StartRating(RatingState& r) {
  r.nRateA = 1;
  r.nRateB = 2;
  r.bRating = false;
}

bool RateCurrentPair(SessionDocument& document, RatingState& r, int sliderValue) {
  const SessionContent& s = document.content();
  if (r.nRateA == 1 && r.nRateB == 2) {
    // Every run starts from equal weights.
    r.vRating = (1.0 / s.nCriteria) * 10.0;
    for (int i = 1; i <= s.nCriteria; ++i)
      r.sngWeight[static_cast<std::size_t>(i)] = static_cast<Single>(r.vRating);
    r.bRating = true;
  }
  const double share = sliderValue / 10.0;
  Single& weightA = r.sngWeight[static_cast<std::size_t>(r.nRateA)];
  Single& weightB = r.sngWeight[static_cast<std::size_t>(r.nRateB)];
  weightA = static_cast<Single>(static_cast<double>(weightA) + r.vRating * share);
  weightB = static_cast<Single>(static_cast<double>(weightB) + r.vRating * (1.0 - share));
  if (r.nRateB + 1 <= s.nCriteria) {
    ++r.nRateB;
    return true;
  }
  if (r.nRateA + 1 > s.nCriteria - 1) {
    StoreWeights(document, TakeRatedWeights(s, r), true);
    return false;
  }
  ++r.nRateA;
  r.nRateB = static_cast<Integer>(r.nRateA + 1);
  return true;
}

void SettleRating(SessionDocument& document, RatingState& r) {
  const WeightList weights = TakeRatedWeights(document.content(), r);
  StoreWeights(document, weights, weights[1] != 0);
}

}  // namespace quillane
