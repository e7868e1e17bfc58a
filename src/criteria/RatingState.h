#pragma once

#include <array>

#include "core/Session.h"

namespace quillane {

// The pairwise rating of the criteria in progress: the share one comparison
// hands out, the pair on screen and the weights rated so far. Rate starts a
// run afresh at its first pair; New Session empties it.
//
// The weights of a run stay here until the run ends (after its last pair,
// or at Cancel), so the session, and any backup of it, only ever holds
// weights that are normalised to 0..9.
struct RatingState {
  double vRating = 0;  // the share one comparison hands out; 0 until the first pair
  Integer nRateA = 0;
  Integer nRateB = 0;
  std::array<Single, kMaxCriteria + 1> sngWeight{};  // slot i for criterion i, while bRating
  Flag bRating = false;                              // a pair of this run has been rated

  bool operator==(const RatingState&) const = default;
};

}  // namespace quillane
