#include "core/Program.h"

#include "platform/Platform.h"

namespace quillane {

int Program::MessageBox(const QString& text, int flags) {
  return platform.MessageBox(dialogParent, text, flags, session.sTitle);
}

}  // namespace quillane
