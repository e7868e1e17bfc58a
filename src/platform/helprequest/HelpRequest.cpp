#include "platform/helprequest/HelpRequest.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <cstdlib>

#include "platform/helprequest/RuntimeFolder.h"

namespace quillane {

namespace {
constexpr int kSocketWaitMs = 1000;        // a viewer that is alive answers at once
constexpr int kMaxScreenExtent = 1 << 20;  // pixels: far beyond any desktop
// Far more than the groups of buttons of a program's windows; the viewer's
// search for a free place grows with the fourth power of the count.
constexpr int kMostAreas = 16;
}  // namespace

std::optional<QString> HelpServerName() {
#ifdef Q_OS_WIN
  return QStringLiteral("quillane-help-") + qEnvironmentVariable("USERNAME");
#else
  // A socket in the user's own runtime folder: other users never meet it.
  const std::optional<QString> folder = PrivateRuntimeFolder();
  if (!folder) return std::nullopt;
  return QDir(*folder).filePath(QStringLiteral("quillane-help"));
#endif
}

QByteArray EncodeFileName(const QString& path) {
  return QFile::encodeName(path).toPercentEncoding();
}

std::optional<QString> DecodeFileName(const QByteArray& text) {
  if (text.isEmpty()) return std::nullopt;
  const QByteArray bytes = QByteArray::fromPercentEncoding(text);
  if (bytes.contains('\0')) return std::nullopt;
  return QFile::decodeName(bytes);
}

QString HelpViewerProgram() {
  return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("quillane-help"));
}

namespace {

QString RectText(const QRect& rect) {
  if (rect.isEmpty()) return QString();
  return QStringLiteral("%1,%2,%3,%4").arg(rect.x()).arg(rect.y()).arg(rect.width()).arg(rect.height());
}

std::optional<QRect> RectFromText(const QString& text) {
  if (text.isEmpty()) return QRect();
  const QStringList parts = text.split(QLatin1Char(','));
  if (parts.size() != 4) return std::nullopt;
  int values[4] = {};
  for (int i = 0; i < 4; ++i) {
    bool ok = false;
    values[i] = parts.at(i).toInt(&ok);
    if (!ok) return std::nullopt;
  }
  // Within any screen, so no sum of them can overflow.
  const bool placed = std::abs(values[0]) <= kMaxScreenExtent && std::abs(values[1]) <= kMaxScreenExtent;
  const bool sized =
      values[2] >= 0 && values[2] <= kMaxScreenExtent && values[3] >= 0 && values[3] <= kMaxScreenExtent;
  if (!placed || !sized) return std::nullopt;
  // A rectangle without area keeps nothing free, as none does.
  if (values[2] == 0 || values[3] == 0) return QRect();
  return QRect(values[0], values[1], values[2], values[3]);
}

// Areas as "x,y,w,h;x,y,w,h", those better left free marked "~x,y,w,h";
// an empty text for none.
QString AreasText(const ScreenAreas& areas) {
  QStringList texts;
  for (const QRect& area : areas.rects()) {
    if (texts.size() == kMostAreas) break;
    texts << RectText(area);
  }
  for (const QRect& area : areas.ratherFree()) {
    if (texts.size() == kMostAreas) break;
    texts << QLatin1Char('~') + RectText(area);
  }
  return texts.join(QLatin1Char(';'));
}

std::optional<ScreenAreas> AreasFromText(const QString& text) {
  ScreenAreas areas;
  if (text.isEmpty()) return areas;
  const QStringList texts = text.split(QLatin1Char(';'));
  if (texts.size() > kMostAreas) return std::nullopt;
  for (const QString& part : texts) {
    const bool rather = part.startsWith(QLatin1Char('~'));
    const std::optional<QRect> area = RectFromText(rather ? part.mid(1) : part);
    if (!area) return std::nullopt;
    if (rather) {
      areas.AddRather(*area);
    } else {
      areas.Add(*area);
    }
  }
  return areas;
}

}  // namespace

QByteArray EncodeHelpRequest(const HelpRequest& request) {
  return QByteArray::number(request.topic) + '\t' + AreasText(request.keepClear).toUtf8() + '\t' +
         EncodeFileName(request.folder) + '\n';
}

std::optional<HelpRequest> DecodeHelpRequest(const QByteArray& line) {
  const QByteArray trimmed = line.endsWith('\n') ? line.chopped(1) : line;
  const qsizetype tab = trimmed.indexOf('\t');
  const qsizetype secondTab = tab < 0 ? -1 : trimmed.indexOf('\t', tab + 1);
  if (secondTab < 0) return std::nullopt;
  bool ok = false;
  const int topic = trimmed.left(tab).toInt(&ok);
  const auto keepClear = AreasFromText(QString::fromUtf8(trimmed.mid(tab + 1, secondTab - tab - 1)));
  const std::optional<QString> folder = DecodeFileName(trimmed.mid(secondTab + 1));
  if (!ok || topic < 0 || !keepClear || !folder) return std::nullopt;
  return HelpRequest{*folder, topic, *keepClear};
}

QStringList HelpViewerArguments(const HelpRequest& request) {
  QStringList arguments = {request.folder, QString::number(request.topic)};
  if (!request.keepClear.isEmpty()) arguments << AreasText(request.keepClear);
  return arguments;
}

std::optional<HelpRequest> HelpRequestFromArguments(const QStringList& arguments) {
  if (arguments.size() != 2 && arguments.size() != 3) return std::nullopt;
  bool ok = false;
  const int topic = arguments.at(1).toInt(&ok);
  const auto keepClear = AreasFromText(arguments.value(2));
  if (!ok || topic < 0 || !keepClear) return std::nullopt;
  return HelpRequest{arguments.at(0), topic, *keepClear};
}

bool SendLineToServer(const std::optional<QString>& serverName, const QByteArray& line) {
  if (!serverName) return false;
  QLocalSocket socket;
  socket.connectToServer(*serverName);
  if (!socket.waitForConnected(kSocketWaitMs)) return false;
  socket.write(line);
  while (socket.bytesToWrite() > 0) {
    if (!socket.waitForBytesWritten(kSocketWaitMs)) return false;
  }
  socket.disconnectFromServer();
  return true;
}

bool SendHelpRequest(const std::optional<QString>& serverName, const HelpRequest& request) {
  return SendLineToServer(serverName, EncodeHelpRequest(request));
}

}  // namespace quillane
