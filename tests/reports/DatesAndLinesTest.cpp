// Date texts, the number form and the column rule shared by the outputs.
#include <gtest/gtest.h>

#include <memory>

#include "core/Session.h"
#include "evaluation/EvaluationState.h"
#include "reports/DateTexts.h"
#include "reports/HeadingTexts.h"
#include "reports/LineWriter.h"
#include "reports/SessionReport.h"
#include "reports/TextFileSink.h"
#include "support/Lists.h"

namespace quillane::test {
namespace {

TEST(DateTexts, EachLanguageWritesTheDayWithoutLeadingZeroInItsOwnForm) {
  struct Case {
    int language;
    QDate date;
    const char* written;
  };
  const Case cases[] = {{1, QDate(2026, 12, 3), "December 3, 2026"},
                        {2, QDate(2026, 12, 3), "3. Dezember 2026"},
                        {3, QDate(2026, 8, 3), "3 août 2026"},
                        {2, QDate(2026, 3, 10), "10. März 2026"},
                        {4, QDate(2026, 3, 10), "10 maart 2026"}};
  HeadingTexts t;
  for (const Case& c : cases) {
    MakeDateTexts(t, c.date, c.language);
    EXPECT_EQ(t.sLangDate[static_cast<std::size_t>(c.language)], QString::fromUtf8(c.written)) << c.written;
    EXPECT_EQ(t.sDateWork, QString::number(c.date.day()));
  }
  // Every form takes the month name of the current language.
  EXPECT_EQ(t.sLangDate[1], QStringLiteral("maart 10, 2026"));
  EXPECT_EQ(t.sLangDate[2], QStringLiteral("10. maart 2026"));
  // Neither an impossible month nor an unknown language changes the name.
  MonthNameFor(t, QStringLiteral("13"), 4);
  MonthNameFor(t, QStringLiteral("01"), 5);
  EXPECT_EQ(t.sMonthName, QStringLiteral("maart"));
}

TEST(ReportNumber, ShortestFormBetweenBlanksWithTheGivenSeparator) {
  const QLocale c = QLocale::c();
  EXPECT_EQ(ReportNumber(9.0f, c), QStringLiteral(" 9 "));
  EXPECT_EQ(ReportNumber(0.5f, c), QStringLiteral(" .5 "));
  EXPECT_EQ(ReportNumber(1.0f / 3.0f, c), QStringLiteral(" .3333333 "));
  EXPECT_EQ(ReportNumber(1234567.0f, c), QStringLiteral(" 1234567 ")) << "no group separators";
  EXPECT_EQ(ReportNumber(-0.25f, c), QStringLiteral("-.25 ")) << "the minus takes the blank's place";
  EXPECT_EQ(ReportNumber(4.5f, QLocale(QLocale::German)), QStringLiteral(" 4,5 "));
}

TEST(LineWriter, AnItemPastItsColumnMovesToThatColumnOfTheNextLine) {
  auto s = std::make_unique<SessionContent>();
  Fill(s->sCriteria, s->nCriteria, {QString(46, QLatin1Char('a')), QString(47, QLatin1Char('b'))});
  s->sngWeight[1] = s->sngWeight[2] = 9.0f;
  TextFileSink file;
  LineWriter out(file, QLocale::c());
  const auto results = std::make_unique<EvaluationState>();
  HeadingTexts texts;
  WriteReportLines(*s, 1, *results, texts, out);

  const QStringList lines = file.text().split(QStringLiteral("\r\n"));
  const qsizetype first = lines.indexOf(s->sCriteria[1] + QStringLiteral(" 9 "));
  ASSERT_GE(first, 0) << "46 characters: the weight follows on the same line";
  EXPECT_EQ(lines.at(first + 1), s->sCriteria[2]);
  EXPECT_EQ(lines.at(first + 2), QString(46, QLatin1Char(' ')) + QStringLiteral(" 9 "));
}

}  // namespace
}  // namespace quillane::test
