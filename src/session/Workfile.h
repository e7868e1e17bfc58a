#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "core/Session.h"

namespace quillane {

class Platform;
class Prompter;
class SessionDocument;
class StatusLine;
struct Constants;
struct EvaluationState;

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

// Writes the session content into a workfile, with the evaluation when it
// was ranked. Done marks the document saved under the file's name and shows
// the busy message. A caller that would discard the session after a save
// goes on only after Done. `fileWork` counts the write as file work. The
// file dialog starts at the workfile, else in `lastFolder` when one is given.
FileOutcome SaveWorkfile(SessionDocument& document, const EvaluationState& evaluation, Prompter& prompter,
                         Platform& platform, StatusLine& status, const Constants& constants, int& fileWork,
                         SaveMode mode, const QString& lastFolder = QString());

// The password typed for a file of the given protection, or nothing when
// the user cancelled.
using AskPasswordFn = std::function<std::optional<QString>(Protection)>;

// Lets the user choose a workfile and loads it (a cancelled dialog or a
// missing file: Cancelled, nothing changes). The file dialog starts in the
// folder of the current workfile, else in `lastFolder` when one is given.
FileOutcome OpenWorkfile(SessionDocument& document, EvaluationState& evaluation, Prompter& prompter,
                         Platform& platform, StatusLine& status, const Constants& constants, int& fileWork,
                         const AskPasswordFn& askPassword, const QString& lastFolder = QString());

// Tells that the workfile at `path` is not there, or that this account may
// not read it, naming it; Failed.
enum class WorkfileUnread { Missing, Unreadable };
FileOutcome TellWorkfileNotRead(Prompter& prompter, const QString& path, WorkfileUnread why);

// The folder a file dialog for workfiles starts in: the current workfile's,
// else `lastFolder`; "" for the working folder.
QString WorkfileFolder(const QString& workfile, const QString& lastFolder);

// Loads the workfile at `path`; `askPassword` asks for the password of a
// protected one. A file that is not a sound workfile (not a regular file,
// too large, damaged or cut short) is refused with a message; it, a wrong
// password and a cancelled one all leave the session exactly as it was.
// An encrypted file whose key does not open it is told in one message that
// does not say whether the password or the file was wrong.
// Done: `evaluation` becomes the one the file keeps (empty when it keeps
// none), then the document takes the content, its password and protection
// (none for a plain file), the key of an encrypted one, and the path.
FileOutcome LoadWorkfile(SessionDocument& document, EvaluationState& evaluation, Prompter& prompter,
                         Platform& platform, StatusLine& status, const Constants& constants, int& fileWork,
                         const QString& path, const AskPasswordFn& askPassword);

}  // namespace quillane
