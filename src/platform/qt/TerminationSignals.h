#pragma once

#include <QObject>

class QSocketNotifier;

namespace quillane {

// Turns SIGTERM and SIGHUP (a closed terminal, `kill`, a desktop that ends)
// into a Qt signal on the event loop. The signal handler itself only writes
// one byte into a pipe; a socket notifier on its other end emits `received`,
// where anything may be done. One object for the whole run.
class TerminationSignals : public QObject {
  Q_OBJECT

 public:
  TerminationSignals();
  ~TerminationSignals() override;
  TerminationSignals(const TerminationSignals&) = delete;
  TerminationSignals& operator=(const TerminationSignals&) = delete;

 signals:
  void received(int signalNumber);

 private:
  QSocketNotifier* notifier_ = nullptr;
};

}  // namespace quillane
