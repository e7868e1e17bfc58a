// Any bytes as a file of ideas, read as each kind: every item is one line,
// not empty, with no blanks at its ends.
#include <cstdint>

#include "ideas/IdeaFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  using Kind = quillane::IdeaFileKind;
  for (Kind kind : {Kind::PlainText, Kind::Markdown, Kind::Csv, Kind::Opml, Kind::FreeMind}) {
    const quillane::IdeaItems read = quillane::ReadIdeaItems(bytes, kind);
    for (const QString& item : read.items) {
      if (item.isEmpty() || item != item.trimmed()) __builtin_trap();
      for (QChar c : item) {
        if (c.unicode() < 0x20) __builtin_trap();  // a control character or a line end
      }
    }
  }
  return 0;
}
