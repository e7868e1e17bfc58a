#include "reports/LineWriter.h"

#include <algorithm>

#include "files/NumberText.h"
#include "files/TextEncoding.h"

namespace quillane {

int ReportLine::Length() const {
  if (items.empty()) return 0;
  return items.back().column - 1 + CharacterCount(items.back().text);
}

QString ReportLine::Text() const {
  // Columns count characters, so an emoji, two UTF-16 units, takes one.
  QString text;
  int length = 0;
  for (const Item& item : items) {
    const int blanks = std::max(0, item.column - 1 - length);
    text += QString(blanks, QLatin1Char(' '));
    text += item.text;
    length += blanks + CharacterCount(item.text);
  }
  return text;
}

QString ReportNumber(float value, const QLocale& locale) {
  QString digits = FormatNumber(value);
  digits.replace(QLatin1Char('.'), locale.decimalPoint());
  const QString sign = digits.startsWith(QLatin1Char('-')) ? QString() : QStringLiteral(" ");
  return sign + digits + QLatin1Char(' ');
}

LineWriter::LineWriter(LineSink& sink, QLocale locale) : sink_(sink), locale_(std::move(locale)) {}

LineWriter& LineWriter::Item(const QString& text) {
  if (pendingColumn_ != 0) {
    line_.items.push_back({pendingColumn_, text});
    pendingColumn_ = 0;
  } else if (line_.items.empty()) {
    line_.items.push_back({1, text});
  } else {
    line_.items.back().text += text;
  }
  return *this;
}

LineWriter& LineWriter::Column(int column) {
  if (sink_.Reaches(line_, column)) EndLine();
  pendingColumn_ = column;
  return *this;
}

LineWriter& LineWriter::Number(float value) {
  return Item(ReportNumber(value, locale_));
}

void LineWriter::EndLine() {
  sink_.WriteLine(line_);
  line_.items.clear();
  pendingColumn_ = 0;
}

void LineWriter::EmptyLines(int count) {
  for (int i = 0; i < count; ++i) EndLine();
}

}  // namespace quillane
