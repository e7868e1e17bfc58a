#include "platform/helprequest/LineServer.h"

#include <QLocalServer>
#include <QLocalSocket>

namespace quillane {

LineServer::LineServer(QObject* parent) : QObject(parent), server_(new QLocalServer(this)) {
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  connect(server_, &QLocalServer::newConnection, this, &LineServer::Accept);
}

LineServer::~LineServer() = default;

bool LineServer::Listen(const QString& serverName) {
  QLocalServer::removeServer(serverName);
  return server_->listen(serverName);
}

void LineServer::Accept() {
  while (QLocalSocket* socket = server_->nextPendingConnection()) {
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] { ReadFrom(socket); });
    connect(socket, &QLocalSocket::disconnected, this, [this, socket] { ReadFrom(socket); });
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    ReadFrom(socket);  // what arrived before the connection was taken
  }
}

void LineServer::ReadFrom(QLocalSocket* socket) {
  QList<QByteArray> lines;
  bool tooLong = false;
  while (socket->canReadLine() && !tooLong) {
    const QByteArray line = socket->readLine(kMaxLineBytes + 1);  // at most kMaxLineBytes
    tooLong = !line.endsWith('\n');
    if (!tooLong) lines << line;
  }
  if (tooLong || socket->bytesAvailable() > kMaxLineBytes) socket->abort();
  // Nothing below runs inside the socket's handler.
  for (const QByteArray& line : lines) {
    QMetaObject::invokeMethod(
        this, [this, line] { emit lineReceived(line); }, Qt::QueuedConnection);
  }
}

}  // namespace quillane
