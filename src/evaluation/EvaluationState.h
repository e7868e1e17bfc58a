#pragma once

#include <array>

#include "core/Session.h"

namespace quillane {

// The evaluation: the picked ideas, the rating on screen, every score with
// its weighted share, and the ranked results the reports and the plan write.
// Each pick replaces the ideas; New Session empties it.
struct EvaluationState {
  Integer nEvalIdeas = 0;
  TextList<kMaxIdeas> sEvalIdeas;
  Integer nEvalIdea = 0;
  Integer nEvalCrit = 0;
  std::array<std::array<Single, kMaxCriteria + 1>, kMaxIdeas + 1> sngScore{};
  std::array<std::array<double, kMaxCriteria + 1>, kMaxIdeas + 1> dblScoreW{};
  std::array<double, kMaxIdeas + 1> dblTotal{};
  std::array<Single, kMaxIdeas + 1> sngResultA{};  // weighted averages, then ranked
  std::array<Single, kMaxIdeas + 1> sngResultB{};  // the ranked results, best 9
  // An evaluation ran to its last rating and was ranked: its results are
  // there to show, report, plan and keep in the workfile.
  bool bRanked = false;

  bool operator==(const EvaluationState&) const = default;
};

}  // namespace quillane
