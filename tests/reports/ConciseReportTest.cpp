// The concise report on the printer: its columns in any font, and its pages.
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTimer>
#include <algorithm>

#include "reports/DateTexts.h"
#include "reports/HeadingTexts.h"
#include "reports/PrinterSink.h"
#include "reports/ReportFixture.h"
#include "resources/Texts.h"

namespace quillane::test {
namespace {

// Pages in a PDF: its page objects, not the page tree.
int PdfPages(const QString& path) {
  QFile file(path);
  static const QRegularExpression kPage(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"));
  return file.open(QIODevice::ReadOnly) ? static_cast<int>(QString::fromLatin1(file.readAll()).count(kPage))
                                        : 0;
}

class ConciseReportTest : public ReportTest {
 protected:
  QString PdfPath() const { return PathOf(platform.printJobs.value(0) + QStringLiteral(".pdf")); }
};

// Every fixed-pitch family of this machine and one proportional family.
QStringList PrinterFonts() {
  QStringList families;
  for (const QString& family : QFontDatabase::families()) {
    if (QFontDatabase::isFixedPitch(family)) families << family;
  }
  families << QStringLiteral("DejaVu Sans");
  return families;
}

// Prints the concise report of `s` and `e` in `family` and returns the printer.
std::unique_ptr<PrinterSink> PrintIn(QPdfWriter& pdf, const QString& family, const SessionContent& s,
                                     const EvaluationState& e) {
  constexpr int kEnglish = 1;
  auto printer = std::make_unique<PrinterSink>(pdf, 12, QFont(family));
  LineWriter out(*printer, QLocale::c());
  HeadingTexts texts;
  MakeDateTexts(texts, QDate(2026, 12, 3), kEnglish);
  WriteConciseLines(s, kEnglish, e, texts, out);
  return printer;
}

TEST_F(ConciseReportTest, PrinterColumnsFollowEveryFontAsItIsDrawn) {
  s.sCriteria[1] = QString(47, QLatin1Char('W'));  // wide letters: reaches past the weight column
  e.sEvalIdeas[1] = QStringLiteral("Mmmm ") + QString(60, QLatin1Char('m'));
  for (const QString& family : PrinterFonts()) {
    SCOPED_TRACE(family.toStdString());
    QPdfWriter pdf(PathOf(QStringLiteral("columns.pdf")));
    const auto printer = PrintIn(pdf, family, s, e);
    ASSERT_TRUE(printer->printing());
    const QFontMetricsF metrics(printer->font(), &pdf);
    if (QFontInfo(printer->font()).fixedPitch()) {
      // 55 characters end where column 56 starts.
      EXPECT_NEAR(metrics.horizontalAdvance(QString(55, QLatin1Char('W'))), printer->layout().ColumnX(56),
                  printer->layout().columnWidth() / 2);
    }
    // Nothing prints over anything else, nor past the page's edge.
    for (const PrinterLayout::Row& row : printer->printedRows()) {
      for (std::size_t i = 0; i < row.size(); ++i) {
        const double end = row[i].x + metrics.horizontalAdvance(row[i].text);
        EXPECT_LE(end, pdf.width() + 1.0) << row[i].text.toStdString();
        if (i + 1 < row.size()) {
          EXPECT_LE(end, row[i + 1].x + 1.0) << row[i].text.toStdString();
        }
      }
    }
    EXPECT_TRUE(printer->Finish());
  }
}

TEST_F(ConciseReportTest, AWideCriterionInAProportionalFontMovesItsWeightToTheNextLine) {
  QPdfWriter pdf(PathOf(QStringLiteral("wide.pdf")));
  const QFont proportional(QStringLiteral("DejaVu Sans"));
  {
    // 47 of the widest letter that still leaves the criterion on one line.
    const PrinterSink measure(pdf, 12, proportional);
    const QFontMetricsF metrics(measure.font(), &pdf);
    const PrinterLayout& layout = measure.layout();
    for (QChar letter : QStringLiteral("WMmwo")) {
      const QString wide(47, letter);
      if (layout.ColumnX(10) + metrics.horizontalAdvance(wide) < pdf.width()) {
        s.sCriteria[1] = wide;
        break;
      }
    }
    ASSERT_GT(layout.ColumnX(10) + metrics.horizontalAdvance(s.sCriteria[1]), layout.ColumnX(57))
        << "47 characters reach past the weight column";
  }
  s.nCriteria = 1;
  s.sngWeight[1] = 9.0f;
  e.nEvalIdeas = 0;
  const auto printer = PrintIn(pdf, proportional.family(), s, e);
  const auto& rows = printer->printedRows();
  const auto criterion = std::find_if(rows.begin(), rows.end(), [&](const PrinterLayout::Row& row) {
    return !row.empty() && row[0].text == s.sCriteria[1];
  });
  ASSERT_NE(criterion, rows.end());
  EXPECT_EQ(criterion->size(), 1u) << "the weight does not share the criterion's line";
  ASSERT_NE(criterion + 1, rows.end());
  ASSERT_EQ((criterion + 1)->size(), 1u);
  EXPECT_EQ((criterion + 1)->at(0).text, QStringLiteral(" 9 "));
  EXPECT_DOUBLE_EQ((criterion + 1)->at(0).x, printer->layout().ColumnX(57));
  EXPECT_TRUE(printer->Finish());
}

TEST_F(ConciseReportTest, ALongIdeaContinuesOnTheNextLineAtItsColumnWithNothingLost) {
  const QString idea = QStringLiteral("Fit every bike with a bell that purrs like a cat instead of ringing");
  e.nEvalIdeas = 1;
  e.sEvalIdeas[1] = idea + QString(80 - idea.size(), QLatin1Char('!'));
  QPdfWriter pdf(PathOf(QStringLiteral("long.pdf")));
  const auto printer = PrintIn(pdf, QStringLiteral("DejaVu Sans Mono"), s, e);
  const auto& rows = printer->printedRows();
  const auto first = std::find_if(rows.begin(), rows.end(), [&](const PrinterLayout::Row& row) {
    return !row.empty() && e.sEvalIdeas[1].startsWith(row[0].text) && row[0].text.size() > 10;
  });
  ASSERT_NE(first, rows.end());
  ASSERT_NE(first + 1, rows.end());
  const double column10 = printer->layout().ColumnX(10);
  EXPECT_DOUBLE_EQ(first->at(0).x, column10);
  EXPECT_DOUBLE_EQ((first + 1)->at(0).x, column10) << "the rest stands at the idea's own column";
  EXPECT_EQ(first->at(0).text + (first + 1)->at(0).text, e.sEvalIdeas[1]) << "no character is lost";
  EXPECT_LT(first->at(0).text.size(), 80);
  EXPECT_TRUE(printer->Finish());
}

TEST_F(ConciseReportTest, LongRankingContinuesOnFurtherPagesOfOneJob) {
  Fill(e.sEvalIdeas, e.nEvalIdeas, Numbered(QStringLiteral("Idea %1"), 120));
  Print();

  ASSERT_EQ(platform.printJobs.size(), 1);
  EXPECT_EQ(platform.printJobs[0], QStringLiteral("SUMMARY OF QUILLANE-SESSION DATED DECEMBER 3, 2026"));
  const int pages = PdfPages(PdfPath());  // 140 lines of 12 points
  EXPECT_GE(pages, 3);
  EXPECT_LE(pages, 4);
  EXPECT_TRUE(parts->progress.done(ProgressStep::ReportPrinted));
}

TEST_F(ConciseReportTest, PdfInsteadOfPrinterIsNamedInTheStatusBarForTenSeconds) {
  Print();
  EXPECT_EQ(PdfPages(PdfPath()), 1);
  EXPECT_EQ(parts->status.panelText(), Text(3250) + QLatin1Char(' ') + PdfPath());
  auto* timer = parts->status.findChild<QTimer*>(QStringLiteral("tmrNotice"));
  ASSERT_NE(timer, nullptr);
  EXPECT_TRUE(timer->isActive());
  EXPECT_EQ(timer->interval(), 10000);
  QMetaObject::invokeMethod(timer, "timeout");
  EXPECT_EQ(parts->status.panelText(), parts->constants.sUntitled) << "the workfile name returns";
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(ConciseReportTest, PagesThatCannotBePrintedAreNoErrorAndTheStepIsStillLit) {
  platform.printFolder = PathOf(QStringLiteral("no such folder"));
  Print();
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(parts->status.panelText(), Text(3251));
  EXPECT_TRUE(parts->progress.done(ProgressStep::ReportPrinted));
  EXPECT_EQ(platform.busyDepth, 0);
}

}  // namespace
}  // namespace quillane::test
