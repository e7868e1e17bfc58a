#include "ui/PageLabel.h"

#include <QLabel>

namespace quillane {

QLabel* PageLabel(QWidget* parent, const QString& name, bool wrap) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setWordWrap(wrap);
  label->setTextFormat(Qt::PlainText);
  return label;
}

QLabel* FramedPageLabel(QWidget* parent, const QString& name) {
  QLabel* label = PageLabel(parent, name);
  label->setFrameShape(QFrame::StyledPanel);
  label->setMargin(6);
  return label;
}

}  // namespace quillane
