#include "ui/TextEntry.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpression>
#include <QValidator>
#include <algorithm>

#include "files/TextEncoding.h"
#include "resources/Texts.h"

namespace quillane {

namespace {

// The most characters a box takes: LimitEntry keeps it on the box, whose
// own limit counts UTF-16 units and so is twice as high.
const char kCharacterLimit[] = "quillaneCharacterLimit";

int CharacterLimit(const QLineEdit* box) {
  return box->property(kCharacterLimit).toInt();
}

// A pasted line as the entry box would take it: tabs become blanks, other
// control characters and halves of a character are left out.
QString FitForEntry(const QString& line, int maxCharacters) {
  QString fit;
  for (qsizetype i = 0; i < line.size(); ++i) {
    QChar c = line[i];
    if (c == QLatin1Char('\t')) c = QLatin1Char(' ');
    if (c.isHighSurrogate() && i + 1 < line.size() && line[i + 1].isLowSurrogate()) {
      fit += c;
      fit += line[++i];
    } else if (c.unicode() >= 32 && !c.isSurrogate()) {
      fit += c;
    }
  }
  return LeftCharacters(fit.trimmed(), maxCharacters);
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
      const QString fit = FitForEntry(line, CharacterLimit(box_));
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
  EntryValidator(QLineEdit* box, int maxCharacters) : QValidator(box), maxCharacters_(maxCharacters) {}

  State validate(QString& input, int& pos) const override {
    const qsizetype lineBreak = input.indexOf(QRegularExpression(QStringLiteral("[\r\n]")));
    if (lineBreak >= 0) {
      input.truncate(lineBreak);
      pos = std::min<int>(pos, static_cast<int>(input.size()));
    }
    for (QChar& c : input) {
      if (c == QLatin1Char('\t')) c = QLatin1Char(' ');
      if (c.unicode() < 32) return Invalid;
    }
    if (HasBrokenCharacter(input)) return Invalid;
    CutToFit(input, pos);
    return Acceptable;
  }

 private:
  // Too long after typing or a paste: as a box limited in characters would,
  // drops what was just put in before the cursor beyond the limit, so a
  // letter typed into a full box changes nothing.
  void CutToFit(QString& input, int& pos) const {
    int excess = CharacterCount(input) - maxCharacters_;
    if (excess <= 0) return;
    qsizetype end = std::clamp<qsizetype>(pos, 0, input.size());
    qsizetype start = end;
    while (excess > 0 && start > 0) {
      --start;
      if (input[start].isLowSurrogate() && start > 0 && input[start - 1].isHighSurrogate()) --start;
      --excess;
    }
    input.remove(start, end - start);
    pos = static_cast<int>(start);
    // A cursor at the start with the box still too long: cut the end.
    if (excess > 0) input = LeftCharacters(input, maxCharacters_);
  }

  int maxCharacters_;
};

}  // namespace

void LimitEntry(QLineEdit* box, int maxCharacters) {
  // A character outside the basic plane takes two UTF-16 units; the
  // validator holds the count of characters.
  box->setMaxLength(2 * maxCharacters);
  box->setProperty(kCharacterLimit, maxCharacters);
  box->setValidator(new EntryValidator(box, maxCharacters));
}

QString PastedLinesRefusal(int added, int pasted) {
  return Text(3123).arg(added).arg(pasted);
}

void TakePastedLines(QLineEdit* box, std::function<void(const QStringList&)> takeLines) {
  box->installEventFilter(new PasteFilter(box, std::move(takeLines)));
}

}  // namespace quillane
