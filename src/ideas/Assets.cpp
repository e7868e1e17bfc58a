#include "ideas/Assets.h"

#include "core/Commands.h"
#include "core/Progress.h"
#include "core/Session.h"
#include "criteria/CriteriaList.h"

namespace quillane {

QStringList AssetEntries(const Session& s, AssetKind kind) {
  const TextList<kMaxAssets>& stored = kind == AssetKind::Tangible ? s.sTAssets : s.sIAssets;
  QStringList entries;
  for (std::size_t i = 1; i < stored.size() && !stored[i].isEmpty(); ++i) entries << stored[i];
  return entries;
}

void StoreAssets(SessionContent& s, Commands& commands, Progress& progress, AssetKind kind,
                 const QStringList& entries) {
  const bool tangible = kind == AssetKind::Tangible;
  TextList<kMaxAssets>& stored = tangible ? s.sTAssets : s.sIAssets;
  StoreListEntries(stored, entries);
  if (!stored[1].isEmpty())
    progress.MarkProgressStep(tangible ? ProgressStep::TangiblesEntered : ProgressStep::IntangiblesEntered);
  (tangible ? s.nTAssets : s.nIAssets) = static_cast<Integer>(entries.size());
  if (tangible) {
    commands.EnableButton(Command::PairTT, s.nTAssets >= 2);
  } else {
    commands.EnableButton(Command::PairII, s.nIAssets >= 2);
  }
  commands.EnableButton(Command::PairTI, s.nTAssets >= 2 && s.nIAssets >= 2);
}

}  // namespace quillane
