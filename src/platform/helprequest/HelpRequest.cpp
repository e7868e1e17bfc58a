#include "platform/helprequest/HelpRequest.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>

namespace quillane {

namespace {
constexpr int kSocketWaitMs = 1000;  // a viewer that is alive answers at once
}  // namespace

QString HelpServerName() {
#ifdef Q_OS_WIN
  return QStringLiteral("quillane-help-") + qEnvironmentVariable("USERNAME");
#else
  // A socket in the user's own runtime folder: other users never meet it.
  QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (folder.isEmpty()) folder = QDir::tempPath();
  return QDir(folder).filePath(QStringLiteral("quillane-help"));
#endif
}

QString HelpViewerProgram() {
  return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("quillane-help"));
}

QByteArray EncodeHelpRequest(const HelpRequest& request) {
  return QByteArray::number(request.topic) + '\t' + request.folder.toUtf8() + '\n';
}

std::optional<HelpRequest> DecodeHelpRequest(const QByteArray& line) {
  const QByteArray trimmed = line.endsWith('\n') ? line.chopped(1) : line;
  const qsizetype tab = trimmed.indexOf('\t');
  if (tab < 0) return std::nullopt;
  bool ok = false;
  const int topic = trimmed.left(tab).toInt(&ok);
  if (!ok || topic < 0) return std::nullopt;
  return HelpRequest{QString::fromUtf8(trimmed.mid(tab + 1)), topic};
}

QStringList HelpViewerArguments(const HelpRequest& request) {
  return {request.folder, QString::number(request.topic)};
}

std::optional<HelpRequest> HelpRequestFromArguments(const QStringList& arguments) {
  if (arguments.size() != 2) return std::nullopt;
  bool ok = false;
  const int topic = arguments.at(1).toInt(&ok);
  if (!ok || topic < 0) return std::nullopt;
  return HelpRequest{arguments.at(0), topic};
}

bool SendHelpRequest(const QString& serverName, const HelpRequest& request) {
  QLocalSocket socket;
  socket.connectToServer(serverName);
  if (!socket.waitForConnected(kSocketWaitMs)) return false;
  socket.write(EncodeHelpRequest(request));
  while (socket.bytesToWrite() > 0) {
    if (!socket.waitForBytesWritten(kSocketWaitMs)) return false;
  }
  socket.disconnectFromServer();
  return true;
}

}  // namespace quillane
