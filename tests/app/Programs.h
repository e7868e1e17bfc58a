#pragma once

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <utility>
#include <vector>

namespace quillane::test {

// Starts `program` with this run's environment, changed by `set`: offscreen
// by default; an empty value removes the variable.
inline void StartProgram(QProcess& run, const QString& program, const QStringList& arguments,
                         const std::vector<std::pair<QString, QString>>& set = {
                             {QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen")}}) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const auto& [name, value] : set)
    value.isEmpty() ? environment.remove(name) : environment.insert(name, value);
  run.setProcessEnvironment(environment);
  run.start(program, arguments);
}

// What `run` says on `channel` until it has said `until`, has ended, or `ms` have passed.
inline QByteArray ReadUntil(QProcess& run, QProcess::ProcessChannel channel, const QByteArray& until,
                            int ms) {
  QByteArray said;
  QElapsedTimer waited;
  waited.start();
  run.setReadChannel(channel);
  while (!said.contains(until) && run.state() == QProcess::Running && waited.elapsed() < ms) {
    run.waitForReadyRead(500);
    said += run.readAll();
  }
  return said;
}

// A runtime folder of this user's alone, the desktop's for as long as it lives.
class PrivateRuntime {
 public:
  PrivateRuntime() {
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", folder.path().toLocal8Bit());
  }
  ~PrivateRuntime() { qputenv("XDG_RUNTIME_DIR", before); }
  QString path() const { return folder.path(); }

 private:
  QTemporaryDir folder;
  QByteArray before = qgetenv("XDG_RUNTIME_DIR");
};

}  // namespace quillane::test
