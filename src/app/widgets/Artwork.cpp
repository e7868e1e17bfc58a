#include "app/widgets/Artwork.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "resources/Texts.h"
#include "ui/DarkPalette.h"

namespace quillane {

namespace {

QPixmap Canvas(int width, int height, qreal ratio) {
  QPixmap pixmap(qRound(width * ratio), qRound(height * ratio));
  pixmap.setDevicePixelRatio(ratio);
  pixmap.fill(Qt::transparent);
  return pixmap;
}

}  // namespace

QPixmap LogoPicture(qreal ratio, const QPalette& palette) {
  // Navy ink on a light window; on a dark one the same blues, lightened.
  const bool dark = IsDarkPalette(palette);
  const QColor ink = dark ? QColor(0x9c, 0xc3, 0xe6) : QColor(0x1f, 0x4e, 0x79);
  const QColor featherTip = dark ? QColor(0xd4, 0xe6, 0xf6) : QColor(0x6f, 0xa8, 0xdc);
  const QColor outline = dark ? QColor(0xb4, 0xd0, 0xec) : QColor(0x17, 0x3a, 0x5c);
  const QColor quillLine = dark ? QColor(0x1f, 0x4e, 0x79) : QColor(0xf4, 0xf8, 0xfc);
  QPixmap pixmap = Canvas(300, 60, ratio);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);

  // A quill: a feather leaning to the right, its nib on the base line.
  QPainterPath feather;
  feather.moveTo(14, 54);
  feather.cubicTo(18, 30, 34, 12, 58, 4);
  feather.cubicTo(52, 20, 40, 38, 14, 54);
  QLinearGradient featherFill(14, 54, 58, 4);
  featherFill.setColorAt(0, ink);
  featherFill.setColorAt(1, featherTip);
  p.setPen(QPen(outline, 1.2));
  p.setBrush(featherFill);
  p.drawPath(feather);
  p.setPen(QPen(quillLine, 1.0));
  p.drawLine(QPointF(16, 52), QPointF(50, 12));

  QFont font(QStringLiteral("DejaVu Serif"));
  font.setPixelSize(40);
  font.setItalic(true);
  font.setBold(true);
  p.setFont(font);
  p.setPen(ink);
  p.drawText(QRectF(66, 0, 234, 56), Qt::AlignLeft | Qt::AlignVCenter, Text(101));
  p.setPen(QPen(QColor(0xc8, 0x8a, 0x12), 2.0));
  p.drawLine(QPointF(68, 54), QPointF(292, 54));
  return pixmap;
}

QPixmap IndicatorPicture(bool done, qreal ratio) {
  QPixmap pixmap = Canvas(10, 10, ratio);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  if (done) {
    p.setPen(QPen(QColor(0x1b, 0x6e, 0x20), 1.0));
    p.setBrush(QColor(0x3c, 0xb3, 0x44));
  } else {
    p.setPen(QPen(QColor(0x80, 0x80, 0x80), 1.0));
    p.setBrush(QColor(0xe8, 0xe8, 0xe8));
  }
  p.drawEllipse(QRectF(0.5, 0.5, 9, 9));
  return pixmap;
}

}  // namespace quillane
