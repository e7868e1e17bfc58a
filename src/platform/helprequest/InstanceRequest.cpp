#include "platform/helprequest/InstanceRequest.h"

#include "platform/helprequest/HelpRequest.h"

namespace quillane {

namespace {

const QByteArray kOpen = "open\t";
const QByteArray kRaise = "raise";

}  // namespace

QByteArray EncodeInstanceRequest(const InstanceRequest& request) {
  return (request.workfile ? kOpen + EncodeFileName(*request.workfile) : kRaise) + '\n';
}

std::optional<InstanceRequest> DecodeInstanceRequest(const QByteArray& line) {
  const QByteArray trimmed = line.endsWith('\n') ? line.chopped(1) : line;
  if (trimmed == kRaise) return InstanceRequest{};
  if (!trimmed.startsWith(kOpen)) return std::nullopt;
  const std::optional<QString> workfile = DecodeFileName(trimmed.mid(kOpen.size()));
  if (!workfile) return std::nullopt;
  return InstanceRequest{*workfile};
}

}  // namespace quillane
