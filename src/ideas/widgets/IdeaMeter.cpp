#include "ideas/widgets/IdeaMeter.h"

#include <QApplication>
#include <QEvent>
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
  picIdeasMeter_ = new QWidget(this);
  picIdeasMeter_->setObjectName(QStringLiteral("picIdeasMeter"));
  picIdeasMeter_->setAutoFillBackground(true);
  ApplyColours();
  setAccessibleName(ShownText(214));
  Show(0);
}

void IdeaMeter::ApplyColours() {
  const QPalette inherited = parentWidget() ? parentWidget()->palette() : QApplication::palette(this);
  QPalette panel;
  panel.setColor(QPalette::Window, inherited.color(QPalette::Base));
  setPalette(panel);
  QPalette blue;
  // Blue; on a dark palette a lighter blue, as far from the dark ground.
  blue.setColor(QPalette::Window, ForPalette(panel, QColor(0, 0, 255), QColor(110, 160, 255)));
  picIdeasMeter_->setPalette(blue);
}

void IdeaMeter::changeEvent(QEvent* event) {
  // Setting the same colours again changes nothing and asks for no further event.
  if (event->type() == QEvent::PaletteChange && picIdeasMeter_) ApplyColours();
  QWidget::changeEvent(event);
}

void IdeaMeter::Show(int ideaCount) {
  const MeterBar bar = IdeaMeterBar(ideaCount);
  picIdeasMeter_->setGeometry(Pixels(120), Pixels(bar.top), Pixels(495), Pixels(bar.height));
  picIdeasMeter_->setVisible(ideaCount > 0);
  setAccessibleDescription(QString::number(ideaCount));
}

}  // namespace quillane
