#include "core/Progress.h"

namespace quillane {

void Progress::MarkProgressStep(ProgressStep step) {
  if (step == ProgressStep::ClearAll) {
    for (int i = 0; i < kSteps; ++i) {
      done_[static_cast<std::size_t>(i)] = false;
      emit changed(StepAt(i));
    }
    return;
  }
  const int index = StepIndex(step);
  Q_ASSERT(index >= 0 && index < kSteps);
  if (index < 0 || index >= kSteps) return;
  done_[static_cast<std::size_t>(index)] = true;
  emit changed(step);
}

}  // namespace quillane
