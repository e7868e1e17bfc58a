#pragma once

#include <QStringList>
#include <span>

#include "core/Session.h"

namespace quillane {

class Commands;
class Program;

// The idea list and the picks made from it in the selection dialog.

// What the selection dialog is shown for: viewing and editing the ideas, or
// picking ideas for a technique.
enum class IdeaPick { None, MindStepping, Clustering, Evaluation };

// The message number when `picked` ideas are too few for `pick`, else 0:
// MindStepping and Clustering take at least one, the evaluation two.
int PickRefusal(IdeaPick pick, int picked);

// Replaces the whole idea list by `ideas` (the dialog's list after a
// deletion): the old slots are cleared up to the first empty one.
void StoreIdeas(Session& session, const QStringList& ideas);

// Stores a pick in list order into `list`, clearing an earlier, longer pick.
void StorePick(std::span<QString> list, Integer& count, const QStringList& picked);

// Replaces idea `position` (from 1) by `text` and shows the encouragement of
// the present count again, in a plain message box.
void ReplaceIdea(Program& program, int position, const QString& text);

// After ideas were deleted: the commands that step from ideas follow the
// count, and the session is changed.
void IdeasDeleted(Session& session, Commands& commands);

}  // namespace quillane
