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

 private:
  QWidget* picIdeasMeter_ = nullptr;
};

}  // namespace quillane
