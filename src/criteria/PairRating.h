#pragma once

#include "core/Session.h"
#include "criteria/RatingState.h"

namespace quillane {

// The pairwise rating of the criteria: each comparison hands out one share
// of weight between the two criteria on screen.

// Puts the first pair on screen: nRateA 1, nRateB 2.
void StartRating(RatingState& rating);

// Rates the pair on screen with the slider's value (0 much less .. 10 much
// more important) and moves to the next pair. Returns false after the last
// pair, with the weights normalised.
bool RateCurrentPair(SessionContent& content, RatingState& rating, int sliderValue);

}  // namespace quillane
