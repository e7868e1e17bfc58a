#include "reports/PrinterSink.h"

#include <QFontDatabase>
#include <QPagedPaintDevice>
#include <algorithm>

namespace quillane {

namespace {

QFont PrinterFont(std::optional<QFont> font, int pointSize) {
  QFont chosen = font.value_or(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  if (!font) {
    chosen.setStyleHint(QFont::Monospace);
    chosen.setFixedPitch(true);
  }
  chosen.setPointSize(pointSize);
  return chosen;
}

}  // namespace

PrinterSink::PrinterSink(QPagedPaintDevice& device, int pointSize, std::optional<QFont> font)
    : device_(device),
      font_(PrinterFont(std::move(font), pointSize)),
      layout_(QFontMetricsF(font_, &device), device.width()) {
  if (!painter_.begin(&device_)) return;
  painter_.setFont(font_);
  const QFontMetricsF metrics(font_, &device_);
  lineHeight_ = std::max(1.0, metrics.lineSpacing());
  ascent_ = metrics.ascent();
}

int PrinterSink::LinesPerPage() const {
  return std::max(1, static_cast<int>(device_.height() / lineHeight_));
}

void PrinterSink::WriteLine(const ReportLine& line) {
  if (!printing()) return;
  for (const PrinterLayout::Row& row : layout_.Rows(line)) {
    if (linesOnPage_ >= LinesPerPage()) {
      device_.newPage();
      linesOnPage_ = 0;
    }
    const double baseline = linesOnPage_ * lineHeight_ + ascent_;
    for (const PrinterLayout::Run& run : row) painter_.drawText(QPointF(run.x, baseline), run.text);
    printedRows_.push_back(row);
    ++linesOnPage_;
  }
}

bool PrinterSink::Finish() {
  return printing() && painter_.end();
}

}  // namespace quillane
