#include <QFile>

#include "core/Program.h"
#include "platform/Platform.h"
#include "resources/Texts.h"
#include "session/CodePage.h"
#include "session/FileChoice.h"
#include "session/FileWorkGuard.h"
#include "session/Scramble.h"
#include "session/Workfile.h"
#include "session/WorkfileReader.h"

namespace quillane {

namespace {

// No workfile of this program comes near this size; a larger file is not
// read into memory at all.
constexpr qint64 kMaxWorkfileBytes = 16 * 1024 * 1024;

std::optional<QByteArray> ReadWholeFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxWorkfileBytes) return std::nullopt;
  QByteArray bytes = file.readAll();
  if (bytes.size() > kMaxWorkfileBytes || file.error() != QFileDevice::NoError) return std::nullopt;
  return bytes;
}

FileOutcome ShowNotValid(Program& program, const QString& path) {
  program.MessageBox(path + QLatin1Char('\r') + Text(514) + program.session.sProduct + Text(515),
                     MsgFlags::kOkOnly + MsgFlags::kExclamation);
  return FileOutcome::Failed;
}

// Asks for the password of a protected file. Done when it matches; when it
// was cancelled or wrong the session is no longer protected and the user
// was told (unless they cancelled).
FileOutcome CheckPassword(Program& program, const QString& password, const AskPasswordFn& askPassword) {
  Session& s = program.session;
  const std::optional<QString> entry = askPassword();
  if (entry && UpperCaseInCodePage(*entry) == UpperCaseInCodePage(password)) return FileOutcome::Done;
  if (entry) program.MessageBox(Text(516), MsgFlags::kOkOnly);
  s.bPassword = false;
  s.sPassword.clear();
  return entry ? FileOutcome::Failed : FileOutcome::Cancelled;
}

}  // namespace

FileOutcome OpenWorkfile(Program& program, const AskPasswordFn& askPassword) {
  FileWorkGuard working(program.fileWork);
  Session& s = program.session;

  const auto chosen =
      ChooseFile(program, FileDialogMode::Open, {s.sProduct, Text(108)}, QStringLiteral("*.") + Text(108));
  if (!chosen) return FileOutcome::Cancelled;
  const QString path = *chosen;
  if (!FileExists(path)) return FileOutcome::Cancelled;

  std::optional<QByteArray> bytes;
  {
    BusyPointer busy(program.platform);
    bytes = ReadWholeFile(path);
  }
  const QList<QByteArray> lines = bytes ? SplitLines(*bytes) : QList<QByteArray>();
  if (lines.isEmpty() || !IsStartMarkerLine(lines[0], s.sStartMarker)) return ShowNotValid(program, path);

  const std::optional<bool> protectedFile = lines.size() > 1 ? ReadPasswordFlag(lines[1]) : std::nullopt;
  if (!protectedFile) return ShowNotValid(program, path);
  qsizetype nextLine = 2;
  QString password;
  if (*protectedFile) {
    const auto stored = lines.size() > nextLine ? Unscramble(lines[nextLine]) : std::nullopt;
    if (!stored) return ShowNotValid(program, path);
    password = *stored;
    ++nextLine;
    const FileOutcome passwordCheck = CheckPassword(program, password, askPassword);
    if (passwordCheck != FileOutcome::Done) return passwordCheck;
  }

  program.ShowStatusMessage(StatusKind::kLoading);
  // The whole rest is checked before the session takes any of it.
  const auto content = ReadWorkfileContent(lines, nextLine, *protectedFile);
  if (!content) return ShowNotValid(program, path);
  ApplyWorkfileContent(s, *content);
  s.bPassword = *protectedFile;
  if (*protectedFile) s.sPassword = password;
  s.sWorkfile = path;

  SetLoadedSessionCommands(program.commands, s);
  program.ShowWorkfileName();
  program.MarkProgressStep(0);
  return FileOutcome::Done;
}

}  // namespace quillane
