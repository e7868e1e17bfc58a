#pragma once

#include <QObject>
#include <QString>
#include <optional>

#include "platform/helprequest/InstanceRequest.h"

namespace quillane {

class LineServer;

// The name the running program listens under: one per user, in a folder of
// this user's alone; nothing when there is no such folder.
std::optional<QString> InstanceServerName();

// Hands `request` to the program listening under `serverName`. False when
// none listens there.
bool SendToRunningInstance(const std::optional<QString>& serverName, const InstanceRequest& request);

// Hands `request` to the program that holds the single-instance lock,
// giving one that has just started a few seconds to listen. False when it
// does not answer.
bool HandToRunningInstance(const InstanceRequest& request);

// The running program's end of the channel. Each request arrives queued,
// after the socket's own work is done.
class InstanceServer : public QObject {
  Q_OBJECT

 public:
  InstanceServer();
  ~InstanceServer() override;

  // Starts listening; a name left by a killed run is taken over.
  bool Listen(const QString& serverName);

 signals:
  void requested(const quillane::InstanceRequest& request);

 private:
  LineServer* lines_;
};

}  // namespace quillane
