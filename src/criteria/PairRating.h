#pragma once

#include "criteria/RatingState.h"

namespace quillane {

class SessionDocument;

// The pairwise rating of the criteria: each comparison hands out one share
// of weight between the two criteria on screen.

// Puts the first pair on screen: nRateA 1, nRateB 2. Nothing is rated yet.
void StartRating(RatingState& rating);

// Rates the pair on screen with the slider's value (0 much less .. 10 much
// more important) and moves to the next pair. Returns false after the last
// pair, when the run's weights have become the session's, normalised.
bool RateCurrentPair(SessionDocument& document, RatingState& rating, int sliderValue);

// Ends the Rate page (its OK or Cancel): the weights as they stand, those of
// a run cut short included, are normalised into the session, unless there
// are none (the first weight is 0).
void SettleRating(SessionDocument& document, RatingState& rating);

}  // namespace quillane
