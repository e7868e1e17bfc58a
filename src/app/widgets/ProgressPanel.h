#pragma once

#include <QFrame>
#include <QPixmap>
#include <array>

#include "core/Progress.h"

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

  static constexpr int kHeight = 94;  // 1410 twips

 private:
  void ShowStep(ProgressStep step);

  Progress& progress_;
  std::array<QLabel*, Progress::kSteps> indicators_{};
  std::array<QLabel*, Progress::kSteps> labels_{};
  QPixmap notDone_;
  QPixmap done_;
};

}  // namespace quillane
