#pragma once

#include <QPixmap>

namespace quillane {

// The program's pictures, drawn once at the screen's pixel ratio.
QPixmap LogoPicture(qreal devicePixelRatio);                  // 300 x 60
QPixmap IndicatorPicture(bool done, qreal devicePixelRatio);  // 10 x 10

}  // namespace quillane
