#pragma once

#include <QStringList>
#include <span>

#include "core/Session.h"

namespace quillane {

class Program;

// The idea list and the picks made from it in the selection dialog.

// Replaces the whole idea list by `ideas` (the dialog's list after a
// deletion): the old slots are cleared up to the first empty one.
void StoreIdeas(Session& session, const QStringList& ideas);

// Stores a pick in list order into `list`, clearing an earlier, longer pick.
void StorePick(std::span<QString> list, Integer& count, const QStringList& picked);

// Replaces idea `position` (from 1) by `text` and shows the encouragement of
// the present count again, in a plain message box.
void ReplaceIdea(Program& program, int position, const QString& text);

// After ideas were deleted: the commands that step from ideas follow the count.
void IdeasDeleted(Program& program);

}  // namespace quillane
