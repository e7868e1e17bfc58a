#include "ui/ClickList.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace quillane {

void ClickList::mousePressEvent(QMouseEvent* event) {
  QListWidget::mousePressEvent(event);
  if (indexAt(event->position().toPoint()).isValid() && onClick) onClick();
}

void ClickList::keyPressEvent(QKeyEvent* event) {
  const int currentBefore = currentRow();
  const QModelIndexList selectedBefore = selectedIndexes();
  QListWidget::keyPressEvent(event);
  if ((currentRow() != currentBefore || selectedIndexes() != selectedBefore) && onClick) onClick();
}

}  // namespace quillane
