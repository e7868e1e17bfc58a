#include "core/Program.h"

#include "platform/Platform.h"

namespace quillane {

Answer Program::MessageBox(const QString& text, MsgStyle style) {
  return platform.MessageBox(dialogParent, text, style, session.sTitle);
}

}  // namespace quillane
