#pragma once

#include <vector>

#include "core/Session.h"
#include "evaluation/EvaluationState.h"

namespace quillane {

// Rating the picked ideas against every criterion, criteria inside ideas.

// Puts the first rating on screen: idea 1 against criterion 1.
void StartEvaluation(EvaluationState& evaluation);

// Records the slider's value for the idea and criterion on screen, weighted
// by the content's criteria, and moves on. Returns false after the last
// rating, with the ranking made.
bool RecordRating(const SessionContent& content, EvaluationState& evaluation, int sliderValue);

// Ranks the ideas by their weighted average, best first, and scales the
// results so the best scores 9, cut to one decimal. When every average is 0
// the results are all 0 and the ideas keep the order the sort gives them.
void RankEvaluatedIdeas(EvaluationState& evaluation);

// For each ranked idea, best first, the row of its ratings (`sngScore`),
// which stay in the order the ideas were picked: the ranking is made again
// from the kept totals. Empty when the evaluation is not ranked, or when its
// totals no longer give its ranking (the criteria changed since).
std::vector<int> RankedRatingRows(const SessionContent& content, const EvaluationState& evaluation);

}  // namespace quillane
