#include "criteria/CriteriaList.h"

#include "core/Commands.h"
#include "core/Progress.h"
#include "core/Session.h"

namespace quillane {

void StoreListEntries(std::span<QString> stored, const QStringList& entries) {
  Q_ASSERT(static_cast<std::size_t>(entries.size()) < stored.size());
  for (std::size_t i = 1; i < stored.size(); ++i) {
    if (stored[i].isEmpty()) break;
    stored[i].clear();
  }
  for (qsizetype i = 0; i < entries.size(); ++i) stored[static_cast<std::size_t>(i + 1)] = entries[i];
}

void StoreCriteria(SessionContent& s, Commands& commands, Progress& progress, const QStringList& entries) {
  StoreListEntries(s.sCriteria, entries);
  if (!s.sCriteria[1].isEmpty()) progress.MarkProgressStep(ProgressStep::CriteriaSet);
  s.nCriteria = static_cast<Integer>(entries.size());
  const bool canRate = s.nCriteria >= 2;
  commands.EnableButton(Command::CriteriaRate, canRate);
  if (!canRate) commands.EnableButton(Command::CriteriaView, false);
}

}  // namespace quillane
