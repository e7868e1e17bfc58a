#pragma once

#include <QFontMetricsF>
#include <QString>
#include <vector>

#include "reports/LineWriter.h"

namespace quillane {

// Where the items of report lines stand on a printed page, measured with the
// printer font as it is drawn. A column is the font's measured advance per
// character, so the columns of a fixed-pitch font line up with its
// characters; with a proportional font (a fallback the system chose) the
// same rules keep items from printing over each other.
class PrinterLayout {
 public:
  // One piece of text on one printed row.
  struct Run {
    double x = 0;
    QString text;
  };
  using Row = std::vector<Run>;

  PrinterLayout(const QFontMetricsF& metrics, double pageWidth);

  double columnWidth() const { return columnWidth_; }
  // Where column `column` (from 1) starts, from the left edge of the page.
  double ColumnX(int column) const { return (column - 1) * columnWidth_; }
  // True when what `line` holds, as drawn, already reaches into `column`:
  // the next item then starts a new line.
  bool Reaches(const ReportLine& line, int column) const;
  // The printed rows of one report line. A text too long for the page
  // continues on the next row at its own column, broken after a blank where
  // it can be; no character is lost.
  std::vector<Row> Rows(const ReportLine& line) const;

 private:
  double EndX(const ReportLine::Item& item) const;
  // The longest start of `text` that fits in `width`, at least one character.
  qsizetype FittingLength(const QString& text, double width) const;

  QFontMetricsF metrics_;
  double pageWidth_;
  double columnWidth_ = 1;
};

}  // namespace quillane
