#include "reports/SessionReport.h"

#include "core/RunEvents.h"
#include "core/Session.h"
#include "core/StatusLine.h"
#include "evaluation/EvaluationState.h"
#include "files/CodePage.h"
#include "files/FileChoice.h"
#include "platform/Platform.h"
#include "reports/HeadingGroups.h"
#include "reports/HeadingTexts.h"
#include "reports/LineWriter.h"
#include "reports/TextOutput.h"

namespace quillane {

namespace {

constexpr int kWeightColumn = 47;
constexpr int kRatingColumn = 59;

void HeadingLine(HeadingTexts& t, int language, LineWriter& out, int section) {
  out.Item(Heading(t, language, ReportText, section)).EndLine();
}

// The left heading, then the right one at the column its group gives.
void TwoColumnHeading(HeadingTexts& t, int language, LineWriter& out, int left, int right) {
  out.Item(Heading(t, language, ReportText, left));
  const QString rightHeading = Heading(t, language, ReportText, right);
  out.Column(HeadingColumn(t, language)).Item(rightHeading).EndLine();
}

template <typename List>
void ListLines(LineWriter& out, const List& list, int count) {
  for (int i = 1; i <= count; ++i) out.Item(list[static_cast<std::size_t>(i)]).EndLine();
}

}  // namespace

void WriteReportLines(const SessionContent& s, int nLanguage, const EvaluationState& e, HeadingTexts& t,
                      LineWriter& out) {
  const int language = HeadingLanguage(nLanguage);
  out.EndLine();
  out.Item(Heading(t, language, ReportText, ReportSection::kTitle));
  out.Item(UpperCaseInCodePage(t.sLangDate[static_cast<std::size_t>(language)])).EndLine();
  out.EmptyLines(3);

  HeadingLine(t, language, out, ReportSection::kGoal);
  out.Item(s.sGoal).EndLine();
  out.EmptyLines(2);

  HeadingLine(t, language, out, ReportSection::kCriteria);
  out.EndLine();
  TwoColumnHeading(t, language, out, ReportSection::kCriterion, ReportSection::kWeight);
  for (int i = 1; i <= s.nCriteria; ++i) {
    const auto at = static_cast<std::size_t>(i);
    out.Item(s.sCriteria[at]).Column(kWeightColumn).Number(s.sngWeight[at]).EndLine();
  }
  out.EmptyLines(2);

  HeadingLine(t, language, out, ReportSection::kTangibles);
  out.EndLine();
  ListLines(out, s.sTAssets, s.nTAssets);
  out.EmptyLines(2);

  HeadingLine(t, language, out, ReportSection::kIntangibles);
  out.EndLine();
  ListLines(out, s.sIAssets, s.nIAssets);
  out.EmptyLines(2);

  HeadingLine(t, language, out, ReportSection::kAllIdeas);
  ListLines(out, s.sIdeas, s.nIdeas);
  out.EmptyLines(2);

  HeadingLine(t, language, out, ReportSection::kBestIdeas);
  out.EndLine();
  TwoColumnHeading(t, language, out, ReportSection::kIdea, ReportSection::kRating);
  for (int i = 1; i <= e.nEvalIdeas; ++i) {
    const auto at = static_cast<std::size_t>(i);
    out.Item(e.sEvalIdeas[at]).Column(kRatingColumn).Number(e.sngResultB[at]).EndLine();
  }
}

FileOutcome WriteReport(const SessionContent& content, int nLanguage, const EvaluationState& evaluation,
                        OutputFiles& outputs, Prompter& prompter, Platform& platform, StatusLine& status,
                        const Constants& constants, RunEvents& events, int& fileWork) {
  return SaveTextOutput(content, nLanguage, evaluation, outputs, prompter, platform, status, constants,
                        events, fileWork,
                        {ReportProposal, &OutputFiles::sReportFile, WriteReportLines,
                         StatusKind::kSavingReport, &RunEvents::reportSaved});
}

void ViewReport(const OutputFiles& outputs, const QString& textEditor, Platform& platform,
                Prompter& prompter) {
  if (!FileExists(outputs.sReportFile)) return;
  StartViewer(platform, prompter, FileExists(textEditor) ? textEditor : QString(), outputs.sReportFile);
}

}  // namespace quillane
