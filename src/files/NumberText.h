#pragma once

#include <QString>
#include <optional>

namespace quillane {

// A number as files show it: invariant (a period as the decimal separator),
// the shortest form of at most seven significant digits that reads back as
// the same single-precision value, never in exponent form, and without the
// zero before the point below 1 (".5", "-.25").
QString FormatNumber(float value);

// A double-precision number in the same form, with as many significant
// digits (at most seventeen) as it takes to read back as the same double.
QString FormatDoubleNumber(double value);

// Reads a number in that form or in the usual ones ("0.5", "5.", "1E-05");
// blanks around it are allowed. Nothing for anything else, and for values
// out of range. Takes time in proportion to the text's length.
std::optional<double> ParseNumber(const QString& text);

}  // namespace quillane
