#include <QDir>
#include <QFileInfo>
#include <memory>

#include "core/Constants.h"
#include "core/Prompter.h"
#include "core/SessionDocument.h"
#include "core/StatusLine.h"
#include "files/CodePage.h"
#include "files/FileChoice.h"
#include "files/TextEncoding.h"
#include "platform/Platform.h"
#include "resources/Texts.h"
#include "session/FileWorkGuard.h"
#include "session/Scramble.h"
#include "session/Workfile.h"
#include "session/WorkfileReader.h"

namespace quillane {

namespace {

FileOutcome ShowNotValid(Prompter& prompter, const Constants& constants, const QString& path) {
  prompter.Tell(path + QLatin1Char('\r') + Text(514) + constants.sProduct + Text(515),
                MsgButtons::OkOnly + MsgIcon::Exclamation);
  return FileOutcome::Failed;
}

// Asks for the password of a protected file. Done when it matches; a wrong
// one is told. Either way the current session stays exactly as it is, its
// password included, so a protected workfile is never saved unprotected.
FileOutcome CheckPassword(Prompter& prompter, const QString& password, const AskPasswordFn& askPassword) {
  const std::optional<QString> entry = askPassword();
  if (!entry) return FileOutcome::Cancelled;
  if (UpperCaseInCodePage(*entry) == UpperCaseInCodePage(password)) return FileOutcome::Done;
  prompter.Tell(Text(516), MsgButtons::OkOnly);
  return FileOutcome::Failed;
}

}  // namespace

FileOutcome OpenWorkfile(SessionDocument& document, EvaluationState& evaluation, Prompter& prompter,
                         Platform& platform, StatusLine& status, const Constants& constants, int& fileWork,
                         const AskPasswordFn& askPassword, const QString& lastFolder) {
  const QString pattern = QStringLiteral("*.") + Text(108);
  const QString folder = WorkfileFolder(document.workfile(), lastFolder);
  const std::optional<QString> chosen =
      ChooseFile(prompter, FileDialogMode::Open, {constants.sProduct, Text(108)},
                 folder.isEmpty() ? pattern : QDir(folder).filePath(pattern));
  if (!chosen || !QFileInfo::exists(*chosen)) return FileOutcome::Cancelled;
  return LoadWorkfile(document, evaluation, prompter, platform, status, constants, fileWork, *chosen,
                      askPassword);
}

FileOutcome TellWorkfileNotRead(Prompter& prompter, const QString& path, WorkfileUnread why) {
  prompter.Tell(path + QLatin1Char('\r') + Text(why == WorkfileUnread::Missing ? 3124 : 3125),
                MsgButtons::OkOnly + MsgIcon::Exclamation);
  return FileOutcome::Failed;
}

QString WorkfileFolder(const QString& workfile, const QString& lastFolder) {
  if (!workfile.isEmpty()) return QFileInfo(workfile).absolutePath();
  return lastFolder;
}

FileOutcome LoadWorkfile(SessionDocument& document, EvaluationState& evaluation, Prompter& prompter,
                         Platform& platform, StatusLine& status, const Constants& constants, int& fileWork,
                         const QString& path, const AskPasswordFn& askPassword) {
  // The backup waits only while the file is read and the session takes it,
  // not while a password prompt or a message waits for the user.
  std::optional<QByteArray> bytes;
  {
    FileWorkGuard reading(fileWork);
    BusyPointer busy(platform);
    bytes = ReadWorkfileBytes(path);
  }
  // A file that is not there, or that this account may not read, is told
  // as such; anything else that is no workfile is not valid.
  if (!bytes) {
    const QFileInfo file(path);
    if (!file.exists() && !file.isSymLink())
      return TellWorkfileNotRead(prompter, path, WorkfileUnread::Missing);
    if (file.isFile() && !file.isReadable())
      return TellWorkfileNotRead(prompter, path, WorkfileUnread::Unreadable);
  }
  const QList<QByteArray> lines = bytes ? SplitLines(*bytes) : QList<QByteArray>();
  if (lines.isEmpty() || !IsStartMarkerLine(lines[0], constants.sStartMarker)) {
    return ShowNotValid(prompter, constants, path);
  }

  const std::optional<bool> protectedFile = lines.size() > 1 ? ReadPasswordFlag(lines[1]) : std::nullopt;
  if (!protectedFile) return ShowNotValid(prompter, constants, path);
  qsizetype nextLine = 2;
  QString password;
  if (*protectedFile) {
    // The password is written in the encoding the reserved line after it marks.
    const TextEncoding encoding =
        lines.size() > nextLine + 1 ? ReadEncodingMark(lines[nextLine + 1], true) : TextEncoding::CodePage;
    const auto stored = lines.size() > nextLine ? Unscramble(lines[nextLine], encoding) : std::nullopt;
    if (!stored || CharacterCount(*stored) > kMaxPasswordLength)
      return ShowNotValid(prompter, constants, path);
    password = *stored;
    ++nextLine;
    const FileOutcome passwordCheck = CheckPassword(prompter, password, askPassword);
    if (passwordCheck != FileOutcome::Done) return passwordCheck;
  }

  std::optional<WorkfileContent> content;
  std::optional<std::unique_ptr<EvaluationState>> kept;
  {
    FileWorkGuard loading(fileWork);
    // The whole rest is checked before the session takes any of it.
    const bool endsWithLineEnd = bytes->endsWith('\n') || bytes->endsWith('\r');
    content = ReadWorkfileContent(lines, nextLine, *protectedFile, endsWithLineEnd);
    if (content) {
      kept =
          ReadEvaluationBlock(lines, content->endMarkerLine + 1, static_cast<int>(content->criteria.size()),
                              *protectedFile, content->encoding);
    }
  }
  if (!content || !kept) return ShowNotValid(prompter, constants, path);
  // Only the slots within the new counts change; the others keep what they held.
  const auto loaded = std::make_unique<SessionContent>(document.content());
  ApplyWorkfileContent(*loaded, *content);
  // A plain file leaves no password of the session before it behind.
  loaded->bPassword = *protectedFile;
  loaded->sPassword = *protectedFile ? password : QString();
  // The change flag keeps its value across an open: only a save or a new
  // session clears it.
  const bool wasModified = document.isModified();
  // The evaluation first, so whoever follows the load sees the one it keeps.
  evaluation = *kept ? **kept : *std::make_unique<EvaluationState>();
  document.TakeLoaded(*loaded, path);
  if (wasModified) document.MarkModified();
  ShowStatusMessage(status, constants, StatusKind::kLoading);
  return FileOutcome::Done;
}

}  // namespace quillane
