#pragma once

#include <QString>
#include <QStringList>
#include <cstddef>
#include <vector>

#include "core/Session.h"

namespace quillane::test {

// Puts `texts` into slots 1 and up of `list`, and their number into `count`.
template <typename List>
void Fill(List& list, Integer& count, const QStringList& texts) {
  count = static_cast<Integer>(texts.size());
  for (qsizetype i = 0; i < texts.size(); ++i) list[static_cast<std::size_t>(i + 1)] = texts[i];
}

// The pattern with 1 to `n` put in: "idea 1", "idea 2", ...
inline QStringList Numbered(const QString& pattern, int n) {
  QStringList texts;
  for (int i = 1; i <= n; ++i) texts << pattern.arg(i);
  return texts;
}

// Slots 1 to `count` of a list of texts, and of a list of numbers.
template <typename List>
QStringList Texts(const List& list, int count) {
  return QStringList(list.begin() + 1, list.begin() + 1 + count);
}
template <typename List>
std::vector<Single> Values(const List& list, int count) {
  return std::vector<Single>(list.begin() + 1, list.begin() + 1 + count);
}

}  // namespace quillane::test
