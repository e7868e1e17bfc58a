#include "reports/SessionReport.h"

#include "core/Program.h"
#include "platform/Platform.h"
#include "reports/HeadingGroups.h"
#include "reports/LineWriter.h"
#include "reports/TextOutput.h"
#include "session/CodePage.h"
#include "session/FileChoice.h"

namespace quillane {

namespace {

constexpr int kWeightColumn = 47;
constexpr int kRatingColumn = 59;

void HeadingLine(Session& s, LineWriter& out, int section) {
  out.Item(Heading(s, ReportText, section)).EndLine();
}

// The left heading, then the right one at the column its group gives.
void TwoColumnHeading(Session& s, LineWriter& out, int left, int right) {
  out.Item(Heading(s, ReportText, left));
  const QString rightHeading = Heading(s, ReportText, right);
  out.Column(HeadingColumn(s)).Item(rightHeading).EndLine();
}

template <typename List>
void ListLines(LineWriter& out, const List& list, int count) {
  for (int i = 1; i <= count; ++i) out.Item(list[static_cast<std::size_t>(i)]).EndLine();
}

}  // namespace

void WriteReportLines(Session& s, LineWriter& out) {
  out.EndLine();
  out.Item(Heading(s, ReportText, ReportSection::kTitle));
  out.Item(UpperCaseInCodePage(s.sLangDate[static_cast<std::size_t>(HeadingLanguage(s))])).EndLine();
  out.EmptyLines(3);

  HeadingLine(s, out, ReportSection::kGoal);
  out.Item(s.sGoal).EndLine();
  out.EmptyLines(2);

  HeadingLine(s, out, ReportSection::kCriteria);
  out.EndLine();
  TwoColumnHeading(s, out, ReportSection::kCriterion, ReportSection::kWeight);
  for (int i = 1; i <= s.nCriteria; ++i) {
    const auto at = static_cast<std::size_t>(i);
    out.Item(s.sCriteria[at]).Column(kWeightColumn).Number(s.sngWeight[at]).EndLine();
  }
  out.EmptyLines(2);

  HeadingLine(s, out, ReportSection::kTangibles);
  out.EndLine();
  ListLines(out, s.sTAssets, s.nTAssets);
  out.EmptyLines(2);

  HeadingLine(s, out, ReportSection::kIntangibles);
  out.EndLine();
  ListLines(out, s.sIAssets, s.nIAssets);
  out.EmptyLines(2);

  HeadingLine(s, out, ReportSection::kAllIdeas);
  ListLines(out, s.sIdeas, s.nIdeas);
  out.EmptyLines(2);

  HeadingLine(s, out, ReportSection::kBestIdeas);
  out.EndLine();
  TwoColumnHeading(s, out, ReportSection::kIdea, ReportSection::kRating);
  for (int i = 1; i <= s.nEvalIdeas; ++i) {
    const auto at = static_cast<std::size_t>(i);
    out.Item(s.sEvalIdeas[at]).Column(kRatingColumn).Number(s.sngResultB[at]).EndLine();
  }
}

FileOutcome WriteReport(Program& program) {
  return SaveTextOutput(program, {ReportProposal, &Session::sReportFile, WriteReportLines,
                                  StatusKind::kSavingReport, ProgressStep::ReportSaved, Cmd::kViewReport});
}

void ViewReport(Program& program) {
  const Session& s = program.session;
  if (!FileExists(s.sReportFile)) return;
  if (FileExists(s.sTextEditor)) {
    StartViewer(program, s.sReportFile);
  } else {
    program.platform.OpenWithDesktop(s.sReportFile);
  }
}

}  // namespace quillane
