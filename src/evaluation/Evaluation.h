#pragma once

#include "core/Session.h"

namespace quillane {

// Rating the picked ideas against every criterion, criteria inside ideas.

// Puts the first rating on screen: idea 1 against criterion 1.
void StartEvaluation(Session& session);

// Records the slider's value for the idea and criterion on screen and moves
// on. Returns false after the last rating, with the ranking made.
bool RecordRating(Session& session, int sliderValue);

// Ranks the ideas by their weighted average, best first, and scales the
// results so the best scores 9, cut to one decimal. When every average is 0
// the results are all 0 and the ideas keep the order the sort gives them.
void RankEvaluatedIdeas(Session& session);

}  // namespace quillane
