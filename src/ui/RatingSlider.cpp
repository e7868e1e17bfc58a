#include "ui/RatingSlider.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>

namespace quillane {

RatingSlider::RatingSlider(QWidget* parent, const char* sliderName, const char* leftName,
                           const char* rightName, const QString& accessibleName) {
  slider = new QSlider(Qt::Horizontal, parent);
  slider->setObjectName(QLatin1String(sliderName));
  slider->setRange(0, 10);
  slider->setSingleStep(1);
  slider->setPageStep(1);
  slider->setTickPosition(QSlider::TicksBelow);
  slider->setTickInterval(1);
  slider->setValue(kMiddle);
  slider->setAccessibleName(accessibleName);
  left = new QLabel(parent);
  left->setObjectName(QLatin1String(leftName));
  right = new QLabel(parent);
  right->setObjectName(QLatin1String(rightName));
  row = new QHBoxLayout;
  row->addWidget(left);
  row->addWidget(slider, 1);
  row->addWidget(right);
}

}  // namespace quillane
