#pragma once

#include <QStringList>
#include <memory>

#include "core/Session.h"
#include "evaluation/Evaluation.h"
#include "evaluation/EvaluationState.h"
#include "support/Lists.h"

namespace quillane::test {

// Texts that trip a writer that forgets to quote or escape: separators,
// quotes, markup, lines that read as list items, headings or tables,
// blanks at the ends, and every alphabet.
inline const QStringList kAwkwardTexts = {
    QStringLiteral("He said \"yes\", then \"no\""),
    QStringLiteral("- not a list item"),
    QStringLiteral("1. not numbered"),
    QStringLiteral("# not a heading #"),
    QStringLiteral("> not a quote"),
    QStringLiteral("| not | a table |"),
    QStringLiteral("*stars* _under_ `code` ~strike~"),
    QStringLiteral("<b>tag</b> & &amp; &#65; entity"),
    QStringLiteral("  blanks at both ends  "),
    QStringLiteral("[link](http://example.org) ![image](x.png)"),
    QStringLiteral("back\\slash\\ and \\* escape"),
    QStringLiteral("=SUM(A1:A3); semi;colon"),
    QStringLiteral("---"),
    QStringLiteral("Zażółć gęślą jaźń"),
    QStringLiteral("Ελληνικά γράμματα"),
    QStringLiteral("Türkçe ığüşöç İ"),
    QStringLiteral("Čeština řeší ů"),
    QStringLiteral("עברית מימין"),
    QStringLiteral("Arrows → ⇒ ↔"),
    QStringLiteral("Emoji 😀🎉 count once"),
    QStringLiteral("中文的想法"),
    QStringLiteral("a,b,,c"),
};

// The awkward text of `number`, made distinct by the number.
inline QString AwkwardText(const QString& kind, int number) {
  const QString text = kAwkwardTexts[(number - 1) % kAwkwardTexts.size()];
  // Blanks at the ends stay at the ends.
  if (text.startsWith(QLatin1Char(' '))) return text + kind + QString::number(number) + QStringLiteral("  ");
  return text + QLatin1Char(' ') + kind + QString::number(number);
}

inline QStringList AwkwardTexts(const QString& kind, int count) {
  QStringList texts;
  for (int i = 1; i <= count; ++i) texts << AwkwardText(kind, i);
  return texts;
}

// A whole session at every list's capacity, its texts awkward, and an
// evaluation of the first `evaluated` ideas against every criterion.
struct ExportSession {
  std::unique_ptr<SessionContent> content = std::make_unique<SessionContent>();
  std::unique_ptr<EvaluationState> evaluation = std::make_unique<EvaluationState>();

  explicit ExportSession(int evaluated = 150, int criteria = kMaxCriteria) {
    SessionContent& s = *content;
    s.sGoal = QStringLiteral("A \"quoted\", goal # with <markup> | Ζ 😀");
    Fill(s.sCriteria, s.nCriteria, AwkwardTexts(QStringLiteral("c"), criteria));
    for (int i = 1; i <= criteria; ++i)
      s.sngWeight[static_cast<std::size_t>(i)] = static_cast<Single>((i * 37 % 91) / 10.0);
    Fill(s.sTAssets, s.nTAssets, AwkwardTexts(QStringLiteral("t"), kMaxAssets));
    Fill(s.sIAssets, s.nIAssets, AwkwardTexts(QStringLiteral("i"), kMaxAssets));
    Fill(s.sIdeas, s.nIdeas, AwkwardTexts(QStringLiteral("idea"), kMaxIdeas));
    if (evaluated == 0) return;
    EvaluationState& e = *evaluation;
    Fill(e.sEvalIdeas, e.nEvalIdeas, Texts(s.sIdeas, evaluated));
    StartEvaluation(e);
    while (RecordRating(s, e, RatingOf(e.nEvalIdea, e.nEvalCrit))) {
    }
  }

  // The rating given to picked idea `idea` on criterion `criterion`.
  static int RatingOf(int idea, int criterion) { return (idea * 7 + criterion * 3) % 10; }
};

}  // namespace quillane::test
