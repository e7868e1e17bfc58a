#include "core/Progress.h"

namespace quillane {

void Progress::MarkProgressStep(int step) {
  if (step == kClearAll) {
    for (int i = 0; i < kSteps; ++i) {
      done_[static_cast<std::size_t>(i)] = false;
      emit changed(i);
    }
    return;
  }
  Q_ASSERT(step >= 0 && step < kSteps);
  if (step < 0 || step >= kSteps) return;
  done_[static_cast<std::size_t>(step)] = true;
  emit changed(step);
}

}  // namespace quillane
