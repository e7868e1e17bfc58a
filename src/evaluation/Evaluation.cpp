#include "evaluation/Evaluation.h"

#include "criteria/Weights.h"

namespace quillane {

void StartEvaluation(Session& s) {
  s.nEvalIdea = 1;
  s.nEvalCrit = 1;
}

bool RecordRating(Session& s, int sliderValue) {
  const auto k = static_cast<std::size_t>(s.nEvalIdea);
  const auto c = static_cast<std::size_t>(s.nEvalCrit);
  s.sngScore[k][c] = static_cast<Single>(sliderValue);
  if (c == 1) s.dblTotal[k] = 0;
  s.dblScoreW[k][c] = static_cast<double>(s.sngWeight[c]) / 9.0 * static_cast<double>(s.sngScore[k][c]);
  s.dblTotal[k] += s.dblScoreW[k][c];
  s.sngResultA[k] = static_cast<Single>(s.dblTotal[k] / s.nCriteria);
  if (s.nEvalCrit + 1 <= s.nCriteria) {
    ++s.nEvalCrit;
    return true;
  }
  s.nEvalCrit = 1;
  if (s.nEvalIdea + 1 > s.nEvalIdeas) {
    RankEvaluatedIdeas(s);
    return false;
  }
  ++s.nEvalIdea;
  return true;
}

void RankEvaluatedIdeas(Session& s) {
  SortByKeyDescending(s.sngResultA, s.sEvalIdeas, s.nEvalIdeas);
  const double best = s.sngResultA[1];
  for (int i = 1; i <= s.nEvalIdeas; ++i) {
    const auto slot = static_cast<std::size_t>(i);
    // With every rating 0 there is nothing to scale against: all results are 0.
    const Single relative =
        best > 0 ? static_cast<Single>(static_cast<double>(s.sngResultA[slot]) / best * 9.0) : 0.0f;
    s.sngResultB[slot] = CutToOneDecimal(relative);
  }
}

}  // namespace quillane
