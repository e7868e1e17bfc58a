#pragma once

#include "session/SaveWorkfileFn.h"

namespace quillane {

class Program;

// Starts a new session. A changed session first asks whether to save it:
// Yes saves (and asks again when that save was cancelled), No discards the
// changes, Cancel keeps everything as it is.
void NewSession(Program& program, const SaveWorkfileFn& saveWorkfile);

// Empties the session: its content, its working state, its files and the
// change flag, and brings the commands, the progress steps and the status
// bar to a new session. Settings, constants, the I Ching tables and slot 0
// of every list keep their values.
void ResetSession(Program& program);

}  // namespace quillane
