#include "reports/PlanFile.h"

#include "core/Program.h"
#include "evaluation/EvaluationState.h"
#include "files/CodePage.h"
#include "files/FileChoice.h"
#include "reports/HeadingGroups.h"
#include "reports/HeadingTexts.h"
#include "reports/LineWriter.h"
#include "reports/TextOutput.h"

namespace quillane {

namespace {
constexpr int kBestIdeaLines = 3;

}  // namespace

void WritePlanLines(const Session& s, const EvaluationState& e, HeadingTexts& t, LineWriter& out) {
  const int language = HeadingLanguage(s);
  out.EndLine();
  out.Item(Heading(t, language, PlanText, PlanSection::kTitle));
  out.Item(UpperCaseInCodePage(t.sLangDate[static_cast<std::size_t>(language)])).EndLine();
  out.EmptyLines(2);

  out.Item(Heading(t, language, PlanText, PlanSection::kGoal)).EndLine();
  out.Item(s.sGoal).EndLine();
  out.EmptyLines(2);

  // Always three lines: fewer evaluated ideas leave theirs empty.
  out.Item(Heading(t, language, PlanText, PlanSection::kBestIdea)).EndLine();
  for (int i = 1; i <= kBestIdeaLines; ++i) {
    if (i <= e.nEvalIdeas) out.Item(e.sEvalIdeas[static_cast<std::size_t>(i)]);
    out.EndLine();
  }
  out.EmptyLines(2);

  out.Item(Heading(t, language, PlanText, PlanSection::kAdvantages)).EndLine();
  for (int i = 1; i <= s.nCriteria; ++i) out.Item(s.sCriteria[static_cast<std::size_t>(i)]).EndLine();
}

FileOutcome WritePlan(Program& program, const EvaluationState& evaluation) {
  return SaveTextOutput(program, evaluation,
                        {PlanProposal, &Session::sPlanFile, WritePlanLines, StatusKind::kSavingPlan,
                         ProgressStep::PlanSaved, Command::ElaboratePlan});
}

void ElaboratePlan(const Session& session, Platform& platform) {
  if (!FileExists(session.sPlanFile)) return;
  StartViewer(platform, session.sTextEditor, session.sPlanFile);
}

}  // namespace quillane
