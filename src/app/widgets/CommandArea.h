#pragma once

#include <QScrollArea>
#include <span>

class QGroupBox;

namespace quillane {

// The strip at the foot of the main window that holds the command area:
// the menu bar with the frame of commands above it. The area keeps the
// width its widest frame (shown or not) and the menu bar need, centred
// where the window is wider; where the window is narrower the strip
// scrolls sideways, so no command is ever cut off, from Start to Exit.
class CommandStrip : public QScrollArea {
  Q_OBJECT

 public:
  CommandStrip(QWidget* area, std::span<QGroupBox* const> frames, QWidget* menuBar, QWidget* parent);

  // Gives the area its size and returns the strip's height for a window
  // `width` wide: never below `lowest`.
  int FitArea(int width, int lowest);

 signals:
  // A frame or the menu bar needs another size (a command shown, a caption
  // changed): the window fits the strip again.
  void areaChanged();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QSize AreaNeeds() const;

  QWidget* area_;
  std::span<QGroupBox* const> frames_;
  QWidget* menuBar_;
  bool refitQueued_ = false;
};

}  // namespace quillane
