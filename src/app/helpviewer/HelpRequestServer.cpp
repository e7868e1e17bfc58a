#include "app/helpviewer/HelpRequestServer.h"

#include <QLocalServer>
#include <QLocalSocket>

namespace quillane {

HelpRequestServer::HelpRequestServer(QObject* parent) : QObject(parent), server_(new QLocalServer(this)) {
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  connect(server_, &QLocalServer::newConnection, this, &HelpRequestServer::Accept);
}

bool HelpRequestServer::Listen(const QString& serverName) {
  QLocalServer::removeServer(serverName);
  return server_->listen(serverName);
}

void HelpRequestServer::Accept() {
  while (QLocalSocket* socket = server_->nextPendingConnection()) {
    auto readLines = [this, socket] {
      while (socket->canReadLine()) {
        if (const auto request = DecodeHelpRequest(socket->readLine())) emit requested(*request);
      }
    };
    connect(socket, &QLocalSocket::readyRead, this, readLines);
    connect(socket, &QLocalSocket::disconnected, this, readLines);
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    readLines();  // what arrived before the connection was taken
  }
}

}  // namespace quillane
