#pragma once

#include <QString>
#include <functional>

namespace quillane {

class Program;

// What SaveWorkfile does.
namespace SaveMode {
inline constexpr int kSave = 0;    // under the workfile's name; asks for one when untitled
inline constexpr int kSaveAs = 1;  // under a name the user chooses
inline constexpr int kBackup = 2;  // BACKUP.QLN in the data folder, plain, without a question
}  // namespace SaveMode

// Where the automatic backup goes.
QString BackupPath(const Program& program);

// Writes the session content into a workfile. `bCancel` is set when the
// user cancelled the file dialog, and also when the file could not be
// written (the user was told, and the file is as it was), so a caller that
// would discard the session after a save never does so unsaved.
void SaveWorkfile(Program& program, int mode);

// Lets the user choose a workfile and loads it. `showPasswordEntry` shows the
// password dialog in its enter mode: it leaves the typed text in
// `sPasswordEntry`, or sets `bCancel`. A file that is not a sound workfile is
// refused with a message and changes nothing.
void OpenWorkfile(Program& program, const std::function<void()>& showPasswordEntry);

}  // namespace quillane
