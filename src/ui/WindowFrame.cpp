#include "ui/WindowFrame.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <algorithm>

namespace quillane {

namespace {

// Without a window manager nothing frames the window, and no event says so.
constexpr int kLongestFramingWaitMs = 600;

bool PlatformFramesWindows() {
  const QString name = QGuiApplication::platformName();
  return name != QLatin1String("offscreen") && name != QLatin1String("minimal");
}

QSize FrameExtra(const QWidget& window) {
  const QRect outer = window.frameGeometry();
  return {outer.width() - window.width(), outer.height() - window.height()};
}

bool Framed(const QWidget& window) {
  return window.isVisible() && !FrameExtra(window).isNull();
}

// Watches a window's moves and resizes until its frame is known, then runs
// its task once and goes.
class FramingWatch : public QObject {
 public:
  FramingWatch(QWidget& window, std::function<void()> then) : QObject(&window), then_(std::move(then)) {
    window.installEventFilter(this);
    QTimer::singleShot(kLongestFramingWaitMs, this, [this] { Finish(); });
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    const QEvent::Type type = event->type();
    if (type == QEvent::Move || type == QEvent::Resize || type == QEvent::Show) {
      auto* window = static_cast<QWidget*>(watched);
      // Once the window is shown and framed, after the events of this change.
      if (Framed(*window))
        QMetaObject::invokeMethod(
            this, [this] { Finish(); }, Qt::QueuedConnection);
    }
    return false;
  }

 private:
  void Finish() {
    if (done_) return;
    done_ = true;
    if (then_) then_();
    deleteLater();
  }

  std::function<void()> then_;
  bool done_ = false;
};

}  // namespace

void PlaceFrame(QWidget& window, const QRect& frame) {
  const QSize extra = FrameExtra(window);
  window.resize(std::max(1, frame.width() - extra.width()), std::max(1, frame.height() - extra.height()));
  // A window's position is that of its frame.
  window.move(frame.topLeft());
}

void WhenFramed(QWidget& window, std::function<void()> then) {
  if (!PlatformFramesWindows() || Framed(window)) {
    QPointer<QWidget> guard(&window);
    QMetaObject::invokeMethod(
        &window,
        [guard, then = std::move(then)] {
          if (guard && then) then();
        },
        Qt::QueuedConnection);
    return;
  }
  new FramingWatch(window, std::move(then));
}

void PlaceFrameWhenFramed(QWidget& window, const QRect& frame, std::function<void()> then) {
  PlaceFrame(window, frame);
  QPointer<QWidget> guard(&window);
  WhenFramed(window, [guard, frame, then = std::move(then)] {
    if (!guard) return;
    PlaceFrame(*guard, frame);
    if (then) then();
  });
}

}  // namespace quillane
