#include "reports/SessionReport.h"

#include "core/Program.h"
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

void WriteReportLines(const Session& s, const EvaluationState& e, HeadingTexts& t, LineWriter& out) {
  const int language = HeadingLanguage(s);
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

FileOutcome WriteReport(Program& program, const EvaluationState& evaluation) {
  return SaveTextOutput(program, evaluation,
                        {ReportProposal, &Session::sReportFile, WriteReportLines, StatusKind::kSavingReport,
                         ProgressStep::ReportSaved, Command::ViewReport});
}

void ViewReport(const Session& s, Platform& platform) {
  if (!FileExists(s.sReportFile)) return;
  if (FileExists(s.sTextEditor)) {
    StartViewer(platform, s.sTextEditor, s.sReportFile);
  } else {
    platform.OpenWithDesktop(s.sReportFile);
  }
}

}  // namespace quillane
