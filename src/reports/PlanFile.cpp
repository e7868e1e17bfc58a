#include "reports/PlanFile.h"

#include "core/Program.h"
#include "reports/HeadingGroups.h"
#include "reports/LineWriter.h"
#include "reports/TextOutput.h"
#include "session/CodePage.h"
#include "session/FileChoice.h"

namespace quillane {

namespace {
constexpr int kBestIdeaLines = 3;

}  // namespace

void WritePlanLines(Session& s, LineWriter& out) {
  out.EndLine();
  out.Item(Heading(s, PlanText, PlanSection::kTitle));
  out.Item(UpperCaseInCodePage(s.sLangDate[static_cast<std::size_t>(HeadingLanguage(s))])).EndLine();
  out.EmptyLines(2);

  out.Item(Heading(s, PlanText, PlanSection::kGoal)).EndLine();
  out.Item(s.sGoal).EndLine();
  out.EmptyLines(2);

  // Always three lines: fewer evaluated ideas leave theirs empty.
  out.Item(Heading(s, PlanText, PlanSection::kBestIdea)).EndLine();
  for (int i = 1; i <= kBestIdeaLines; ++i) {
    if (i <= s.nEvalIdeas) out.Item(s.sEvalIdeas[static_cast<std::size_t>(i)]);
    out.EndLine();
  }
  out.EmptyLines(2);

  out.Item(Heading(s, PlanText, PlanSection::kAdvantages)).EndLine();
  for (int i = 1; i <= s.nCriteria; ++i) out.Item(s.sCriteria[static_cast<std::size_t>(i)]).EndLine();
}

FileOutcome WritePlan(Program& program) {
  return SaveTextOutput(program, {PlanProposal, &Session::sPlanFile, WritePlanLines, StatusKind::kSavingPlan,
                                  ProgressStep::PlanSaved, Cmd::kElaboratePlan});
}

void ElaboratePlan(Program& program) {
  if (!FileExists(program.session.sPlanFile)) return;
  StartViewer(program, program.session.sPlanFile);
}

}  // namespace quillane
