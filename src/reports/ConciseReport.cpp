#include "reports/ConciseReport.h"

#include <QPagedPaintDevice>

#include "core/RunEvents.h"
#include "core/Session.h"
#include "core/StatusLine.h"
#include "evaluation/EvaluationState.h"
#include "files/CodePage.h"
#include "platform/Platform.h"
#include "reports/DateTexts.h"
#include "reports/HeadingGroups.h"
#include "reports/HeadingTexts.h"
#include "reports/LineWriter.h"
#include "reports/PrinterSink.h"
#include "resources/Texts.h"

namespace quillane {

namespace {

constexpr int kFontPoints = 12;
constexpr int kLeftColumn = 10;
constexpr int kWeightColumn = 57;
constexpr int kRatingColumn = 69;

void HeadingLine(HeadingTexts& t, int language, LineWriter& out, int section) {
  out.Column(kLeftColumn).Item(Heading(t, language, ConciseText, section)).EndLine();
}

// The left heading, then the right one at the column its group gives.
void TwoColumnHeading(HeadingTexts& t, int language, LineWriter& out, int left, int right) {
  out.Column(kLeftColumn).Item(Heading(t, language, ConciseText, left));
  const QString rightHeading = Heading(t, language, ConciseText, right);
  out.Column(HeadingColumn(t, language)).Item(rightHeading).EndLine();
}

}  // namespace

void WriteConciseLines(const SessionContent& s, int nLanguage, const EvaluationState& e, HeadingTexts& t,
                       LineWriter& out) {
  const int language = HeadingLanguage(nLanguage);
  out.EmptyLines(3);
  out.Column(kLeftColumn).Item(Heading(t, language, ConciseText, ConciseSection::kTitle));
  out.Item(UpperCaseInCodePage(t.sLangDate[static_cast<std::size_t>(language)])).EndLine();
  out.EmptyLines(2);

  HeadingLine(t, language, out, ConciseSection::kGoal);
  out.Column(kLeftColumn).Item(s.sGoal).EndLine();
  out.EmptyLines(2);

  HeadingLine(t, language, out, ConciseSection::kCriteria);
  out.EndLine();
  TwoColumnHeading(t, language, out, ConciseSection::kCriterion, ConciseSection::kWeight);
  for (int i = 1; i <= s.nCriteria; ++i) {
    const auto at = static_cast<std::size_t>(i);
    out.Column(kLeftColumn).Item(s.sCriteria[at]).Column(kWeightColumn).Number(s.sngWeight[at]).EndLine();
  }
  out.EmptyLines(2);

  HeadingLine(t, language, out, ConciseSection::kBestIdeas);
  out.EndLine();
  TwoColumnHeading(t, language, out, ConciseSection::kIdea, ConciseSection::kRating);
  for (int i = 1; i <= e.nEvalIdeas; ++i) {
    const auto at = static_cast<std::size_t>(i);
    out.Column(kLeftColumn).Item(e.sEvalIdeas[at]).Column(kRatingColumn).Number(e.sngResultB[at]).EndLine();
  }
}

void PrintConciseReport(const SessionContent& content, int nLanguage, const EvaluationState& evaluation,
                        Platform& platform, StatusLine& status, RunEvents& events) {
  HeadingTexts texts;
  MakeDateTexts(texts, platform.Today(), nLanguage);
  // The job carries the report's title, as the printer queue shows it.
  const int language = HeadingLanguage(nLanguage);
  const QString jobName = Heading(texts, language, ConciseText, ConciseSection::kTitle).trimmed() +
                          QLatin1Char(' ') +
                          UpperCaseInCodePage(texts.sLangDate[static_cast<std::size_t>(language)]);

  bool printed = false;
  QString pdfPath;
  {
    BusyPointer busy(platform);
    PrintTarget target = platform.OpenPrinter(jobName);
    pdfPath = target.pdfPath;
    if (target.device) {
      PrinterSink printer(*target.device, kFontPoints);
      LineWriter lines(printer);
      if (printer.printing()) WriteConciseLines(content, nLanguage, evaluation, texts, lines);
      printed = printer.Finish();
    }
  }
  // A printing problem is never an error to the user: the status bar says
  // where the pages went, or that they went nowhere.
  if (!printed) {
    status.ShowNotice(Text(3251));
  } else if (!pdfPath.isEmpty()) {
    status.ShowNotice(Text(3250) + QLatin1Char(' ') + pdfPath);
  }
  emit events.summaryPrinted();
}

}  // namespace quillane
