#include "evaluation/Evaluation.h"

#include <QString>

#include "criteria/Weights.h"

namespace quillane {

void StartEvaluation(EvaluationState& e) {
  e.nEvalIdea = 1;
  e.nEvalCrit = 1;
}

bool RecordRating(const SessionContent& s, EvaluationState& e, int sliderValue) {
  const auto k = static_cast<std::size_t>(e.nEvalIdea);
  const auto c = static_cast<std::size_t>(e.nEvalCrit);
  e.sngScore[k][c] = static_cast<Single>(sliderValue);
  if (c == 1) e.dblTotal[k] = 0;
  e.dblScoreW[k][c] = static_cast<double>(s.sngWeight[c]) / 9.0 * static_cast<double>(e.sngScore[k][c]);
  e.dblTotal[k] += e.dblScoreW[k][c];
  e.sngResultA[k] = static_cast<Single>(e.dblTotal[k] / s.nCriteria);
  if (e.nEvalCrit + 1 <= s.nCriteria) {
    ++e.nEvalCrit;
    return true;
  }
  e.nEvalCrit = 1;
  if (e.nEvalIdea + 1 > e.nEvalIdeas) {
    RankEvaluatedIdeas(e);
    return false;
  }
  ++e.nEvalIdea;
  return true;
}

void RankEvaluatedIdeas(EvaluationState& e) {
  SortByKeyDescending(e.sngResultA, e.sEvalIdeas, e.nEvalIdeas);
  const double best = e.sngResultA[1];
  for (int i = 1; i <= e.nEvalIdeas; ++i) {
    const auto slot = static_cast<std::size_t>(i);
    // With every rating 0 there is nothing to scale against: all results are 0.
    const Single relative =
        best > 0 ? static_cast<Single>(static_cast<double>(e.sngResultA[slot]) / best * 9.0) : 0.0f;
    e.sngResultB[slot] = CutToOneDecimal(relative);
  }
  e.bRanked = true;
}

std::vector<int> RankedRatingRows(const SessionContent& s, const EvaluationState& e) {
  if (!e.bRanked || e.nEvalIdeas < 1 || e.nEvalIdeas > kMaxIdeas || s.nCriteria < 1) return {};
  // The same keys and the same sort as the ranking, with the rows as names.
  std::array<Single, kMaxIdeas + 1> keys{};
  TextList<kMaxIdeas> rows;
  for (int k = 1; k <= e.nEvalIdeas; ++k) {
    const auto at = static_cast<std::size_t>(k);
    keys[at] = static_cast<Single>(e.dblTotal[at] / s.nCriteria);
    rows[at] = QString::number(k);
  }
  SortByKeyDescending(keys, rows, e.nEvalIdeas);
  std::vector<int> ranked;
  for (int i = 1; i <= e.nEvalIdeas; ++i) {
    const auto at = static_cast<std::size_t>(i);
    if (keys[at] != e.sngResultA[at]) return {};
    ranked.push_back(rows[at].toInt());
  }
  return ranked;
}

}  // namespace quillane
