#pragma once

#include <QByteArray>
#include <QRect>
#include <QString>
#include <QStringList>
#include <optional>

namespace quillane {

// What the program asks of the help viewer: the topic of a context number,
// or the contents for 0, from the help pages in `folder`.
struct HelpRequest {
  QString folder;
  int topic = 0;
  // A part of the screen the viewer's window must leave free (the program's
  // command buttons), in screen coordinates; empty for none.
  QRect keepClear = QRect();

  bool operator==(const HelpRequest&) const = default;
};

// The name under which the running viewer listens for requests: one per user.
QString HelpServerName();

// The viewer's program file, found beside the program's own executable.
QString HelpViewerProgram();

// A request as one line on the local socket, and back.
QByteArray EncodeHelpRequest(const HelpRequest& request);
std::optional<HelpRequest> DecodeHelpRequest(const QByteArray& line);

// A request as the viewer's command line (without the program name), and back.
QStringList HelpViewerArguments(const HelpRequest& request);
std::optional<HelpRequest> HelpRequestFromArguments(const QStringList& arguments);

// Writes one line to the program listening under `serverName` on a local
// socket. False when none listens there.
bool SendLineToServer(const QString& serverName, const QByteArray& line);

// Hands the request to the viewer listening under `serverName`. False when no
// viewer listens there.
bool SendHelpRequest(const QString& serverName, const HelpRequest& request);

}  // namespace quillane
