#pragma once

#include <cstddef>

namespace quillane {

struct TextEntry {
  int number;
  const char* utf8;
};

extern const TextEntry kTextTable[];
extern const std::size_t kTextTableSize;

}  // namespace quillane
