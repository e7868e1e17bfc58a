#include "app/helpviewer/HelpRequestServer.h"

#include "platform/helprequest/LineServer.h"

namespace quillane {

HelpRequestServer::HelpRequestServer(QObject* parent) : QObject(parent), lines_(new LineServer(this)) {
  connect(lines_, &LineServer::lineReceived, this, [this](const QByteArray& line) {
    if (const auto request = DecodeHelpRequest(line)) emit requested(*request);
  });
}

bool HelpRequestServer::Listen(const QString& serverName) {
  return lines_->Listen(serverName);
}

}  // namespace quillane
