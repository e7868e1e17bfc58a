#pragma once

#include <QPixmap>
#include <QWidget>
#include <vector>

#include "ideas/IChing.h"

namespace quillane {

// One line box of a hexagram: a line picture on the light grey ground, and
// the blank patch that breaks an unbroken line in two. The patch is a child
// of the box, so it stays on top of whatever the box shows.
class IChingLineBox : public QWidget {
 public:
  // Designed at 600 x 180 twips, the patch at left 240, width 150.
  static constexpr int kWidth = 40;
  static constexpr int kHeight = 12;
  static constexpr int kPatchLeft = 16;
  static constexpr int kPatchWidth = 10;

  IChingLineBox(QWidget* parent, const QString& name, const QString& patchName);

  // Empties the box: no picture, no patch.
  void Clear();
  // Shows `picture` at the top left corner; `broken` shows the blank patch.
  void ShowPicture(const QPixmap& picture, bool broken);
  // Pixel copies from `strip` into the box, as the animation gives them.
  void CopyFromStrip(const QPixmap& strip, const std::vector<StripCopy>& copies);

  QWidget* patch() const { return patch_; }

  // The value cast for the line ("6".."9"), empty before it is cast.
  QString tag;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QWidget* patch_ = nullptr;
  QPixmap picture_;
  std::vector<StripCopy> copies_;  // empty: the picture shows whole
};

}  // namespace quillane
