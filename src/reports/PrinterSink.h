#pragma once

#include <QFont>
#include <QPainter>

#include "reports/LineWriter.h"

class QPagedPaintDevice;

namespace quillane {

// Prints lines on the pages of one print job in a fixed-pitch font, so a
// column is one average character width and the columns of all lines line
// up. A line that does not fit on the page starts the next one.
class PrinterSink : public LineSink {
 public:
  PrinterSink(QPagedPaintDevice& device, int pointSize);

  // False when the device could not be painted on (no printer, a PDF that
  // cannot be written): lines are then dropped.
  bool printing() const { return painter_.isActive(); }
  void WriteLine(const ReportLine& line) override;
  // Ends the job, so the last page is printed. False when it failed.
  bool Finish();

  const QFont& font() const { return font_; }
  // Where column `column` starts, from the left edge of the printable area.
  double ColumnX(int column) const { return (column - 1) * columnWidth_; }

 private:
  int LinesPerPage() const;

  QPagedPaintDevice& device_;
  QPainter painter_;
  QFont font_;
  double columnWidth_ = 0;
  double lineHeight_ = 1;
  double ascent_ = 0;
  int linesOnPage_ = 0;
};

}  // namespace quillane
