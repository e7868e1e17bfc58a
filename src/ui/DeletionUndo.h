#pragma once

#include <QString>
#include <utility>
#include <vector>

class QListWidget;

namespace quillane {

// What a list's deletions took away, so that Ctrl+Z can bring it back: the
// last deletion first, each entry at the place it had.
class DeletionUndo {
 public:
  // Takes the selected entries out of `list` and remembers them.
  void TakeSelected(QListWidget* list);
  // Puts the entries of the last deletion back where they were, as far as
  // `capacity` allows. False when nothing is left to bring back.
  bool RestoreLast(QListWidget* list, int capacity);
  void Forget() { deletions_.clear(); }

 private:
  std::vector<std::vector<std::pair<int, QString>>> deletions_;
};

}  // namespace quillane
