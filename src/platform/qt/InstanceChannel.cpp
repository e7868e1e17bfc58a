#include "platform/qt/InstanceChannel.h"

#include <QDir>
#include <QStandardPaths>

#include "platform/helprequest/HelpRequest.h"
#include "platform/helprequest/LineServer.h"

namespace quillane {

namespace {

const QByteArray kOpen = "open\t";
const QByteArray kRaise = "raise";

}  // namespace

QString InstanceServerName() {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (folder.isEmpty()) folder = QDir::tempPath();
  return QDir(folder).filePath(QStringLiteral("quillane-instance"));
}

QByteArray EncodeInstanceRequest(const InstanceRequest& request) {
  return (request.workfile ? kOpen + request.workfile->toUtf8() : kRaise) + '\n';
}

std::optional<InstanceRequest> DecodeInstanceRequest(const QByteArray& line) {
  const QByteArray trimmed = line.endsWith('\n') ? line.chopped(1) : line;
  if (trimmed == kRaise) return InstanceRequest{};
  if (trimmed.startsWith(kOpen) && trimmed.size() > kOpen.size())
    return InstanceRequest{QString::fromUtf8(trimmed.mid(kOpen.size()))};
  return std::nullopt;
}

bool SendToRunningInstance(const QString& serverName, const InstanceRequest& request) {
  return SendLineToServer(serverName, EncodeInstanceRequest(request));
}

InstanceServer::InstanceServer() : lines_(new LineServer(this)) {
  connect(lines_, &LineServer::lineReceived, this, [this](const QByteArray& line) {
    if (const auto request = DecodeInstanceRequest(line)) emit requested(*request);
  });
}

InstanceServer::~InstanceServer() = default;

bool InstanceServer::Listen(const QString& serverName) {
  // Only the holder of the single-instance lock listens, so a socket file
  // left under the name is a killed run's.
  return lines_->Listen(serverName);
}

}  // namespace quillane
