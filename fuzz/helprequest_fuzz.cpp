// Any line on the help viewer's socket: the decoder refuses it or gives a
// request within any screen that travels back unchanged.
#include <cstdint>

#include "platform/helprequest/HelpRequest.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray line(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const auto request = quillane::DecodeHelpRequest(line);
  if (!request) return 0;
  // Rectangles that placement arithmetic can use without overflow.
  for (const auto* areas : {&request->keepClear.rects(), &request->keepClear.ratherFree()}) {
    for (const QRect& r : *areas) {
      if (r.right() < r.left() - 1 || r.bottom() < r.top() - 1) __builtin_trap();
    }
  }
  const QByteArray again = quillane::EncodeHelpRequest(*request);
  if (again.count('\n') != 1 || quillane::DecodeHelpRequest(again) != request) __builtin_trap();
  return 0;
}
