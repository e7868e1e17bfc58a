#include "ui/TextEntry.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpression>
#include <QValidator>

#include "files/CodePage.h"
#include "resources/Texts.h"

namespace quillane {

namespace {

// A pasted line as the entry box would take it: tabs become blanks, other control
// characters and characters the files cannot hold are left out.
QString FitForEntry(const QString& line, int maxLength) {
  QString fit;
  for (QChar c : line) {
    if (c == QLatin1Char('\t')) c = QLatin1Char(' ');
    if (c.unicode() >= 32 && FitsCodePage(c)) fit += c;
  }
  return fit.trimmed().left(maxLength);
}

class PasteFilter : public QObject {
 public:
  PasteFilter(QLineEdit* box, std::function<void(const QStringList&)> takeLines)
      : QObject(box), box_(box), takeLines_(std::move(takeLines)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != box_ || event->type() != QEvent::KeyPress) return false;
    if (!static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste)) return false;
    const QString pasted = QGuiApplication::clipboard()->text();
    if (!pasted.contains(QLatin1Char('\n')) && !pasted.contains(QLatin1Char('\r'))) return false;
    QStringList lines;
    for (const QString& line : pasted.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")))) {
      const QString fit = FitForEntry(line, box_->maxLength());
      if (!fit.isEmpty()) lines << fit;
    }
    if (!lines.isEmpty()) takeLines_(lines);
    return true;
  }

 private:
  QLineEdit* box_;
  std::function<void(const QStringList&)> takeLines_;
};

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

QString PastedLinesRefusal(int added, int pasted) {
  return Text(3123).arg(added).arg(pasted);
}

void TakePastedLines(QLineEdit* box, std::function<void(const QStringList&)> takeLines) {
  box->installEventFilter(new PasteFilter(box, std::move(takeLines)));
}

}  // namespace quillane
