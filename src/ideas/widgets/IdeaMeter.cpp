#include "ideas/widgets/IdeaMeter.h"

#include <QPalette>
#include <cmath>

#include "ideas/IdeaList.h"
#include "resources/Texts.h"
#include "ui/DarkPalette.h"

namespace quillane {

namespace {
constexpr double kTwipsPerPixel = 15.0;
int Pixels(double twips) {
  return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}
}  // namespace

IdeaMeter::IdeaMeter(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("panIdeasMeter"));
  setFixedSize(Pixels(735), Pixels(3375));
  setAutoFillBackground(true);
  QPalette panel = palette();
  panel.setColor(QPalette::Window, panel.color(QPalette::Base));
  setPalette(panel);
  picIdeasMeter_ = new QWidget(this);
  picIdeasMeter_->setObjectName(QStringLiteral("picIdeasMeter"));
  picIdeasMeter_->setAutoFillBackground(true);
  QPalette blue = picIdeasMeter_->palette();
  // Blue; on a dark palette a lighter blue, as far from the dark ground.
  blue.setColor(QPalette::Window, ForPalette(blue, QColor(0, 0, 255), QColor(110, 160, 255)));
  picIdeasMeter_->setPalette(blue);
  setAccessibleName(ShownText(214));
  Show(0);
}

void IdeaMeter::Show(int ideaCount) {
  const MeterBar bar = IdeaMeterBar(ideaCount);
  picIdeasMeter_->setGeometry(Pixels(120), Pixels(bar.top), Pixels(495), Pixels(bar.height));
  picIdeasMeter_->setVisible(ideaCount > 0);
  setAccessibleDescription(QString::number(ideaCount));
}

}  // namespace quillane
