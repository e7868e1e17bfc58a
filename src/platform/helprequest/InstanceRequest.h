#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace quillane {

// What a second start asks of the program that runs already: to open a
// workfile, or (with none) only to come to the front.
struct InstanceRequest {
  std::optional<QString> workfile;

  bool operator==(const InstanceRequest&) const = default;
};

// A request as one line on the local socket, and back. The file name goes
// percent-encoded, so any name arrives whole.
QByteArray EncodeInstanceRequest(const InstanceRequest& request);
std::optional<InstanceRequest> DecodeInstanceRequest(const QByteArray& line);

}  // namespace quillane
