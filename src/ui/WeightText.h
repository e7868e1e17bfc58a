#pragma once

#include <QLocale>
#include <QString>

#include "core/Session.h"

namespace quillane {

// A weight as the weight-bar table shows it: converted with the user's
// number settings, and a whole number followed by the literal ",0" whatever
// those settings are (9 shows as "9,0", 4.5 as "4.5" or "4,5").
QString WeightText(Single weight, const QLocale& locale = QLocale());

// The last bar column a weight fills: one cell per half point from column 2,
// so Int(2 * weight) + 1; a value below 2 means no cell at all. Never past
// column 19, the last bar column.
int LastBarColumn(Single weight);

}  // namespace quillane
