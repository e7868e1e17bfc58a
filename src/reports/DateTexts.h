#pragma once

#include <QDate>
#include <QString>

namespace quillane {

struct Session;

// Sets `sMonthName` to the name of `month` ("01" to "12") in heading language
// `language` (1 to 4). Any other month text or language leaves it unchanged.
void MonthNameFor(Session& session, const QString& month, int language);

// Fills `sDateWork` (the day without a leading zero), `sMonthName` (in the
// current heading language) and the four dates `sLangDate(1..4)` from `today`.
void MakeDateTexts(Session& session, const QDate& today);

}  // namespace quillane
