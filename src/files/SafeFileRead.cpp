#include "files/SafeFileRead.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace quillane {

#ifdef Q_OS_UNIX

namespace {

class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  int fd() const { return fd_; }

 private:
  int fd_;
};

}  // namespace

FileBytes ReadRegularFile(const QString& path, qint64 maxBytes) {
  if (path.isEmpty()) return {};
  const QByteArray name = QFile::encodeName(path);
  // Non-blocking, so opening a named pipe or a device returns at once; the
  // type is then checked on what was opened, not on a name that may have
  // changed meanwhile.
  int fd = -1;
  do {
    fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) return {errno == ENOENT || errno == ENOTDIR ? FileRead::Missing : FileRead::Refused, {}};
  const Descriptor file(fd);

  struct stat info {};
  if (::fstat(file.fd(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_size > maxBytes) {
    return {FileRead::Refused, {}};
  }
  // Reads of the regular file wait as usual, so none stops short with "try again".
  const int flags = ::fcntl(file.fd(), F_GETFL);
  if (flags < 0 || ::fcntl(file.fd(), F_SETFL, flags & ~O_NONBLOCK) != 0) return {FileRead::Refused, {}};
  // The size may change while the file is read: reading stops one byte past
  // the limit, and a file that reaches it is refused.
  QByteArray bytes;
  bytes.reserve(static_cast<qsizetype>(info.st_size) + 1);
  char chunk[64 * 1024];
  for (;;) {
    const ssize_t got = ::read(file.fd(), chunk, sizeof chunk);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return {FileRead::Refused, {}};
    if (got == 0) break;
    bytes.append(chunk, static_cast<qsizetype>(got));
    if (bytes.size() > maxBytes) return {FileRead::Refused, {}};
  }
  return {FileRead::Done, bytes};
}

#else

FileBytes ReadRegularFile(const QString& path, qint64 maxBytes) {
  const QFileInfo info(path);
  if (path.isEmpty() || !info.exists()) return {};
  if (!info.isFile() || info.size() > maxBytes) return {FileRead::Refused, {}};
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {FileRead::Refused, {}};
  QByteArray bytes = file.read(maxBytes + 1);
  if (bytes.size() > maxBytes || file.error() != QFileDevice::NoError) return {FileRead::Refused, {}};
  return {FileRead::Done, bytes};
}

#endif

}  // namespace quillane
