#include <QFileInfo>

#include "core/Program.h"
#include "files/CodePage.h"
#include "files/FileChoice.h"
#include "platform/Platform.h"
#include "resources/Texts.h"
#include "session/FileWorkGuard.h"
#include "session/Scramble.h"
#include "session/Workfile.h"
#include "session/WorkfileReader.h"

namespace quillane {

namespace {

FileOutcome ShowNotValid(Program& program, const QString& path) {
  program.MessageBox(path + QLatin1Char('\r') + Text(514) + program.session.sProduct + Text(515),
                     MsgButtons::OkOnly + MsgIcon::Exclamation);
  return FileOutcome::Failed;
}

// Asks for the password of a protected file. Done when it matches; a wrong
// one is told. Either way the current session stays exactly as it is, its
// password included, so a protected workfile is never saved unprotected.
FileOutcome CheckPassword(Program& program, const QString& password, const AskPasswordFn& askPassword) {
  const std::optional<QString> entry = askPassword();
  if (!entry) return FileOutcome::Cancelled;
  if (UpperCaseInCodePage(*entry) == UpperCaseInCodePage(password)) return FileOutcome::Done;
  program.MessageBox(Text(516), MsgButtons::OkOnly);
  return FileOutcome::Failed;
}

}  // namespace

FileOutcome OpenWorkfile(Program& program, const AskPasswordFn& askPassword) {
  const std::optional<QString> chosen = ChooseFile(
      program, FileDialogMode::Open, {program.session.sProduct, Text(108)}, QStringLiteral("*.") + Text(108));
  if (!chosen || !QFileInfo::exists(*chosen)) return FileOutcome::Cancelled;
  return LoadWorkfile(program, *chosen, askPassword);
}

FileOutcome LoadWorkfile(Program& program, const QString& path, const AskPasswordFn& askPassword) {
  Session& s = program.session;
  // The backup waits only while the file is read and the session takes it,
  // not while a password prompt or a message waits for the user.
  std::optional<QByteArray> bytes;
  {
    FileWorkGuard reading(program.fileWork);
    BusyPointer busy(program.platform);
    bytes = ReadWorkfileBytes(path);
  }
  const QList<QByteArray> lines = bytes ? SplitLines(*bytes) : QList<QByteArray>();
  if (lines.isEmpty() || !IsStartMarkerLine(lines[0], s.sStartMarker)) return ShowNotValid(program, path);

  const std::optional<bool> protectedFile = lines.size() > 1 ? ReadPasswordFlag(lines[1]) : std::nullopt;
  if (!protectedFile) return ShowNotValid(program, path);
  qsizetype nextLine = 2;
  QString password;
  if (*protectedFile) {
    const auto stored = lines.size() > nextLine ? Unscramble(lines[nextLine]) : std::nullopt;
    if (!stored || stored->size() > kMaxPasswordLength) return ShowNotValid(program, path);
    password = *stored;
    ++nextLine;
    const FileOutcome passwordCheck = CheckPassword(program, password, askPassword);
    if (passwordCheck != FileOutcome::Done) return passwordCheck;
  }

  std::optional<WorkfileContent> content;
  {
    FileWorkGuard loading(program.fileWork);
    program.ShowStatusMessage(StatusKind::kLoading);
    // The whole rest is checked before the session takes any of it.
    const bool endsWithLineEnd = bytes->endsWith('\n') || bytes->endsWith('\r');
    content = ReadWorkfileContent(lines, nextLine, *protectedFile, endsWithLineEnd);
  }
  if (!content) return ShowNotValid(program, path);
  ApplyWorkfileContent(s, *content);
  // A plain file leaves no password of the session before it behind.
  s.bPassword = *protectedFile;
  s.sPassword = *protectedFile ? password : QString();
  s.sWorkfile = path;

  SetLoadedSessionCommands(program.commands, s);
  program.ShowWorkfileName();
  program.MarkProgressStep(ProgressStep::SessionLoaded);
  return FileOutcome::Done;
}

}  // namespace quillane
