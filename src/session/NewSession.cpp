#include "session/NewSession.h"

#include "core/Commands.h"
#include "core/Program.h"
#include "core/Session.h"
#include "session/UnsavedChanges.h"

namespace quillane {

void NewSession(Program& program, const SaveWorkfileFn& saveWorkfile) {
  Session& s = program.session;
  // A save clears the change flag. One that was cancelled, or that could not
  // write the file, leaves it set, so the question comes back and only the
  // last answer counts: the changes are never dropped unsaved unless the
  // user says No.
  while (s.bChanged) {
    const int answer = AskToSaveChanges(program);
    if (answer == kAnswerNo) break;
    if (answer != kAnswerYes) return;  // Cancel, or the box closed
    saveWorkfile(0);
  }
  ResetSession(program);
}

void ResetSession(Program& program) {
  Session& s = program.session;
  SetNewSessionCommands(program.commands);
  program.MarkProgressStep(ProgressStep::ClearAll);
  s.bChanged = false;
  s.sGoal.clear();
  for (int c = 1; c <= kMaxCriteria; ++c) {
    s.sCriteria[c].clear();
    s.sTAssets[c].clear();
    s.sIAssets[c].clear();
    s.sngWeight[c] = 0;
    for (int k = 1; k <= kMaxIdeas; ++k) {
      s.sngScore[k][c] = 0;
      s.dblScoreW[k][c] = 0;
    }
  }
  for (int k = 1; k <= kMaxIdeas; ++k) {
    s.sIdeas[k].clear();
    s.sMindStep[k].clear();
    s.sCluster[k].clear();
    s.sEvalIdeas[k].clear();
    s.dblTotal[k] = 0;
    s.sngResultA[k] = 0;
    s.sngResultB[k] = 0;
  }
  s.nCriteria = 0;
  s.vRating = 0;
  s.nRateA = s.nRateB = s.nIdeas = s.nTAssets = s.nIAssets = 0;
  for (int w = 1; w <= kMaxWords; ++w) {
    s.sActions[w].clear();
    s.sObjects[w].clear();
  }
  s.nActions = s.nObjects = 0;
  s.nSuggestA = s.nSuggestB = s.nSuggestPrevA = s.nSuggestPrevB = 0;
  s.nPairA = s.nPairB = s.nPairPrevA = s.nPairPrevB = 0;
  s.nMindStep = s.nMindStepPos = s.nCluster = s.nEvalIdeas = s.nEvalIdea = s.nEvalCrit = 0;
  s.bMindStepPick = s.bClusterPick = s.bEvalPick = false;
  s.sFileName.clear();
  s.sWorkfile.clear();
  s.sReportFile.clear();
  s.sPlanFile.clear();
  s.sFilterName.clear();
  s.sFilterExt.clear();
  s.bPassword = false;
  s.sPassword.clear();
  program.ShowWorkfileName();
}

}  // namespace quillane
