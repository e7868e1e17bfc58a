#pragma once

#include <QString>
#include <functional>
#include <optional>

namespace quillane {

class Program;

// How a file procedure ended.
enum class FileOutcome {
  Done,       // the file was written or read
  Cancelled,  // the user cancelled a dialog; nothing changed
  Failed,     // the file could not be written or read; the user was told
};

enum class SaveMode {
  kSave,    // under the workfile's name; asks for one when untitled
  kSaveAs,  // under a name the user chooses
};

// Writes the session content into a workfile. Done clears the change flag
// and makes the file the session's workfile. A caller that would discard
// the session after a save goes on only after Done.
FileOutcome SaveWorkfile(Program& program, SaveMode mode);

// The typed password, or nothing when the user cancelled.
using AskPasswordFn = std::function<std::optional<QString>()>;

// The longest password the password box takes.
inline constexpr int kMaxPasswordLength = 15;

// Lets the user choose a workfile and loads it (a cancelled dialog or a
// missing file: Cancelled, nothing changes).
FileOutcome OpenWorkfile(Program& program, const AskPasswordFn& askPassword);

// Loads the workfile at `path`; `askPassword` asks for the password of a
// protected one. A file that is not a sound workfile (not a regular file,
// too large, damaged or cut short) is refused with a message; it, a wrong
// password and a cancelled one all leave the session exactly as it was.
FileOutcome LoadWorkfile(Program& program, const QString& path, const AskPasswordFn& askPassword);

}  // namespace quillane
