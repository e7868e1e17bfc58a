#pragma once

#include <QString>

#include "platform/Platform.h"

namespace quillane {

class Program;

// True when `path` names a file that can be opened for reading; "", a
// folder and anything that cannot be opened give false.
bool FileExists(const QString& path);

// The one Open / Save As dialog of the program, driven by the session's
// `sFileName`, `sFilterName` and `sFilterExt`. A chosen path goes into
// `sFileName`; a cancel sets `bCancel` and leaves `sFileName` as it was.
// Save As asks before it lets an existing file be replaced, and shows the
// dialog again until the user names a new file, agrees or cancels.
void ShowFileDialog(Program& program, FileDialogMode mode);

}  // namespace quillane
