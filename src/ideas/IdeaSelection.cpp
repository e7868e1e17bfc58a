#include "ideas/IdeaSelection.h"

#include "core/SessionDocument.h"

namespace quillane {

int PickRefusal(IdeaPick pick, int picked) {
  switch (pick) {
    case IdeaPick::MindStepping:
    case IdeaPick::Clustering: return picked == 0 ? 505 : 0;
    case IdeaPick::Evaluation: return picked < 2 ? 508 : 0;
    case IdeaPick::None: break;
  }
  return 0;
}

void StorePick(std::span<QString> list, Integer& count, const QStringList& picked) {
  StoreListEntries(list, picked);
  count = static_cast<Integer>(picked.size());
}

}  // namespace quillane
