#include "app/widgets/ProgressPanel.h"

#include <QGridLayout>
#include <QHBoxLayout>
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
// The indicators are 150 twips square; rows and columns follow the font, so
// no label is cut or overlaps another at any font size.
constexpr int kIndicatorSize = 10;
constexpr int kColumns = 4;
constexpr int kRows = 5;

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
  grid_ = new QGridLayout(this);
  grid_->setContentsMargins(16, 6, 16, 6);
  grid_->setHorizontalSpacing(24);
  grid_->setVerticalSpacing(2);
  for (int step = 0; step < Progress::kSteps; ++step) {
    auto* label = new QLabel(this);
    label->setObjectName(QStringLiteral("lblProgressReport(%1)").arg(step));
    label->setFont(small);
    auto* indicator = new QLabel(this);
    indicator->setObjectName(QStringLiteral("picProgressReport(%1)").arg(step));
    indicator->setFixedSize(kIndicatorSize, kIndicatorSize);
    auto* cell = new QHBoxLayout;
    cell->setSpacing(6);
    cell->addWidget(indicator, 0, Qt::AlignVCenter);
    cell->addWidget(label, 1);
    labels_[static_cast<std::size_t>(step)] = label;
    cells_[static_cast<std::size_t>(step)] = cell;
    indicators_[static_cast<std::size_t>(step)] = indicator;
    ShowStep(Progress::StepAt(step));
  }
  PlaceCells(kColumns);
  setMinimumHeight(kHeight);
  connect(&progress_, &Progress::changed, this, &ProgressPanel::ShowStep);
}

void ProgressPanel::PlaceCells(int columns) {
  if (columns == columns_) return;
  columns_ = columns;
  for (QHBoxLayout* cell : cells_) grid_->removeItem(cell);
  // Step by step in reading order: row by row of the four columns.
  const int perRow = kColumns / columns;
  for (int step = 0; step < Progress::kSteps; ++step) {
    const int place = kRow[step] * kColumns + kColumn[step];
    const int row = place / kColumns * perRow + place % kColumns / columns;
    grid_->addLayout(cells_[static_cast<std::size_t>(step)], row, place % columns);
  }
  for (int column = 0; column < kColumns; ++column) grid_->setColumnStretch(column, column < columns ? 1 : 0);
  for (int row = 0; row < kRows * kColumns; ++row) grid_->setRowMinimumHeight(row, 0);
  grid_->invalidate();
}

void ProgressPanel::FitColumns(int width) {
  int widestCell = 0;
  for (const QHBoxLayout* cell : cells_) widestCell = std::max(widestCell, cell->sizeHint().width());
  const QMargins margins = grid_->contentsMargins();
  const int spacing = grid_->horizontalSpacing();
  auto fits = [&](int columns) {
    return margins.left() + margins.right() + columns * widestCell + (columns - 1) * spacing <= width;
  };
  PlaceCells(fits(kColumns) ? kColumns : fits(2) ? 2 : 1);
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
