#include "ideas/SuggestionWords.h"

#include <QDir>
#include <QStringList>

#include "core/Constants.h"
#include "core/Prompter.h"
#include "core/SessionDocument.h"
#include "files/SafeFileRead.h"
#include "files/TextEncoding.h"
#include "ideas/SuggestionState.h"
#include "platform/Platform.h"
#include "resources/Texts.h"

namespace quillane {

namespace {

// The section names of the word file are part of its format, not texts
// shown to the user.
const QString kActionsHeader = QStringLiteral("[Actions]");
const QString kObjectsHeader = QStringLiteral("[Objects]");

bool IsLineEnd(QChar c) {
  return c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

// The items of the file, empty ones dropped. Items end at a comma or a line
// end; blanks in front are skipped. A quoted item runs to its closing quote
// and so may hold commas; it never runs past its line, and whatever follows
// the closing quote up to the next separator is dropped.
QStringList SplitItems(const QString& text) {
  QStringList items;
  const qsizetype n = text.size();
  qsizetype i = 0;
  const auto endOfItem = [&](qsizetype from) {
    while (from < n && text[from] != QLatin1Char(',') && !IsLineEnd(text[from])) ++from;
    return from;
  };
  while (i < n) {
    while (i < n && text[i] == QLatin1Char(' ')) ++i;
    QString item;
    if (i < n && text[i] == QLatin1Char('"')) {
      const qsizetype start = ++i;
      while (i < n && text[i] != QLatin1Char('"') && !IsLineEnd(text[i])) ++i;
      item = text.mid(start, i - start);
      i = endOfItem(i);
    } else {
      const qsizetype start = i;
      i = endOfItem(i);
      item = text.mid(start, i - start);
    }
    ++i;  // past the separator
    if (!item.isEmpty()) items << item;
  }
  return items;
}

enum class Section { None, Actions, Objects };

// Stores the items section by section. A header (re)starts its section at
// slot 1; words past the capacity are ignored. A count changes only when a
// word is stored, so a header without words keeps the count it had.
void StoreItems(SuggestionState& s, const QStringList& items) {
  Section section = Section::None;
  int n = 0;
  for (const QString& item : items) {
    // A header may stand between blanks or tabs, as a text editor left it.
    const QString header = item.trimmed();
    if (header.compare(kActionsHeader, Qt::CaseInsensitive) == 0) {
      section = Section::Actions;
      n = 0;
    } else if (header.compare(kObjectsHeader, Qt::CaseInsensitive) == 0) {
      section = Section::Objects;
      n = 0;
    } else if (section != Section::None && n < kMaxWords) {
      ++n;
      const bool actions = section == Section::Actions;
      (actions ? s.nActions : s.nObjects) = static_cast<Integer>(n);
      (actions ? s.sActions : s.sObjects)[static_cast<std::size_t>(n)] = item;
    }
  }
}

bool Fail(Prompter& prompter, const Constants& constants, int message) {
  prompter.Tell(Text(message) + QLatin1Char(' ') + constants.sDataName);
  return false;
}

}  // namespace

void ReadSuggestionWords(SuggestionState& suggestion, const QByteArray& bytes) {
  // A text editor that saves in UTF-8 puts a byte-order mark first, which
  // tells the file's encoding and is no part of the first line.
  StoreItems(suggestion, SplitItems(DecodeTextFile(bytes)));
}

bool LoadSuggestionWords(SessionDocument& document, Prompter& prompter, const Constants& constants,
                         SuggestionState& suggestion) {
  const QString path = QDir(constants.sAppPath).filePath(constants.sDataName);
  // A file that is not read (no regular file, larger than 1 MiB, unreadable)
  // counts as missing.
  const FileBytes file = ReadRegularFile(path);
  if (file.result != FileRead::Done) return Fail(prompter, constants, 501);
  ReadSuggestionWords(suggestion, file.bytes);
  if (suggestion.nActions == 0) return Fail(prompter, constants, 502);
  if (suggestion.nObjects == 0) return Fail(prompter, constants, 503);
  document.MarkModified();
  return true;
}

}  // namespace quillane
