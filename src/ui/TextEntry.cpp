#include "ui/TextEntry.h"

#include <QLineEdit>
#include <QRegularExpression>
#include <QValidator>

#include "files/CodePage.h"

namespace quillane {

namespace {

class EntryValidator : public QValidator {
 public:
  using QValidator::QValidator;

  State validate(QString& input, int& pos) const override {
    const qsizetype lineBreak = input.indexOf(QRegularExpression(QStringLiteral("[\r\n]")));
    if (lineBreak >= 0) {
      input.truncate(lineBreak);
      pos = std::min<int>(pos, static_cast<int>(input.size()));
    }
    for (QChar& c : input) {
      if (c == QLatin1Char('\t')) c = QLatin1Char(' ');
      if (c.unicode() < 32 || !FitsCodePage(c)) return Invalid;
    }
    return Acceptable;
  }
};

}  // namespace

void LimitEntry(QLineEdit* box, int maxLength) {
  box->setMaxLength(maxLength);
  box->setValidator(new EntryValidator(box));
}

}  // namespace quillane
