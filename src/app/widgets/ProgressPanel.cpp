#include "app/widgets/ProgressPanel.h"

#include <QLabel>

#include "app/widgets/Artwork.h"
#include "core/Progress.h"
#include "resources/Texts.h"

namespace quillane {

namespace {

// Where each step stands: row and column of the label grid (both from 0).
// The I Ching step stands last.
constexpr int kRow[20] = {0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 4, 2, 3, 3, 3, 3, 4, 4, 4};
constexpr int kColumn[20] = {0, 1, 2, 3, 0, 1, 2, 3, 0, 1, 2, 3, 3, 0, 1, 2, 3, 0, 1, 2};
// Label columns start at 360, 2760, 5160 and 7560 twips, rows at 120 + 240 n.
constexpr int kColumnLeft[4] = {24, 184, 344, 504};
constexpr int kRowTop = 8;
constexpr int kRowHeight = 16;
constexpr int kIndicatorSize = 10;  // 150 twips
constexpr int kIndicatorLeftOfLabel = 16;
constexpr int kIndicatorBelowLabel = 4;

}  // namespace

ProgressPanel::ProgressPanel(Progress& progress, QWidget* parent) : QFrame(parent), progress_(progress) {
  setObjectName(QStringLiteral("panProgressReport"));
  setFrameShape(QFrame::StyledPanel);
  setAccessibleName(ShownText(3002));
  const qreal ratio = devicePixelRatioF();
  notDone_ = IndicatorPicture(false, ratio);
  done_ = IndicatorPicture(true, ratio);
  QFont small = font();
  small.setPointSizeF(small.pointSizeF() * 0.9);
  for (int step = 0; step < Progress::kSteps; ++step) {
    auto* label = new QLabel(this);
    label->setObjectName(QStringLiteral("lblProgressReport(%1)").arg(step));
    label->setFont(small);
    const int left = kColumnLeft[kColumn[step]];
    const int top = kRowTop + kRow[step] * kRowHeight;
    label->setGeometry(left, top - 3, 156, kRowHeight);
    auto* indicator = new QLabel(this);
    indicator->setObjectName(QStringLiteral("picProgressReport(%1)").arg(step));
    indicator->setGeometry(left - kIndicatorLeftOfLabel, top + kIndicatorBelowLabel - 3, kIndicatorSize,
                           kIndicatorSize);
    labels_[static_cast<std::size_t>(step)] = label;
    indicators_[static_cast<std::size_t>(step)] = indicator;
    ShowStep(Progress::StepAt(step));
  }
  setMinimumHeight(kHeight);
  connect(&progress_, &Progress::changed, this, &ProgressPanel::ShowStep);
}

void ProgressPanel::SetLabels() {
  for (int step = 0; step < Progress::kSteps; ++step) {
    labels_[static_cast<std::size_t>(step)]->setText(ShownText(310 + step));
    ShowStep(Progress::StepAt(step));
  }
}

void ProgressPanel::ShowStep(ProgressStep step) {
  const int index = StepIndex(step);
  QLabel* indicator = indicators_.at(static_cast<std::size_t>(index));
  const bool isDone = progress_.done(step);
  indicator->setPixmap(isDone ? done_ : notDone_);
  indicator->setProperty("done", isDone);
  indicator->setAccessibleName(ShownText(310 + index) + QStringLiteral(": ") +
                               ShownText(isDone ? 3003 : 3004));
}

}  // namespace quillane
