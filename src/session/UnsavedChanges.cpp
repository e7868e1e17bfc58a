#include "session/UnsavedChanges.h"

#include "core/Program.h"
#include "platform/Platform.h"
#include "resources/Texts.h"

namespace quillane {

int AskToSaveChanges(Program& program) {
  const QString text = Text(512) + QStringLiteral("\r\r") + Text(513);
  return program.MessageBox(text, MsgFlags::kYesNoCancel + MsgFlags::kExclamation);
}

bool SettleUnsavedChanges(Program& program, const SaveCommandFn& save) {
  // Only the last answer counts: the changes are never dropped unsaved
  // unless the user says No.
  while (program.session.bChanged) {
    const int answer = AskToSaveChanges(program);
    if (answer == kAnswerNo) return true;
    if (answer != kAnswerYes) return false;  // Cancel, or the box closed
    if (save() == FileOutcome::Done) return true;
  }
  return true;
}

}  // namespace quillane
