// The concise report: its lines and columns, and its pages on the printer.
#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTimer>

#include "reports/ConciseReport.h"
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

using Items = std::vector<std::pair<int, QString>>;
Items ItemsOf(const ReportLine& line) {
  Items items;
  for (const ReportLine::Item& item : line.items) items.emplace_back(item.column, item.text);
  return items;
}

class ConciseReportTest : public ReportTest {
 protected:
  QString PdfPath() const { return PathOf(platform.printJobs.value(0) + QStringLiteral(".pdf")); }
};

TEST_F(ConciseReportTest, FrenchHeadingsStandAtTheirColumns) {
  s.nLanguage = 3;
  HeadingTexts texts;
  MakeDateTexts(texts, platform.today, s.nLanguage);
  RecordingSink sink;
  LineWriter out(sink, QLocale::c());
  WriteConciseLines(s, e, texts, out);

  ASSERT_EQ(sink.lines.size(), 22u);
  const QString title = QString::fromUtf8(
      "R\xC3\x89SUM\xC3\x89 SUR LA S\xC3\x89"
      "ANCE QUILLANE DU 3 D\xC3\x89"
      "CEMBRE 2026");
  EXPECT_EQ(ItemsOf(sink.lines[3]), (Items{{10, title}}));
  EXPECT_EQ(ItemsOf(sink.lines[7]), (Items{{10, QStringLiteral("Faster delivery")}}));
  EXPECT_EQ(ItemsOf(sink.lines[12]),
            (Items{{10, QString::fromUtf8("Crit\xC3\xA8re:")}, {56, QStringLiteral("Poids:")}}));
  EXPECT_EQ(ItemsOf(sink.lines[13]), (Items{{10, QStringLiteral("Cost")}, {57, QStringLiteral(" 9 ")}}));
  EXPECT_EQ(ItemsOf(sink.lines[19]), (Items{{10, QString::fromUtf8("Id\xC3\xA9"
                                                                   "e:")},
                                            {65, QStringLiteral("Importance:")}}));
  EXPECT_EQ(ItemsOf(sink.lines[21]), (Items{{10, QStringLiteral("Drones")}, {69, QStringLiteral(" .5 ")}}));
}

TEST_F(ConciseReportTest, PrinterColumnsLineUpWithTheCharactersOfItsFont) {
  QPdfWriter pdf(PathOf(QStringLiteral("columns.pdf")));
  PrinterSink printer(pdf, 12);
  ASSERT_TRUE(printer.printing());
  EXPECT_EQ(printer.font().pointSize(), 12);
  // 55 characters end where column 56 starts: lines placed by columns and
  // lines of padded text agree.
  const QFontMetricsF metrics(printer.font(), &pdf);
  EXPECT_NEAR(metrics.horizontalAdvance(QString(55, QLatin1Char('W'))), printer.ColumnX(56),
              metrics.averageCharWidth() / 2);
  EXPECT_TRUE(printer.Finish());
}

TEST_F(ConciseReportTest, LongRankingContinuesOnFurtherPagesOfOneJob) {
  e.nEvalIdeas = 120;
  for (std::size_t i = 1; i <= 120; ++i) e.sEvalIdeas[i] = QStringLiteral("Idea %1").arg(i);
  PrintConciseReport(program, e);

  ASSERT_EQ(platform.printJobs.size(), 1);
  EXPECT_EQ(platform.printJobs[0], QStringLiteral("SUMMARY OF QUILLANE-SESSION DATED DECEMBER 3, 2026"));
  const int pages = PdfPages(PdfPath());  // 140 lines of 12 points
  EXPECT_GE(pages, 3);
  EXPECT_LE(pages, 4);
  EXPECT_TRUE(program.progress.done(ProgressStep::ReportPrinted));
}

TEST_F(ConciseReportTest, PdfInsteadOfPrinterIsNamedInTheStatusBarForTenSeconds) {
  PrintConciseReport(program, e);
  EXPECT_EQ(PdfPages(PdfPath()), 1);
  EXPECT_EQ(program.status.panelText(), Text(3250) + QLatin1Char(' ') + PdfPath());
  auto* timer = program.status.findChild<QTimer*>(QStringLiteral("tmrNotice"));
  ASSERT_NE(timer, nullptr);
  EXPECT_TRUE(timer->isActive());
  EXPECT_EQ(timer->interval(), 10000);
  QMetaObject::invokeMethod(timer, "timeout");
  EXPECT_EQ(program.status.panelText(), s.sUntitled) << "the workfile name returns";
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(ConciseReportTest, PagesThatCannotBePrintedAreNoErrorAndTheStepIsStillLit) {
  platform.printFolder = PathOf(QStringLiteral("no such folder"));
  PrintConciseReport(program, e);
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(program.status.panelText(), Text(3251));
  EXPECT_TRUE(program.progress.done(ProgressStep::ReportPrinted));
  EXPECT_EQ(platform.busyDepth, 0);
}

}  // namespace
}  // namespace quillane::test
