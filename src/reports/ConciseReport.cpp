#include "reports/ConciseReport.h"

#include <QPagedPaintDevice>

#include "core/Program.h"
#include "platform/Platform.h"
#include "reports/DateTexts.h"
#include "reports/HeadingGroups.h"
#include "reports/LineWriter.h"
#include "reports/PrinterSink.h"
#include "resources/Texts.h"
#include "session/CodePage.h"

namespace quillane {

namespace {

constexpr int kFontPoints = 12;
constexpr int kLeftColumn = 10;
constexpr int kWeightColumn = 57;
constexpr int kRatingColumn = 69;

void HeadingLine(Session& s, LineWriter& out, int section) {
  out.Column(kLeftColumn).Item(Heading(s, ConciseText, section)).EndLine();
}

// The left heading, then the right one at the column its group gives.
void TwoColumnHeading(Session& s, LineWriter& out, int left, int right) {
  out.Column(kLeftColumn).Item(Heading(s, ConciseText, left));
  const QString rightHeading = Heading(s, ConciseText, right);
  out.Column(HeadingColumn(s)).Item(rightHeading).EndLine();
}

}  // namespace

void WriteConciseLines(Session& s, LineWriter& out) {
  out.EmptyLines(3);
  out.Column(kLeftColumn).Item(Heading(s, ConciseText, ConciseSection::kTitle));
  out.Item(UpperCaseInCodePage(s.sLangDate[static_cast<std::size_t>(HeadingLanguage(s))])).EndLine();
  out.EmptyLines(2);

  HeadingLine(s, out, ConciseSection::kGoal);
  out.Column(kLeftColumn).Item(s.sGoal).EndLine();
  out.EmptyLines(2);

  HeadingLine(s, out, ConciseSection::kCriteria);
  out.EndLine();
  TwoColumnHeading(s, out, ConciseSection::kCriterion, ConciseSection::kWeight);
  for (int i = 1; i <= s.nCriteria; ++i) {
    const auto at = static_cast<std::size_t>(i);
    out.Column(kLeftColumn).Item(s.sCriteria[at]).Column(kWeightColumn).Number(s.sngWeight[at]).EndLine();
  }
  out.EmptyLines(2);

  HeadingLine(s, out, ConciseSection::kBestIdeas);
  out.EndLine();
  TwoColumnHeading(s, out, ConciseSection::kIdea, ConciseSection::kRating);
  for (int i = 1; i <= s.nEvalIdeas; ++i) {
    const auto at = static_cast<std::size_t>(i);
    out.Column(kLeftColumn).Item(s.sEvalIdeas[at]).Column(kRatingColumn).Number(s.sngResultB[at]).EndLine();
  }
}

void PrintConciseReport(Program& program) {
  Session& s = program.session;
  MakeDateTexts(s, program.platform.Today());
  // The job carries the report's title, as the printer queue shows it.
  const QString jobName = Heading(s, ConciseText, ConciseSection::kTitle).trimmed() + QLatin1Char(' ') +
                          UpperCaseInCodePage(s.sLangDate[static_cast<std::size_t>(HeadingLanguage(s))]);

  bool printed = false;
  QString pdfPath;
  {
    BusyPointer busy(program.platform);
    PrintTarget target = program.platform.OpenPrinter(jobName);
    pdfPath = target.pdfPath;
    if (target.device) {
      PrinterSink printer(*target.device, kFontPoints);
      LineWriter lines(printer);
      if (printer.printing()) WriteConciseLines(s, lines);
      printed = printer.Finish();
    }
  }
  // A printing problem is never an error to the user: the status bar says
  // where the pages went, or that they went nowhere.
  if (!printed) {
    program.ShowNotice(Text(3251));
  } else if (!pdfPath.isEmpty()) {
    program.ShowNotice(Text(3250) + QLatin1Char(' ') + pdfPath);
  }
  program.MarkProgressStep(ProgressStep::ReportPrinted);
}

}  // namespace quillane
