#include "session/UnsavedChanges.h"

#include "core/Program.h"
#include "platform/Platform.h"
#include "resources/Texts.h"

namespace quillane {

int AskToSaveChanges(Program& program) {
  const QString text = Text(512) + QStringLiteral("\r\r") + Text(513);
  return program.MessageBox(text, MsgFlags::kYesNoCancel + MsgFlags::kExclamation);
}

}  // namespace quillane
