#pragma once

#include <QRect>
#include <functional>

class QWidget;

namespace quillane {

// A window's frame, title bar included, is known only once the window
// manager has framed the shown window; until then Qt takes it for nothing.
// These helpers place the whole frame and place it again once it is known,
// so the title bar never lies above the screen.

// Puts `window`'s frame into `frame` (screen coordinates): its top-left
// corner there and its outer size that of `frame`.
void PlaceFrame(QWidget& window, const QRect& frame);

// Runs `then` once `window` is shown and framed: at once where the platform
// draws no frames, or after the frame is known, or after a short wait when
// no window manager frames it.
void WhenFramed(QWidget& window, std::function<void()> then);

// PlaceFrame now, and again when the frame is known; then `then`, if given.
void PlaceFrameWhenFramed(QWidget& window, const QRect& frame, std::function<void()> then = {});

}  // namespace quillane
