#include "ui/DeletionUndo.h"

#include <QListWidget>

namespace quillane {

void DeletionUndo::TakeSelected(QListWidget* list) {
  std::vector<std::pair<int, QString>> taken;
  // Rows are remembered as they were before this deletion, so putting them
  // back in ascending order restores the old order.
  int originalRow = 0;
  for (int index = 0; index < list->count(); ++index, ++originalRow) {
    if (!list->item(index)->isSelected()) continue;
    taken.emplace_back(originalRow, list->item(index)->text());
    delete list->takeItem(index);
    --index;
  }
  if (!taken.empty()) deletions_.push_back(std::move(taken));
}

bool DeletionUndo::RestoreLast(QListWidget* list, int capacity) {
  if (deletions_.empty()) return false;
  for (const auto& [row, text] : deletions_.back()) {
    if (list->count() >= capacity) break;
    list->insertItem(std::min(row, list->count()), text);
  }
  deletions_.pop_back();
  return true;
}

}  // namespace quillane
