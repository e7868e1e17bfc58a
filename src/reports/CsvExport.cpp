#include <QStringList>

#include "reports/ExportFormats.h"
#include "reports/ExportView.h"
#include "resources/ExchangeTexts.h"
#include "resources/Texts.h"

namespace quillane {

namespace {

// A field in quotes when it holds a separator, a quote or a line end, its
// quotes doubled; blanks at either end are kept in quotes too.
QString Field(const QString& text) {
  const bool quote = text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"')) ||
                     text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n')) ||
                     text.startsWith(QLatin1Char(' ')) || text.endsWith(QLatin1Char(' '));
  if (!quote) return text;
  QString quoted = text;
  quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
  return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString Record(const QStringList& fields) {
  QStringList out;
  for (const QString& field : fields) out << Field(field);
  return out.join(QLatin1Char(',')) + QStringLiteral("\r\n");
}

}  // namespace

QByteArray CsvExport(const ExportView& view, const QString& decimalPoint) {
  using namespace exchange;
  QStringList header{Text(kRank), Text(kIdea), Text(kResult)};
  QStringList weights{QString(), Text(kWeight), QString()};
  for (const ExportView::Criterion& c : view.criteria) {
    header << c.name;
    weights << ExportNumber(c.weight, decimalPoint);
  }
  QString out = Record(header) + Record(weights);
  int rank = 0;
  for (const ExportView::RankedIdea& idea : view.ranking) {
    QStringList row{QString::number(++rank), idea.idea, ExportNumber(idea.result, decimalPoint)};
    for (std::size_t c = 0; c < view.criteria.size(); ++c) {
      row << (c < idea.ratings.size() ? ExportNumber(idea.ratings[c], decimalPoint) : QString());
    }
    out += Record(row);
  }

  out += QStringLiteral("\r\n") + Record({Text(kGoal), view.goal});
  for (const QString& asset : view.tangibles) out += Record({Text(kTangible), asset});
  for (const QString& asset : view.intangibles) out += Record({Text(kIntangible), asset});
  for (const QString& idea : view.ideas) out += Record({Text(kIdea), idea});
  return QByteArray("\xEF\xBB\xBF") + out.toUtf8();
}

}  // namespace quillane
