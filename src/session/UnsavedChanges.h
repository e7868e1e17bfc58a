#pragma once

#include <functional>

#include "platform/Platform.h"
#include "session/Workfile.h"

namespace quillane {

class Prompter;
class SessionDocument;

// Asks whether the changed session is to be saved first, with Yes, No and
// Cancel. Returns Yes, No or Cancel.
Answer AskToSaveChanges(Prompter& prompter);

// The save a question to save the changes runs: the main window's Save
// command; tests hand in their own.
using SaveCommandFn = std::function<FileOutcome()>;

// Before the session is replaced (New Session, Open Session): a changed
// session asks whether to save it. Yes saves, and asks again when that save
// did not write the file; No lets the changes go; Cancel keeps everything.
// True when the session may be replaced.
bool SettleUnsavedChanges(const SessionDocument& document, Prompter& prompter, const SaveCommandFn& save);

}  // namespace quillane
