#pragma once

class QHBoxLayout;
class QLabel;
class QSlider;
class QString;
class QWidget;

namespace quillane {

// A judgement slider from 0 to 10 in whole steps, resting at 5, with a label
// at each end: the criteria's pairwise rating and the evaluation use it.
struct RatingSlider {
  static constexpr int kMiddle = 5;

  RatingSlider(QWidget* parent, const char* sliderName, const char* leftName, const char* rightName,
               const QString& accessibleName);

  QSlider* slider = nullptr;
  QLabel* left = nullptr;
  QLabel* right = nullptr;
  QHBoxLayout* row = nullptr;
};

}  // namespace quillane
