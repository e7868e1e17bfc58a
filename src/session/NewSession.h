#pragma once

#include "session/UnsavedChanges.h"

namespace quillane {

class Prompter;
class SessionDocument;

// Starts a new session. A changed session first asks whether to save it:
// Yes saves (and asks again when that save did not write the file), No
// discards the changes, Cancel keeps everything as it is. True when the new
// session has started: the document is empty, untitled and unchanged
// (settings and constants keep their values). The caller then resets the
// techniques' run states, which live with their features.
bool NewSession(SessionDocument& document, Prompter& prompter, const SaveCommandFn& save);

}  // namespace quillane
