#pragma once

#include <QFrame>
#include <QPixmap>
#include <array>

#include "core/Progress.h"

class QGridLayout;
class QHBoxLayout;
class QLabel;

namespace quillane {

// `panProgressReport`: the twenty indicators of the session's steps with
// their labels, showing the Progress model.
class ProgressPanel : public QFrame {
  Q_OBJECT

 public:
  ProgressPanel(Progress& progress, QWidget* parent);

  // Sets each label to its step's text.
  void SetLabels();

  // Four columns of steps where `width` holds them whole, else two, else one,
  // each step in the order it reads across the four.
  void FitColumns(int width);

  static constexpr int kHeight = 94;  // 1410 twips

 private:
  void ShowStep(ProgressStep step);
  void PlaceCells(int columns);

  Progress& progress_;
  std::array<QLabel*, Progress::kSteps> indicators_{};
  std::array<QLabel*, Progress::kSteps> labels_{};
  std::array<QHBoxLayout*, Progress::kSteps> cells_{};
  QGridLayout* grid_ = nullptr;
  int columns_ = 0;
  QPixmap notDone_;
  QPixmap done_;
};

}  // namespace quillane
