#include "session/NewSession.h"

#include "core/Commands.h"
#include "core/Program.h"
#include "core/Session.h"
#include "session/UnsavedChanges.h"

namespace quillane {

bool NewSession(Program& program, const SaveCommandFn& save) {
  if (!SettleUnsavedChanges(program, save)) return false;
  ResetSession(program.session, program.commands, program.progress, program.status);
  return true;
}

void ResetSession(Session& s, Commands& commands, Progress& progress, StatusLine& status) {
  SetNewSessionCommands(commands);
  progress.MarkProgressStep(ProgressStep::ClearAll);
  s.bChanged = false;
  // Slot 0 of every list is never used, so it is emptied with the rest.
  static_cast<SessionContent&>(s) = SessionContent{};
  s.sWorkfile.clear();
  s.sReportFile.clear();
  s.sPlanFile.clear();
  ShowWorkfileName(status, s);
}

}  // namespace quillane
