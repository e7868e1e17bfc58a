#include "ideas/widgets/IChingPictures.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>

#include "ui/DarkPalette.h"

namespace quillane {

namespace {

constexpr int kWavePeriod = 20;

QPixmap Canvas(int width, int height, qreal ratio, const QColor& ground) {
  QPixmap pixmap(qRound(width * ratio), qRound(height * ratio));
  pixmap.setDevicePixelRatio(ratio);
  pixmap.fill(ground);
  return pixmap;
}

}  // namespace

IChingColours IChingColoursFor(const QPalette& palette) {
  if (!IsDarkPalette(palette)) return {QColor(192, 192, 192), QColor(0, 255, 255), QColor(Qt::black)};
  return {QColor(48, 48, 48), QColor(0, 224, 224), palette.color(QPalette::WindowText)};
}

QPixmap PlainLinePicture(qreal ratio, const IChingColours& colours) {
  QPixmap pixmap = Canvas(kLinePictureWidth, kLinePictureHeight, ratio, colours.ground);
  QPainter p(&pixmap);
  p.fillRect(QRectF(0, 4, kLinePictureWidth, 4), colours.line);  // rows 4 to 7
  return pixmap;
}

QPixmap WaveStripPicture(qreal ratio, const IChingColours& colours) {
  QPixmap pixmap = Canvas(kLinePictureWidth, kLinePictureHeight, ratio, colours.ground);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  // Drawn a little past both ends so that no line cap shows at the seam.
  QPainterPath wave;
  constexpr double kMiddle = 5.0;
  constexpr double kAmplitude = 2.6;
  for (double x = -2.0; x <= kLinePictureWidth + 2.0; x += 0.25) {
    const QPointF point(x, kMiddle + kAmplitude * std::sin(2.0 * std::numbers::pi * x / kWavePeriod));
    if (x == -2.0) {
      wave.moveTo(point);
    } else {
      wave.lineTo(point);
    }
  }
  p.setPen(QPen(colours.line, 2.0, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
  p.drawPath(wave);
  return pixmap;
}

QPixmap IChingArrowPicture(qreal ratio, const IChingColours& colours) {
  QPixmap pixmap = Canvas(22, 20, ratio, Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(colours.ink);
  p.drawRect(QRectF(1, 8, 11, 4));
  p.drawPolygon(QPolygonF({QPointF(11, 2), QPointF(21, 10), QPointF(11, 18)}));
  return pixmap;
}

}  // namespace quillane
