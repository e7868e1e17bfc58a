#include "reports/PlanFile.h"

#include "core/RunEvents.h"
#include "core/Session.h"
#include "core/StatusLine.h"
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

void WritePlanLines(const SessionContent& s, int nLanguage, const EvaluationState& e, HeadingTexts& t,
                    LineWriter& out) {
  const int language = HeadingLanguage(nLanguage);
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

FileOutcome WritePlan(const SessionContent& content, int nLanguage, const EvaluationState& evaluation,
                      OutputFiles& outputs, Prompter& prompter, Platform& platform, StatusLine& status,
                      const Constants& constants, RunEvents& events, int& fileWork) {
  return SaveTextOutput(content, nLanguage, evaluation, outputs, prompter, platform, status, constants,
                        events, fileWork,
                        {PlanProposal, &OutputFiles::sPlanFile, WritePlanLines, StatusKind::kSavingPlan,
                         &RunEvents::planSaved});
}

void ElaboratePlan(const OutputFiles& outputs, const QString& textEditor, Platform& platform,
                   Prompter& prompter) {
  if (!FileExists(outputs.sPlanFile)) return;
  StartViewer(platform, prompter, textEditor, outputs.sPlanFile);
}

}  // namespace quillane
