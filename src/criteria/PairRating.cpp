#include "criteria/PairRating.h"

#include <algorithm>

#include "criteria/Weights.h"

namespace quillane {

namespace {

// The run's weights become the session's.
void TakeRatedWeights(SessionContent& s, RatingState& r) {
  if (!r.bRating) return;
  std::copy_n(r.sngWeight.begin() + 1, s.nCriteria, s.sngWeight.begin() + 1);
  r.bRating = false;
}

}  // namespace

void StartRating(RatingState& r) {
  r.nRateA = 1;
  r.nRateB = 2;
  r.bRating = false;
}

bool RateCurrentPair(SessionContent& s, RatingState& r, int sliderValue) {
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
    TakeRatedWeights(s, r);
    NormaliseWeights(s);
    return false;
  }
  ++r.nRateA;
  r.nRateB = static_cast<Integer>(r.nRateA + 1);
  return true;
}

void SettleRating(SessionContent& s, RatingState& r) {
  TakeRatedWeights(s, r);
  if (s.sngWeight[1] != 0) NormaliseWeights(s);
}

}  // namespace quillane
