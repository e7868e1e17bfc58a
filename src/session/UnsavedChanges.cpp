#include "session/UnsavedChanges.h"

#include "core/Prompter.h"
#include "core/SessionDocument.h"
#include "platform/Platform.h"
#include "resources/Texts.h"

namespace quillane {

Answer AskToSaveChanges(Prompter& prompter) {
  const QString text = Text(512) + QStringLiteral("\r\r") + Text(513);
  return prompter.Ask(text, MsgButtons::YesNoCancel + MsgIcon::Exclamation);
}

bool SettleUnsavedChanges(const SessionDocument& document, Prompter& prompter, const SaveCommandFn& save) {
  // Only the last answer counts: the changes are never dropped unsaved
  // unless the user says No.
  while (document.isModified()) {
    const Answer answer = AskToSaveChanges(prompter);
    if (answer == Answer::No) return true;
    if (answer != Answer::Yes) return false;  // Cancel, or the box closed
    if (save() == FileOutcome::Done) return true;
  }
  return true;
}

}  // namespace quillane
