#include "ui/WeightText.h"

#include <algorithm>
#include <cmath>

namespace quillane {

namespace {
constexpr int kFirstBarColumn = 2;
constexpr int kLastBarColumn = 19;
// A single-precision value holds about seven significant digits.
constexpr int kSingleDigits = 7;
}  // namespace

QString WeightText(Single weight, const QLocale& locale) {
  QLocale numbers = locale;
  numbers.setNumberOptions(numbers.numberOptions() | QLocale::OmitGroupSeparator);
  const double value = static_cast<double>(weight);
  QString text = numbers.toString(value, 'g', kSingleDigits);
  if (std::floor(value) == value) text += QStringLiteral(",0");
  return text;
}

int LastBarColumn(Single weight) {
  const double halfPoints = std::floor(2.0 * static_cast<double>(weight));
  return static_cast<int>(std::clamp(halfPoints + 1.0, double{kFirstBarColumn - 1}, double{kLastBarColumn}));
}

}  // namespace quillane
