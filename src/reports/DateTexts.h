#pragma once

#include <QDate>
#include <QString>

namespace quillane {

struct HeadingTexts;

// Sets `sMonthName` to the name of `month` ("01" to "12") in heading language
// `language` (1 to 4). Any other month text or language leaves it unchanged.
void MonthNameFor(HeadingTexts& texts, const QString& month, int language);

// Fills `sDateWork` (the day without a leading zero), `sMonthName` (in heading
// language `language`) and the four dates `sLangDate(1..4)` from `today`.
void MakeDateTexts(HeadingTexts& texts, const QDate& today, int language);

}  // namespace quillane
