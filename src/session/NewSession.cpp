#include "session/NewSession.h"

#include "core/SessionDocument.h"
#include "session/UnsavedChanges.h"

namespace quillane {

bool NewSession(SessionDocument& document, Prompter& prompter, const SaveCommandFn& save) {
  if (!SettleUnsavedChanges(document, prompter, save)) return false;
  document.Reset();
  return true;
}

}  // namespace quillane
