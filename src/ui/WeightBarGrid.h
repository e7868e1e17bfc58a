#pragma once

#include <QTableWidget>
#include <span>

#include "core/Session.h"

namespace quillane {

// The weight-bar table: one row per entry with its name, its value as text
// and a bar of one dark blue cell per half point, rows parted by thin empty
// rows. The criteria view shows the weights in it, the evaluation results
// the relative results.
class WeightBarGrid : public QTableWidget {
  Q_OBJECT

 public:
  static constexpr int kColumns = 21;
  static constexpr int kWidthTwips = 6735;

  explicit WeightBarGrid(QWidget* parent);

  // Rebuilds the table from entries 1..n of `names` and `values` (slot 0 is
  // not used). `lastColumnTwips` sets the width of the never-filled column
  // 20; 0 keeps the table's default width.
  void FillWeightBars(std::span<const QString> names, std::span<const Single> values, int n,
                      int lastColumnTwips = 0);

 protected:
  // The desktop turned dark or light while the table is shown: the bars follow.
  void changeEvent(QEvent* event) override;
};

// Twips as device-independent pixels (15 twips to the pixel).
int TwipsToPixels(int twips);

}  // namespace quillane
