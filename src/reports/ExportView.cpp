#include "reports/ExportView.h"

#include "evaluation/Evaluation.h"
#include "evaluation/EvaluationState.h"

namespace quillane {

namespace {

template <std::size_t Size>
QStringList ListOf(const std::array<QString, Size>& list, int count) {
  QStringList entries;
  for (int i = 1; i <= count && static_cast<std::size_t>(i) < Size; ++i) {
    entries << list[static_cast<std::size_t>(i)];
  }
  return entries;
}

}  // namespace

ExportView MakeExportView(const SessionContent& s, const EvaluationState& e) {
  ExportView view;
  view.goal = s.sGoal;
  for (int i = 1; i <= s.nCriteria && i <= kMaxCriteria; ++i) {
    const auto at = static_cast<std::size_t>(i);
    view.criteria.push_back({s.sCriteria[at], s.sngWeight[at]});
  }
  view.tangibles = ListOf(s.sTAssets, s.nTAssets);
  view.intangibles = ListOf(s.sIAssets, s.nIAssets);
  view.ideas = ListOf(s.sIdeas, s.nIdeas);
  view.ideaResults.assign(static_cast<std::size_t>(view.ideas.size()), std::nullopt);
  if (!e.bRanked) return view;

  view.evaluated = true;
  const std::vector<int> rows = RankedRatingRows(s, e);
  for (int i = 1; i <= e.nEvalIdeas && i <= kMaxIdeas; ++i) {
    const auto at = static_cast<std::size_t>(i);
    ExportView::RankedIdea ranked{e.sEvalIdeas[at], e.sngResultB[at], {}};
    if (!rows.empty()) {
      const auto row = static_cast<std::size_t>(rows[at - 1]);
      for (std::size_t c = 1; c <= view.criteria.size(); ++c) ranked.ratings.push_back(e.sngScore[row][c]);
    }
    // The idea of the list it was picked from: the first of that text without a result yet.
    for (qsizetype k = 0; k < view.ideas.size(); ++k) {
      auto& result = view.ideaResults[static_cast<std::size_t>(k)];
      if (!result && view.ideas[k] == ranked.idea) {
        result = ranked.result;
        break;
      }
    }
    view.ranking.push_back(std::move(ranked));
  }
  return view;
}

QString ExportNumber(Single value, const QString& decimalPoint) {
  // Weights and results hold one decimal at most, ratings none.
  QString text = QString::number(static_cast<double>(value), 'f', 1);
  if (text.endsWith(QStringLiteral(".0"))) text.chop(2);
  return text.replace(QLatin1Char('.'), decimalPoint);
}

QString RatingsText(const ExportView::RankedIdea& idea) {
  QStringList ratings;
  for (Single rating : idea.ratings) ratings << ExportNumber(rating);
  return ratings.join(QLatin1Char(' '));
}

QString XmlSafeText(const QString& text) {
  QString safe;
  safe.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
      safe += c;
      safe += text[++i];
    } else if (c.isSurrogate() || (c.unicode() < 0x20 && c != QLatin1Char('\t')) || c.unicode() == 0xFFFE ||
               c.unicode() == 0xFFFF) {
      safe += QChar::ReplacementCharacter;
    } else {
      safe += c;
    }
  }
  return safe;
}

}  // namespace quillane
