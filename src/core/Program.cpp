#include "core/Program.h"

#include "platform/Platform.h"

namespace quillane {

int Program::MessageBox(const QString& text, int flags) {
  session.vAnswer = platform.MessageBox(dialogParent, text, flags, session.sTitle);
  return session.vAnswer;
}

}  // namespace quillane
