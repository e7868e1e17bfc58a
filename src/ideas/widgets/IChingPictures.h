#pragma once

#include <QColor>
#include <QPixmap>

namespace quillane {

// The pictures of the I Ching page, drawn at the given pixel ratio on the
// light grey ground they share with the line boxes.
inline constexpr int kLinePictureWidth = 60;
inline constexpr int kLinePictureHeight = 10;
inline QColor IChingGround() {
  return {192, 192, 192};
}

QPixmap PlainLinePicture(qreal devicePixelRatio);  // a cyan band, 60 x 10
// A cyan wave whose period divides the width, so the strip scrolls round
// seamlessly; 60 x 10.
QPixmap WaveStripPicture(qreal devicePixelRatio);
QPixmap IChingArrowPicture(qreal devicePixelRatio);  // a black arrow to the right, 22 x 20

}  // namespace quillane
