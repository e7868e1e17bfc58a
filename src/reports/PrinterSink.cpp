#include "reports/PrinterSink.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <algorithm>

namespace quillane {

PrinterSink::PrinterSink(QPagedPaintDevice& device, int pointSize)
    : device_(device), font_(QFontDatabase::systemFont(QFontDatabase::FixedFont)) {
  font_.setStyleHint(QFont::Monospace);
  font_.setFixedPitch(true);
  font_.setPointSize(pointSize);
  if (!painter_.begin(&device_)) return;
  painter_.setFont(font_);
  const QFontMetricsF metrics(font_, &device_);
  columnWidth_ = metrics.averageCharWidth();
  lineHeight_ = std::max(1.0, metrics.lineSpacing());
  ascent_ = metrics.ascent();
}

int PrinterSink::LinesPerPage() const {
  return std::max(1, static_cast<int>(device_.height() / lineHeight_));
}

void PrinterSink::WriteLine(const ReportLine& line) {
  if (!printing()) return;
  if (linesOnPage_ >= LinesPerPage()) {
    device_.newPage();
    linesOnPage_ = 0;
  }
  const double baseline = linesOnPage_ * lineHeight_ + ascent_;
  for (const ReportLine::Item& item : line.items)
    painter_.drawText(QPointF(ColumnX(item.column), baseline), item.text);
  ++linesOnPage_;
}

bool PrinterSink::Finish() {
  return printing() && painter_.end();
}

}  // namespace quillane
