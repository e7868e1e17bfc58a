#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

namespace quillane {

// The listening end of a local socket that takes requests one line each:
// the running program's end for a second start, the help viewer's for the
// program.
//
// A line is taken whole from its socket and delivered queued, once the
// socket's own handler has returned. So a receiver may open a message box or
// a dialog (a nested event loop, in which the sender disconnects and its
// socket is deleted) without anything touching that socket again.
class LineServer : public QObject {
  Q_OBJECT

 public:
  // The longest line taken; a sender that goes on without a line end is cut off.
  static constexpr qint64 kMaxLineBytes = 64 * 1024;

  explicit LineServer(QObject* parent = nullptr);
  ~LineServer() override;

  // Starts listening under `serverName`, for this user alone. A name left by
  // a killed run is taken over: call only when nobody answers under it.
  bool Listen(const QString& serverName);

 signals:
  // One line, with its line end.
  void lineReceived(const QByteArray& line);

 private:
  void Accept();
  void ReadFrom(QLocalSocket* socket);

  QLocalServer* server_;
};

}  // namespace quillane
