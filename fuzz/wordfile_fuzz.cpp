// Any bytes as the word file: the lists are filled within their capacity.
#include <cstdint>

#include "core/Session.h"
#include "ideas/SuggestionWords.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static quillane::Session session;
  session.nActions = 0;
  session.nObjects = 0;
  quillane::ReadSuggestionWords(
      session, QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
  if (session.nActions < 0 || session.nActions > quillane::kMaxWords) __builtin_trap();
  if (session.nObjects < 0 || session.nObjects > quillane::kMaxWords) __builtin_trap();
  for (int i = 1; i <= session.nActions; ++i) {
    if (session.sActions[static_cast<std::size_t>(i)].isEmpty()) __builtin_trap();  // no empty words
  }
  return 0;
}
