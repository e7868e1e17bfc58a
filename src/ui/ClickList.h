#pragma once

#include <QListWidget>
#include <functional>

namespace quillane {

// A list box whose Click comes as the program knows it: a press on an entry,
// or a key that moves the current entry or changes the selection (arrows,
// Space, Home, End), so the keyboard does what the mouse does. Changes made
// in code are no clicks, and neither is the second press of a double click.
class ClickList : public QListWidget {
 public:
  using QListWidget::QListWidget;
  std::function<void()> onClick;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace quillane
