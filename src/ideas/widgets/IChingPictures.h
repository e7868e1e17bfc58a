#pragma once

#include <QColor>
#include <QPalette>
#include <QPixmap>

namespace quillane {

// The pictures of the I Ching page, drawn at the given pixel ratio on the
// ground they share with the line boxes.
inline constexpr int kLinePictureWidth = 60;
inline constexpr int kLinePictureHeight = 10;

// Cyan lines and black text on light grey; on a dark palette, a dark grey
// ground with lines and text as far apart from it.
struct IChingColours {
  QColor ground;
  QColor line;
  QColor ink;  // the numbers in the hexagrams and the arrow between them
};
IChingColours IChingColoursFor(const QPalette& palette);

QPixmap PlainLinePicture(qreal devicePixelRatio, const IChingColours& colours);  // a band, 60 x 10
// A wave whose period divides the width, so the strip scrolls round
// seamlessly; 60 x 10.
QPixmap WaveStripPicture(qreal devicePixelRatio, const IChingColours& colours);
// An arrow to the right in the window's ink, 22 x 20.
QPixmap IChingArrowPicture(qreal devicePixelRatio, const IChingColours& colours);

}  // namespace quillane
