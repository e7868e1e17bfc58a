#include <QStringList>

#include "reports/ExportFormats.h"
#include "reports/ExportView.h"
#include "resources/ExchangeTexts.h"
#include "resources/Texts.h"

namespace quillane {

namespace {

// Inline text that CommonMark reads back as exactly `text`. Characters
// that start markup anywhere are escaped; so is a first character that would
// make a line a heading, list or quote, and the dot or parenthesis after
// leading digits (a numbered list). Blanks at either end, which a reader
// drops, are written as character references.
QString Inline(const QString& text) {
  static const QString kAnywhere = QStringLiteral("\\`*_[]<>|~&#");
  static const QString kAtStart = QStringLiteral("-+=");
  qsizetype first = 0;
  while (first < text.size() && text[first] == QLatin1Char(' ')) ++first;
  qsizetype last = text.size();
  while (last > first && text[last - 1] == QLatin1Char(' ')) --last;
  qsizetype digits = first;
  while (digits < last && text[digits].unicode() < 0x80 && text[digits].isDigit()) ++digits;
  QString out;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (i < first || i >= last) {
      out += c == QLatin1Char(' ') ? QStringLiteral("&#32;") : QString(c);
      continue;
    }
    const bool escape = kAnywhere.contains(c) || (i == first && kAtStart.contains(c)) ||
                        (i == digits && i > first && (c == QLatin1Char('.') || c == QLatin1Char(')')));
    if (escape) out += QLatin1Char('\\');
    out += c;
  }
  return out;
}

QString Row(const QStringList& cells) {
  return QStringLiteral("| ") + cells.join(QStringLiteral(" | ")) + QStringLiteral(" |\n");
}

QString Heading(int number) {
  return QStringLiteral("\n## ") + Inline(Text(number)) + QStringLiteral("\n\n");
}

QString List(const QStringList& entries) {
  QString out;
  for (const QString& entry : entries) out += QStringLiteral("- ") + Inline(entry) + QLatin1Char('\n');
  return out;
}

}  // namespace

QByteArray MarkdownExport(const ExportView& view, const QString& decimalPoint) {
  using namespace exchange;
  QString out = QStringLiteral("# ") + Inline(view.goal) + QLatin1Char('\n');

  out += Heading(kCriteria);
  out += Row({Inline(Text(kCriterion)), Inline(Text(kWeight))});
  out += Row({QStringLiteral("---"), QStringLiteral("---:")});
  for (const ExportView::Criterion& c : view.criteria) {
    out += Row({Inline(c.name), ExportNumber(c.weight, decimalPoint)});
  }

  out += Heading(kTangibles) + List(view.tangibles);
  out += Heading(kIntangibles) + List(view.intangibles);
  out += Heading(kIdeas) + List(view.ideas);
  if (!view.evaluated) return out.toUtf8();

  out += Heading(kRanking);
  QStringList header{Inline(Text(kRank)), Inline(Text(kIdea)), Inline(Text(kResult))};
  QStringList alignment{QStringLiteral("---:"), QStringLiteral("---"), QStringLiteral("---:")};
  for (const ExportView::Criterion& c : view.criteria) {
    header << Inline(c.name);
    alignment << QStringLiteral("---:");
  }
  out += Row(header) + Row(alignment);
  int rank = 0;
  for (const ExportView::RankedIdea& idea : view.ranking) {
    QStringList cells{QString::number(++rank), Inline(idea.idea), ExportNumber(idea.result, decimalPoint)};
    for (std::size_t c = 0; c < view.criteria.size(); ++c) {
      cells << (c < idea.ratings.size() ? ExportNumber(idea.ratings[c], decimalPoint) : QString());
    }
    out += Row(cells);
  }
  return out.toUtf8();
}

}  // namespace quillane
