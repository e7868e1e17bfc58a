#include "session/UnsavedChanges.h"

#include "core/Program.h"
#include "platform/Platform.h"
#include "resources/Texts.h"

namespace quillane {

Answer AskToSaveChanges(Program& program) {
  const QString text = Text(512) + QStringLiteral("\r\r") + Text(513);
  return program.MessageBox(text, MsgButtons::YesNoCancel + MsgIcon::Exclamation);
}

bool SettleUnsavedChanges(Program& program, const SaveCommandFn& save) {
  // Only the last answer counts: the changes are never dropped unsaved
  // unless the user says No.
  while (program.session.bChanged) {
    const Answer answer = AskToSaveChanges(program);
    if (answer == Answer::No) return true;
    if (answer != Answer::Yes) return false;  // Cancel, or the box closed
    if (save() == FileOutcome::Done) return true;
  }
  return true;
}

}  // namespace quillane
