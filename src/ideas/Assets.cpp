#include "ideas/Assets.h"

#include "core/Program.h"
#include "criteria/CriteriaList.h"

namespace quillane {

QStringList AssetEntries(const Session& s, AssetKind kind) {
  const TextList<kMaxAssets>& stored = kind == AssetKind::Tangible ? s.sTAssets : s.sIAssets;
  QStringList entries;
  for (std::size_t i = 1; i < stored.size() && !stored[i].isEmpty(); ++i) entries << stored[i];
  return entries;
}

void StoreAssets(Program& program, AssetKind kind, const QStringList& entries) {
  Session& s = program.session;
  const bool tangible = kind == AssetKind::Tangible;
  TextList<kMaxAssets>& stored = tangible ? s.sTAssets : s.sIAssets;
  StoreListEntries(stored, entries);
  if (!stored[1].isEmpty())
    program.MarkProgressStep(tangible ? ProgressStep::TangiblesEntered : ProgressStep::IntangiblesEntered);
  (tangible ? s.nTAssets : s.nIAssets) = static_cast<Integer>(entries.size());
  if (tangible) {
    program.commands.EnableButton(Cmd::kPairTT, s.nTAssets >= 2);
  } else {
    program.commands.EnableButton(Cmd::kPairII, s.nIAssets >= 2);
  }
  program.commands.EnableButton(Cmd::kPairTI, s.nTAssets >= 2 && s.nIAssets >= 2);
}

}  // namespace quillane
