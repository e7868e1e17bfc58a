#include "platform/qt/TerminationSignals.h"

#include <QSocketNotifier>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#endif

namespace quillane {

#ifdef Q_OS_UNIX

namespace {

// The pipe's two ends: the handler writes into [0], the notifier reads [1].
int signalPipe[2] = {-1, -1};

void WriteSignalByte(int signalNumber) {
  const int savedErrno = errno;
  const char byte = static_cast<char>(signalNumber);
  // A full pipe already holds a request to end; nothing is lost.
  [[maybe_unused]] const ssize_t written = ::write(signalPipe[0], &byte, 1);
  errno = savedErrno;
}

void Handle(int signalNumber) {
  struct sigaction action = {};
  action.sa_handler = WriteSignalByte;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  ::sigaction(signalNumber, &action, nullptr);
}

}  // namespace

TerminationSignals::TerminationSignals() {
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0) return;
  ::fcntl(signalPipe[0], F_SETFL, O_NONBLOCK);
  notifier_ = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, [this] {
    char byte = 0;
    if (::read(signalPipe[1], &byte, 1) == 1) emit received(static_cast<unsigned char>(byte));
  });
  Handle(SIGTERM);
  Handle(SIGHUP);
}

TerminationSignals::~TerminationSignals() {
  if (!notifier_) return;
  ::signal(SIGTERM, SIG_DFL);
  ::signal(SIGHUP, SIG_DFL);
  ::close(signalPipe[0]);
  ::close(signalPipe[1]);
  signalPipe[0] = signalPipe[1] = -1;
}

#else

TerminationSignals::TerminationSignals() = default;
TerminationSignals::~TerminationSignals() = default;

#endif

}  // namespace quillane
