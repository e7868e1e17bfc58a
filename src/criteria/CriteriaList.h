#pragma once

#include <QStringList>
#include <span>

namespace quillane {

class Commands;
class Progress;
struct SessionContent;

// Replaces the names stored in slots 1.. of `stored` by `entries`: the old
// names are emptied up to the first slot that is already empty, then the
// entries are copied in their order. Slot 0 is left alone.
void StoreListEntries(std::span<QString> stored, const QStringList& entries);

// Stores the edited criteria list when the dialog is confirmed: the names in
// list order, the "Criteria set" step when there is a first name, the count,
// and the Rate and View commands that the count allows.
void StoreCriteria(SessionContent& content, Commands& commands, Progress& progress,
                   const QStringList& entries);

}  // namespace quillane
