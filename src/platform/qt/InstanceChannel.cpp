#include "platform/qt/InstanceChannel.h"

#include <QDir>
#include <QThread>

#include "platform/helprequest/HelpRequest.h"
#include "platform/helprequest/LineServer.h"
#include "platform/helprequest/RuntimeFolder.h"

namespace quillane {

namespace {

// A program that holds the lock but does not listen yet is starting up.
constexpr int kHandOverAttempts = 10;
constexpr int kHandOverPauseMs = 300;

}  // namespace

std::optional<QString> InstanceServerName() {
  const std::optional<QString> folder = PrivateRuntimeFolder();
  if (!folder) return std::nullopt;
  return QDir(*folder).filePath(QStringLiteral("quillane-instance"));
}

bool SendToRunningInstance(const std::optional<QString>& serverName, const InstanceRequest& request) {
  return SendLineToServer(serverName, EncodeInstanceRequest(request));
}

bool HandToRunningInstance(const InstanceRequest& request) {
  const std::optional<QString> name = InstanceServerName();
  for (int attempt = 0; attempt < kHandOverAttempts; ++attempt) {
    if (SendToRunningInstance(name, request)) return true;
    QThread::msleep(kHandOverPauseMs);
  }
  return false;
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
