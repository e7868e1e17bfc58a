#include "session/SessionKey.h"

#include <QEventLoop>
#include <QThread>
#include <optional>

#include "platform/Platform.h"
#include "session/FileWorkGuard.h"

namespace quillane {

std::shared_ptr<const SealingKey> DeriveSessionKey(const QString& password, const QByteArray& salt,
                                                   const KdfLimits& limits, Platform& platform,
                                                   int& fileWork) {
  FileWorkGuard working(fileWork);
  BusyPointer busy(platform);
  std::optional<SealingKey> key;
  QEventLoop waiting;
  std::unique_ptr<QThread> worker(QThread::create(
      [&key, &password, &salt, &limits] { key = SealingKey::Derive(password, salt, limits); }));
  QObject::connect(worker.get(), &QThread::finished, &waiting, &QEventLoop::quit, Qt::QueuedConnection);
  worker->start();
  // Paint and timers go on; clicks, keys and the sockets another start
  // speaks through wait for the key.
  waiting.exec(QEventLoop::ExcludeUserInputEvents | QEventLoop::ExcludeSocketNotifiers);
  worker->wait();
  if (!key) return nullptr;
  return std::make_shared<const SealingKey>(std::move(*key));
}

}  // namespace quillane
