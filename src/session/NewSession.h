#pragma once

#include "session/UnsavedChanges.h"

namespace quillane {

class Commands;
class Program;
class Progress;
class StatusLine;
struct Session;

// Starts a new session. A changed session first asks whether to save it:
// Yes saves (and asks again when that save did not write the file), No
// discards the changes, Cancel keeps everything as it is. True when the new
// session has started; the caller then resets the techniques' run states,
// which live with their features.
bool NewSession(Program& program, const SaveCommandFn& save);

// Empties the session: its content, its files and the change flag, and
// brings the commands, the progress steps and the status bar to a new
// session. Settings and constants keep their values.
void ResetSession(Session& session, Commands& commands, Progress& progress, StatusLine& status);

}  // namespace quillane
