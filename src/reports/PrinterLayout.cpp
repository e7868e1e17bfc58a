#include "reports/PrinterLayout.h"

#include <algorithm>

namespace quillane {

namespace {

// A run of the characters reports are made of; its advance per character is
// the column width.
const QString kMeasuringRun =
    QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 .,:");

// Text ending within this fraction of a column before a column's start
// counts as not reaching it, so rounding never pushes an item down.
constexpr double kTolerance = 0.05;

}  // namespace

PrinterLayout::PrinterLayout(const QFontMetricsF& metrics, double pageWidth)
    : metrics_(metrics), pageWidth_(pageWidth) {
  columnWidth_ = std::max(1e-6, metrics_.horizontalAdvance(kMeasuringRun) / kMeasuringRun.size());
}

double PrinterLayout::EndX(const ReportLine::Item& item) const {
  return ColumnX(item.column) + metrics_.horizontalAdvance(item.text);
}

bool PrinterLayout::Reaches(const ReportLine& line, int column) const {
  if (line.items.empty()) return false;
  // The character count decides too, so a narrow font never pulls in more
  // than the text file holds on one line.
  if (line.Length() >= column) return true;
  return EndX(line.items.back()) > ColumnX(column) + kTolerance * columnWidth_;
}

qsizetype PrinterLayout::FittingLength(const QString& text, double width) const {
  qsizetype fits = 1;
  while (fits < text.size() && metrics_.horizontalAdvance(text.left(fits + 1)) <= width) ++fits;
  // Never half a character: an emoji is two UTF-16 units.
  if (fits < text.size() && text[fits - 1].isHighSurrogate()) ++fits;
  if (fits >= text.size()) return fits;
  // Break after the last blank that fits, when there is one.
  const qsizetype blank = text.lastIndexOf(QLatin1Char(' '), fits - 1);
  return blank > 0 ? blank + 1 : fits;
}

std::vector<PrinterLayout::Row> PrinterLayout::Rows(const ReportLine& line) const {
  std::vector<Row> rows(1);
  for (const ReportLine::Item& item : line.items) {
    const double x = ColumnX(item.column);
    QString rest = item.text;
    std::size_t row = 0;
    while (!rest.isEmpty()) {
      if (rows.size() <= row) rows.emplace_back();
      const double room = pageWidth_ - x;
      const qsizetype length =
          metrics_.horizontalAdvance(rest) <= room ? rest.size() : FittingLength(rest, room);
      rows[row].push_back({x, rest.left(length)});
      rest = rest.mid(length);
      ++row;
    }
  }
  return rows;
}

}  // namespace quillane
