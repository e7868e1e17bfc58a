// Any line on the running program's socket: the decoder refuses it or gives
// a request that travels back unchanged.
#include <cstdint>

#include "platform/helprequest/InstanceRequest.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray line(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const auto request = quillane::DecodeInstanceRequest(line);
  if (!request) return 0;
  const QByteArray again = quillane::EncodeInstanceRequest(*request);
  if (again.count('\n') != 1 || quillane::DecodeInstanceRequest(again) != request) __builtin_trap();
  return 0;
}
