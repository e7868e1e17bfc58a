#pragma once

class QBoxLayout;
class QLabel;
class QWidget;

namespace quillane {

// The "Your goal is:" line that several dialog pages carry: a caption label
// and the goal label beside it, named as the page names them.
struct GoalLine {
  QLabel* caption = nullptr;
  QLabel* goal = nullptr;
};

GoalLine AddGoalLine(QWidget* parent, QBoxLayout* layout, const char* captionName, const char* goalName);

}  // namespace quillane
