#pragma once

#include <QObject>

#include "platform/helprequest/HelpRequest.h"

namespace quillane {

class LineServer;

// The viewer's end of the local socket: each request the program sends
// arrives as one `requested` signal. Waits without any timer.
class HelpRequestServer : public QObject {
  Q_OBJECT

 public:
  explicit HelpRequestServer(QObject* parent = nullptr);

  // Starts listening under `serverName`, taking over a name left by a viewer
  // that was killed. Call only when no viewer answers under that name.
  bool Listen(const QString& serverName);

 signals:
  void requested(const quillane::HelpRequest& request);

 private:
  LineServer* lines_ = nullptr;
};

}  // namespace quillane
