#include "ui/WrappingLabel.h"

#include <QPainter>
#include <QStyle>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

namespace quillane {

namespace {
// As wide as a label that wraps asks to be when nothing else decides it.
constexpr int kPreferredCharacters = 40;
}  // namespace

WrappingLabel::WrappingLabel(QWidget* parent) : QLabel(parent) {
  setTextFormat(Qt::PlainText);
}

QSize WrappingLabel::Around() const {
  const QMargins margins = contentsMargins();
  const int extra = 2 * margin();
  return {margins.left() + margins.right() + extra, margins.top() + margins.bottom() + extra};
}

qreal WrappingLabel::LayOutText(QTextLayout& layout, qreal textWidth) const {
  QTextOption option(alignment());
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  layout.setTextOption(option);
  layout.setFont(font());
  const QFontMetricsF metrics(font());
  qreal height = 0;
  layout.beginLayout();
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(std::max<qreal>(1, textWidth));
    line.setPosition(QPointF(0, height));
    height += metrics.lineSpacing();
  }
  layout.endLayout();
  return std::max<qreal>(height, metrics.height());
}

bool WrappingLabel::hasHeightForWidth() const {
  return wordWrap() || QLabel::hasHeightForWidth();
}

int WrappingLabel::heightForWidth(int width) const {
  if (!wordWrap()) return QLabel::heightForWidth(width);
  QString shown = text();
  shown.replace(QLatin1Char('\n'), QChar::LineSeparator);
  QTextLayout layout(shown);
  const QSize around = Around();
  return static_cast<int>(std::ceil(LayOutText(layout, width - around.width()))) + around.height();
}

QSize WrappingLabel::sizeHint() const {
  if (!wordWrap()) return QLabel::sizeHint();
  const QFontMetrics metrics(font());
  // The text's own width where it is short, else a paragraph's.
  int widest = 0;
  for (const QString& line : text().split(QLatin1Char('\n')))
    widest = std::max(widest, metrics.horizontalAdvance(line));
  const int width =
      std::min(widest + 1, metrics.averageCharWidth() * kPreferredCharacters) + Around().width();
  return {width, heightForWidth(width)};
}

QSize WrappingLabel::minimumSizeHint() const {
  if (!wordWrap()) return QLabel::minimumSizeHint();
  // Any width will do, since any word breaks; the height follows the width.
  const QFontMetrics metrics(font());
  return {metrics.averageCharWidth() * 4 + Around().width(), metrics.height() + Around().height()};
}

void WrappingLabel::paintEvent(QPaintEvent* event) {
  if (!wordWrap()) {
    QLabel::paintEvent(event);
    return;
  }
  QFrame::paintEvent(event);  // the frame, when the label has one
  QPainter painter(this);
  const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
  QString shown = text();
  shown.replace(QLatin1Char('\n'), QChar::LineSeparator);
  QTextLayout layout(shown);
  const qreal height = LayOutText(layout, area.width());
  qreal top = area.top();
  if (alignment() & Qt::AlignVCenter) top += std::max<qreal>(0, (area.height() - height) / 2);
  if (alignment() & Qt::AlignBottom) top += std::max<qreal>(0, area.height() - height);
  painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
  layout.draw(&painter, QPointF(area.left(), top));
}

}  // namespace quillane
