#pragma once

#include <QString>
#include <optional>
#include <span>

#include "platform/Platform.h"

namespace quillane {

class Prompter;

// True when `path` names a file that the user may read; "", a folder and
// anything missing or unreadable give false. The file system is asked; the
// file is never opened.
bool FileExists(const QString& path);

// The kind of file a dialog lists: "Quillane (*.qln)".
struct FileFilter {
  QString name;
  QString extension;
};

// The one Open / Save As dialog of the program, proposing `proposal`.
// Returns the chosen path, or nothing when the user cancelled. Save As asks
// before it lets an existing file be replaced, and shows the dialog again
// until the user names a new file, agrees or cancels.
std::optional<QString> ChooseFile(Prompter& prompter, FileDialogMode mode, FileFilter filter,
                                  const QString& proposal);

// The same dialog listing several kinds of file, the first one chosen at
// first; the chosen file's extension tells which kind the user picked.
std::optional<QString> ChooseFile(Prompter& prompter, FileDialogMode mode,
                                  std::span<const FileFilter> filters, const QString& proposal);

}  // namespace quillane
