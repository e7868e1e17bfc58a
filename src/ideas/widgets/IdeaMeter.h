#pragma once

#include <QWidget>

namespace quillane {

// `panIdeasMeter`: the panel whose blue bar `picIdeasMeter` shows how full
// the idea list is.
class IdeaMeter : public QWidget {
  Q_OBJECT

 public:
  explicit IdeaMeter(QWidget* parent);

  // Redraws the bar for `ideaCount` ideas.
  void Show(int ideaCount);

  QWidget* bar() const { return picIdeasMeter_; }

 protected:
  // A palette changed at run time (the desktop turned dark or light).
  void changeEvent(QEvent* event) override;

 private:
  // The white ground and the blue bar, or their like on a dark palette. Only
  // the window colour is set, so every other colour still follows the desktop.
  void ApplyColours();

  QWidget* picIdeasMeter_ = nullptr;
};

}  // namespace quillane
