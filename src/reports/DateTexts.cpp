#include "reports/DateTexts.h"

#include "reports/HeadingTexts.h"
#include "resources/Texts.h"

namespace quillane {

namespace {

// The twelve month names of each heading language follow these numbers.
constexpr int kMonthNamesBefore[] = {0, 449, 461, 473, 485};

}  // namespace

void MonthNameFor(HeadingTexts& texts, const QString& month, int language) {
  if (language < 1 || language > 4 || month.size() != 2) return;
  if (!month.at(0).isDigit() || !month.at(1).isDigit()) return;
  const int number = month.toInt();
  if (number < 1 || number > 12) return;
  texts.sMonthName = Text(kMonthNamesBefore[language] + number);
}

void MakeDateTexts(HeadingTexts& texts, const QDate& today, int language) {
  if (!today.isValid()) return;
  const QString date = today.toString(QStringLiteral("MM-dd-yyyy"));
  QString day = date.mid(3, 2);
  if (day.toInt() < 10) day = day.mid(1);
  texts.sDateWork = day;
  MonthNameFor(texts, date.left(2), language);
  const QString year = date.right(4);
  const QString& month = texts.sMonthName;

  texts.sLangDate[1] = month + QLatin1Char(' ') + day + QStringLiteral(", ") + year;
  texts.sLangDate[2] = day + QStringLiteral(". ") + month + QLatin1Char(' ') + year;
  texts.sLangDate[3] = day + QLatin1Char(' ') + month + QLatin1Char(' ') + year;
  texts.sLangDate[4] = day + QLatin1Char(' ') + month + QLatin1Char(' ') + year;
}

}  // namespace quillane
