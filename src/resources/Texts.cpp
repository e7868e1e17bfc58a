#include "resources/Texts.h"

#include <algorithm>

#include "resources/TextTableData.h"

namespace quillane {

namespace {

const TextEntry* Find(int number) {
  const TextEntry* end = kTextTable + kTextTableSize;
  const TextEntry* it =
      std::lower_bound(kTextTable, end, number, [](const TextEntry& e, int n) { return e.number < n; });
  return (it != end && it->number == number) ? it : nullptr;
}

}  // namespace

QString Text(int number) {
  const TextEntry* entry = Find(number);
  Q_ASSERT_X(entry != nullptr, "Text", "text number missing from the text table");
  return entry ? QString::fromUtf8(entry->utf8) : QString();
}

bool HasText(int number) {
  return Find(number) != nullptr;
}

QString ShownText(int number) {
  QString text = Text(number);
  text.replace(QStringLiteral("&&"), QStringLiteral("&"));
  return text;
}

}  // namespace quillane
