#pragma once

#include "core/Session.h"

namespace quillane {

// The pairwise rating of the criteria in progress: the share one comparison
// hands out and the pair on screen. Rate starts a run afresh at its first
// pair; New Session empties it.
struct RatingState {
  double vRating = 0;  // the share one comparison hands out; 0 until the first pair
  Integer nRateA = 0;
  Integer nRateB = 0;

  bool operator==(const RatingState&) const = default;
};

}  // namespace quillane
