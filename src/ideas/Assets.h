#pragma once

#include <QStringList>

namespace quillane {

class Commands;
class Progress;
struct SessionContent;
struct Session;

enum class AssetKind { Tangible, Intangible };

// The assets as the list of their page shows them: slots 1.. in order, up to
// the first empty one.
QStringList AssetEntries(const Session& session, AssetKind kind);

// Stores a confirmed asset list: the entries in order, the count, its
// progress step when there is a first entry, and the pairings it allows.
void StoreAssets(SessionContent& content, Commands& commands, Progress& progress, AssetKind kind,
                 const QStringList& entries);

}  // namespace quillane
