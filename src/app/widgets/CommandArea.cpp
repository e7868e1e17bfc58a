#include "app/widgets/CommandArea.h"

#include <QEvent>
#include <QGroupBox>
#include <QLayout>
#include <QScrollBar>
#include <algorithm>

namespace quillane {

namespace {
constexpr int kAreaPadding = 16;  // below the frame and beside the bar
}  // namespace

CommandStrip::CommandStrip(QWidget* area, std::span<QGroupBox* const> frames, QWidget* menuBar,
                           QWidget* parent)
    : QScrollArea(parent), area_(area), frames_(frames), menuBar_(menuBar) {
  setFrameShape(QFrame::NoFrame);
  setWidgetResizable(false);
  setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setWidget(area);
  // The window's own ground shows through, as before the strip could scroll.
  viewport()->setAutoFillBackground(false);
  area->setAutoFillBackground(false);
  for (QGroupBox* frame : frames_) frame->installEventFilter(this);
  menuBar_->installEventFilter(this);
}

bool CommandStrip::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::LayoutRequest && !refitQueued_) {
    refitQueued_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
          refitQueued_ = false;
          emit areaChanged();
        },
        Qt::QueuedConnection);
  }
  return QScrollArea::eventFilter(watched, event);
}

QSize CommandStrip::AreaNeeds() const {
  // Every frame counts, shown or not, so opening one never squeezes it.
  int widest = menuBar_->sizeHint().width();
  int tallest = 0;
  for (const QGroupBox* frame : frames_) {
    const QSize needs = frame->sizeHint().expandedTo(frame->minimumSizeHint());
    widest = std::max(widest, needs.width());
    tallest = std::max(tallest, needs.height());
  }
  const QMargins margins = area_->layout()->contentsMargins();
  return {widest + kAreaPadding + margins.left() + margins.right(),
          tallest + menuBar_->sizeHint().height() + kAreaPadding + margins.top() + margins.bottom()};
}

int CommandStrip::FitArea(int width, int lowest) {
  const QSize needs = AreaNeeds();
  const int areaHeight = std::max(lowest, needs.height());
  const int areaWidth = std::max({needs.width(), area_->minimumWidth(), 1});
  const bool scrolls = areaWidth > width;
  area_->resize(areaWidth, areaHeight);
  return areaHeight + (scrolls ? horizontalScrollBar()->sizeHint().height() : 0);
}

}  // namespace quillane
