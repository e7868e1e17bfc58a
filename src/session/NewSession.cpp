#include "session/NewSession.h"

#include "core/Commands.h"
#include "core/Program.h"
#include "core/Session.h"
#include "session/UnsavedChanges.h"

namespace quillane {

bool NewSession(Program& program, const SaveCommandFn& save) {
  if (!SettleUnsavedChanges(program, save)) return false;
  ResetSession(program);
  return true;
}

void ResetSession(Program& program) {
  Session& s = program.session;
  SetNewSessionCommands(program.commands);
  program.MarkProgressStep(ProgressStep::ClearAll);
  s.bChanged = false;
  // Slot 0 of every list is never used, so it is emptied with the rest.
  static_cast<SessionContent&>(s) = SessionContent{};
  for (int c = 1; c <= kMaxCriteria; ++c) {
    for (int k = 1; k <= kMaxIdeas; ++k) {
      s.sngScore[k][c] = 0;
      s.dblScoreW[k][c] = 0;
    }
  }
  for (int k = 1; k <= kMaxIdeas; ++k) {
    s.sMindStep[k].clear();
    s.sCluster[k].clear();
    s.sEvalIdeas[k].clear();
    s.dblTotal[k] = 0;
    s.sngResultA[k] = 0;
    s.sngResultB[k] = 0;
  }
  s.vRating = 0;
  s.nRateA = s.nRateB = 0;
  for (int w = 1; w <= kMaxWords; ++w) {
    s.sActions[w].clear();
    s.sObjects[w].clear();
  }
  s.nActions = s.nObjects = 0;
  s.nSuggestA = s.nSuggestB = s.nSuggestPrevA = s.nSuggestPrevB = 0;
  s.nPairA = s.nPairB = s.nPairPrevA = s.nPairPrevB = 0;
  s.nMindStep = s.nMindStepPos = s.nCluster = s.nEvalIdeas = s.nEvalIdea = s.nEvalCrit = 0;
  s.sWorkfile.clear();
  s.sReportFile.clear();
  s.sPlanFile.clear();
  program.ShowWorkfileName();
}

}  // namespace quillane
