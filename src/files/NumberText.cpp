#include "files/NumberText.h"

#include <QStringView>
#include <cmath>

namespace quillane {

namespace {

constexpr int kMaxSignificantDigits = 7;
// Seventeen significant digits give any double back.
constexpr int kMaxDoubleSignificantDigits = 17;

// The scientific form "d.ddde+XX" with the fewest digits that gives `value` back.
template <typename Number>
QString ShortestScientific(Number value, int maxDigits) {
  QString text;
  for (int digits = 1; digits <= maxDigits; ++digits) {
    text = QString::number(static_cast<double>(value), 'e', digits - 1);
    if (static_cast<Number>(text.toDouble()) == value) break;
  }
  return text;
}

// The scientific form written out without its exponent.
QString WithoutExponent(const QString& scientific) {
  const bool negative = scientific.startsWith(QLatin1Char('-'));
  const qsizetype exponentAt = scientific.indexOf(QLatin1Char('e'));
  QString digits = scientific.mid(negative ? 1 : 0, exponentAt - (negative ? 1 : 0));
  digits.remove(QLatin1Char('.'));
  while (digits.size() > 1 && digits.endsWith(QLatin1Char('0'))) digits.chop(1);
  const int exponent = scientific.mid(exponentAt + 1).toInt();

  // The decimal point stands after this many digits.
  const qsizetype point = exponent + 1;
  QString text;
  if (point <= 0) {
    text = QLatin1Char('.') + QString(-point, QLatin1Char('0')) + digits;
  } else if (point >= digits.size()) {
    text = digits + QString(point - digits.size(), QLatin1Char('0'));
  } else {
    text = digits.left(point) + QLatin1Char('.') + digits.mid(point);
  }
  if (negative) text.prepend(QLatin1Char('-'));
  return text;
}

// The blanks a number may stand between: the ASCII white space characters.
bool IsBlank(QChar c) {
  return c == QLatin1Char(' ') || (c >= QLatin1Char('\t') && c <= QLatin1Char('\r'));
}

bool IsDigit(QChar c) {
  return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Whether `text` is blanks, an optional sign, digits with at most one point
// among them (at least one digit), an optional exponent ("e" or "E", an
// optional sign, digits) and blanks. One pass that never steps back, so a
// line of any length costs time in proportion to its length.
bool IsNumberText(QStringView text) {
  const qsizetype end = text.size();
  qsizetype at = 0;
  const auto skip = [&](auto isWanted) {
    const qsizetype from = at;
    while (at < end && isWanted(text[at])) ++at;
    return at - from;
  };
  const auto skipSign = [&] {
    if (at < end && (text[at] == QLatin1Char('+') || text[at] == QLatin1Char('-'))) ++at;
  };

  skip(IsBlank);
  skipSign();
  qsizetype digits = skip(IsDigit);
  if (at < end && text[at] == QLatin1Char('.')) {
    ++at;
    digits += skip(IsDigit);
  }
  if (digits == 0) return false;
  if (at < end && (text[at] == QLatin1Char('e') || text[at] == QLatin1Char('E'))) {
    ++at;
    skipSign();
    if (skip(IsDigit) == 0) return false;
  }
  skip(IsBlank);
  return at == end;
}

}  // namespace

QString FormatNumber(float value) {
  if (!std::isfinite(value) || value == 0.0f) return QStringLiteral("0");
  return WithoutExponent(ShortestScientific(value, kMaxSignificantDigits));
}

QString FormatDoubleNumber(double value) {
  if (!std::isfinite(value) || value == 0.0) return QStringLiteral("0");
  return WithoutExponent(ShortestScientific(value, kMaxDoubleSignificantDigits));
}

std::optional<double> ParseNumber(const QString& text) {
  if (!IsNumberText(text)) return std::nullopt;
  bool ok = false;
  const double value = text.trimmed().toDouble(&ok);
  if (!ok || !std::isfinite(value)) return std::nullopt;
  return value;
}

}  // namespace quillane
