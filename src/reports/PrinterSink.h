#pragma once

#include <QFont>
#include <QPainter>
#include <optional>

#include "reports/LineWriter.h"
#include "reports/PrinterLayout.h"

class QPagedPaintDevice;

namespace quillane {

// Prints lines on the pages of one print job, in the system's fixed-pitch
// font unless another is given. Columns and the new-line rule come from the
// font as it is drawn (PrinterLayout); a line that does not fit on the page
// starts the next one.
class PrinterSink : public LineSink {
 public:
  PrinterSink(QPagedPaintDevice& device, int pointSize, std::optional<QFont> font = std::nullopt);

  // False when the device could not be painted on (no printer, a PDF that
  // cannot be written): lines are then dropped.
  bool printing() const { return painter_.isActive(); }
  void WriteLine(const ReportLine& line) override;
  bool Reaches(const ReportLine& line, int column) const override { return layout_.Reaches(line, column); }
  // Ends the job, so the last page is printed. False when it failed.
  bool Finish();

  const QFont& font() const { return font_; }
  const PrinterLayout& layout() const { return layout_; }
  // Every row printed so far, in order, for a look at what the pages hold.
  const std::vector<PrinterLayout::Row>& printedRows() const { return printedRows_; }

 private:
  int LinesPerPage() const;

  QPagedPaintDevice& device_;
  QPainter painter_;
  QFont font_;
  PrinterLayout layout_;
  double lineHeight_ = 1;
  double ascent_ = 0;
  int linesOnPage_ = 0;
  std::vector<PrinterLayout::Row> printedRows_;
};

}  // namespace quillane
