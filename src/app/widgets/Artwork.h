#pragma once

#include <QPalette>
#include <QPixmap>

namespace quillane {

// The program's pictures, drawn once at the screen's pixel ratio. The logo
// takes lighter colours on a dark `palette`.
QPixmap LogoPicture(qreal devicePixelRatio, const QPalette& palette);  // 300 x 60
QPixmap IndicatorPicture(bool done, qreal devicePixelRatio);           // 10 x 10

}  // namespace quillane
