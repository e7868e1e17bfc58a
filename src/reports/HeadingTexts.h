#pragma once

#include <QString>
#include <array>

#include "core/Session.h"

namespace quillane {

// The working texts of the report, plan and concise report writers: the
// heading group loaded last in the four languages (slots 1..4), the column
// of its right-hand heading, and today's date in each language. Each output
// makes its own, fresh, and fills the dates before its first line.
struct HeadingTexts {
  std::array<QString, 5> sLangText;
  std::array<Integer, 5> nLangValue{};
  std::array<QString, 5> sLangDate;
  QString sDateWork;
  QString sMonthName;
};

}  // namespace quillane
