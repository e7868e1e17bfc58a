#pragma once

#include <QColor>
#include <QPalette>

namespace quillane {

// True for a dark palette (light text on a dark window), where the program's
// own fixed colours, chosen for a light one, would nearly vanish: pictures
// and bars then take lighter colours of like contrast.
inline bool IsDarkPalette(const QPalette& palette) {
  return palette.color(QPalette::Window).lightness() < 128;
}

// `light` on a light palette, `dark` on a dark one.
inline QColor ForPalette(const QPalette& palette, const QColor& light, const QColor& dark) {
  return IsDarkPalette(palette) ? dark : light;
}

}  // namespace quillane
