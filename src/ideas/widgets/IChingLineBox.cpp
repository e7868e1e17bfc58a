#include "ideas/widgets/IChingLineBox.h"

#include <QPainter>

#include "ideas/widgets/IChingPictures.h"

namespace quillane {

namespace {

void FillWithGround(QWidget* widget) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, IChingColoursFor(palette).ground);
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

}  // namespace

IChingLineBox::IChingLineBox(QWidget* parent, const QString& name, const QString& patchName)
    : QWidget(parent) {
  setObjectName(name);
  setFixedSize(kWidth, kHeight);
  FillWithGround(this);
  patch_ = new QWidget(this);
  patch_->setObjectName(patchName);
  patch_->setGeometry(kPatchLeft, 0, kPatchWidth, kHeight);
  FillWithGround(patch_);
  patch_->hide();
}

void IChingLineBox::Clear() {
  tag.clear();
  picture_ = QPixmap();
  copies_.clear();
  patch_->hide();
  update();
}

void IChingLineBox::ShowPicture(const QPixmap& picture, bool broken) {
  picture_ = picture;
  copies_.clear();
  patch_->setVisible(broken);
  update();
}

void IChingLineBox::CopyFromStrip(const QPixmap& strip, const std::vector<StripCopy>& copies) {
  picture_ = strip;
  copies_ = copies;
  update();
}

void IChingLineBox::paintEvent(QPaintEvent*) {
  if (picture_.isNull()) return;
  QPainter p(this);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  if (copies_.empty()) {
    p.drawPixmap(0, 0, picture_);
    return;
  }
  // Source rectangles are in the strip's own pixels, which may be finer
  // than the box's logical pixels.
  const qreal ratio = picture_.devicePixelRatio();
  const qreal height = picture_.height() / ratio;
  for (const StripCopy& copy : copies_) {
    p.drawPixmap(QRectF(copy.targetX, 0, copy.width, height), picture_,
                 QRectF(copy.sourceX * ratio, 0, copy.width * ratio, picture_.height()));
  }
}

}  // namespace quillane
