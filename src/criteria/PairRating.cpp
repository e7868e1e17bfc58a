#include "criteria/PairRating.h"

#include "criteria/Weights.h"

namespace quillane {

void StartRating(Session& s) {
  s.nRateA = 1;
  s.nRateB = 2;
}

bool RateCurrentPair(Session& s, int sliderValue) {
  if (s.nRateA == 1 && s.nRateB == 2) {
    // Every run starts from equal weights.
    s.vRating = (1.0 / s.nCriteria) * 10.0;
    for (int i = 1; i <= s.nCriteria; ++i) s.sngWeight[i] = static_cast<Single>(s.vRating);
  }
  const double share = sliderValue / 10.0;
  s.sngWeight[s.nRateA] = static_cast<Single>(static_cast<double>(s.sngWeight[s.nRateA]) + s.vRating * share);
  s.sngWeight[s.nRateB] =
      static_cast<Single>(static_cast<double>(s.sngWeight[s.nRateB]) + s.vRating * (1.0 - share));
  if (s.nRateB + 1 <= s.nCriteria) {
    ++s.nRateB;
    return true;
  }
  if (s.nRateA + 1 > s.nCriteria - 1) {
    NormaliseWeights(s);
    return false;
  }
  ++s.nRateA;
  s.nRateB = static_cast<Integer>(s.nRateA + 1);
  return true;
}

}  // namespace quillane
