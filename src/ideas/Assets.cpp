#include "ideas/Assets.h"

namespace quillane {

QStringList AssetEntries(const SessionContent& s, AssetKind kind) {
  const TextList<kMaxAssets>& stored = kind == AssetKind::Tangible ? s.sTAssets : s.sIAssets;
  QStringList entries;
  for (std::size_t i = 1; i < stored.size() && !stored[i].isEmpty(); ++i) entries << stored[i];
  return entries;
}

}  // namespace quillane
