#pragma once

#include <QByteArray>
#include <QRect>
#include <QString>
#include <QStringList>
#include <optional>

#include "platform/helprequest/ScreenAreas.h"

namespace quillane {

// What the program asks of the help viewer: the topic of a context number,
// or the contents for 0, from the help pages in `folder`.
struct HelpRequest {
  QString folder;
  int topic = 0;
  // What the viewer's window must leave free: the program's command buttons
  // and the buttons of its open dialogs.
  ScreenAreas keepClear = ScreenAreas();

  bool operator==(const HelpRequest&) const = default;
};

// The name under which the running viewer listens for requests: one per
// user, in a folder of this user's alone; nothing when there is no such
// folder (each request then starts a viewer of its own).
std::optional<QString> HelpServerName();

// A file name as one word of a request line: the file system's bytes,
// percent-encoded, so any name (a tab, a line break, bytes that are not
// UTF-8) arrives whole. Nothing for an empty or impossible one.
QByteArray EncodeFileName(const QString& path);
std::optional<QString> DecodeFileName(const QByteArray& text);

// The viewer's program file, found beside the program's own executable.
QString HelpViewerProgram();

// A request as one line on the local socket, and back.
QByteArray EncodeHelpRequest(const HelpRequest& request);
std::optional<HelpRequest> DecodeHelpRequest(const QByteArray& line);

// A request as the viewer's command line (without the program name), and back.
QStringList HelpViewerArguments(const HelpRequest& request);
std::optional<HelpRequest> HelpRequestFromArguments(const QStringList& arguments);

// Writes one line to the program listening under `serverName` on a local
// socket. False when none listens there (or there is no name).
bool SendLineToServer(const std::optional<QString>& serverName, const QByteArray& line);

// Hands the request to the viewer listening under `serverName`. False when no
// viewer listens there.
bool SendHelpRequest(const std::optional<QString>& serverName, const HelpRequest& request);

}  // namespace quillane
