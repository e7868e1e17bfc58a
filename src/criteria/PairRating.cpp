#include "criteria/PairRating.h"

#include "criteria/Weights.h"

namespace quillane {

void StartRating(RatingState& r) {
  r.nRateA = 1;
  r.nRateB = 2;
}

bool RateCurrentPair(SessionContent& s, RatingState& r, int sliderValue) {
  if (r.nRateA == 1 && r.nRateB == 2) {
    // Every run starts from equal weights.
    r.vRating = (1.0 / s.nCriteria) * 10.0;
    for (int i = 1; i <= s.nCriteria; ++i) s.sngWeight[i] = static_cast<Single>(r.vRating);
  }
  const double share = sliderValue / 10.0;
  s.sngWeight[r.nRateA] = static_cast<Single>(static_cast<double>(s.sngWeight[r.nRateA]) + r.vRating * share);
  s.sngWeight[r.nRateB] =
      static_cast<Single>(static_cast<double>(s.sngWeight[r.nRateB]) + r.vRating * (1.0 - share));
  if (r.nRateB + 1 <= s.nCriteria) {
    ++r.nRateB;
    return true;
  }
  if (r.nRateA + 1 > s.nCriteria - 1) {
    NormaliseWeights(s);
    return false;
  }
  ++r.nRateA;
  r.nRateB = static_cast<Integer>(r.nRateA + 1);
  return true;
}

}  // namespace quillane
