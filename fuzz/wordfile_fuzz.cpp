// Any bytes as the word file: the lists are filled within their capacity.
#include <cstdint>

#include "ideas/SuggestionState.h"
#include "ideas/SuggestionWords.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static quillane::SuggestionState words;
  words.nActions = 0;
  words.nObjects = 0;
  quillane::ReadSuggestionWords(
      words, QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
  if (words.nActions < 0 || words.nActions > quillane::kMaxWords) __builtin_trap();
  if (words.nObjects < 0 || words.nObjects > quillane::kMaxWords) __builtin_trap();
  for (int i = 1; i <= words.nActions; ++i) {
    if (words.sActions[static_cast<std::size_t>(i)].isEmpty()) __builtin_trap();  // no empty words
  }
  return 0;
}
