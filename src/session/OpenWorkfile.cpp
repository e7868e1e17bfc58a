#include <QDir>
#include <QFileInfo>
#include <memory>

#include "core/Constants.h"
#include "core/Prompter.h"
#include "core/SessionDocument.h"
#include "core/StatusLine.h"
#include "crypto/SecretBytes.h"
#include "files/CodePage.h"
#include "files/FileChoice.h"
#include "files/TextEncoding.h"
#include "platform/Platform.h"
#include "resources/Texts.h"
#include "session/EncryptedWorkfile.h"
#include "session/FileWorkGuard.h"
#include "session/Scramble.h"
#include "session/SessionKey.h"
#include "session/Workfile.h"
#include "session/WorkfileReader.h"

namespace quillane {

namespace {

FileOutcome ShowNotValid(Prompter& prompter, const Constants& constants, const QString& path) {
  prompter.Tell(path + QLatin1Char('\r') + Text(514) + constants.sProduct + Text(515),
                MsgButtons::OkOnly + MsgIcon::Exclamation);
  return FileOutcome::Failed;
}

// Asks for the password of a letter-shift file. Done when it matches; a
// wrong one is told. Either way the current session stays exactly as it is,
// its password included, so a protected workfile is never saved unprotected.
FileOutcome CheckPassword(Prompter& prompter, const QString& password, const AskPasswordFn& askPassword) {
  const std::optional<QString> entry = askPassword(Protection::LetterShift);
  if (!entry) return FileOutcome::Cancelled;
  if (UpperCaseInCodePage(*entry) == UpperCaseInCodePage(password)) return FileOutcome::Done;
  prompter.Tell(Text(516), MsgButtons::OkOnly);
  return FileOutcome::Failed;
}

// Wipes a decrypted workfile and the lines cut from it.
void WipeWorkfile(QByteArray& bytes, QList<QByteArray>& lines) {
  WipeBytes(bytes);
  for (QByteArray& line : lines) WipeBytes(line);
}

// The protection a workfile gives the session that takes it.
struct FileProtection {
  bool bPassword = false;
  QString sPassword;
  Protection protection = Protection::LetterShift;
};

// What a workfile gives once its protection is passed: its lines without a
// password and how to read them.
struct OpenedWorkfile {
  const QByteArray& bytes;
  const QList<QByteArray>& lines;
  qsizetype firstContentLine;
  bool scrambled;
};

// Reads the content and the evaluation of `file` and, when both are sound,
// gives them to the session with `protection`. Nothing changes otherwise.
FileOutcome TakeWorkfile(SessionDocument& document, EvaluationState& evaluation, Prompter& prompter,
                         StatusLine& status, const Constants& constants, int& fileWork, const QString& path,
                         const OpenedWorkfile& file, const FileProtection& protection,
                         std::shared_ptr<const SealingKey> key) {
  std::optional<WorkfileContent> content;
  std::optional<std::unique_ptr<EvaluationState>> kept;
  {
    FileWorkGuard loading(fileWork);
    // The whole rest is checked before the session takes any of it.
    const bool endsWithLineEnd = file.bytes.endsWith('\n') || file.bytes.endsWith('\r');
    content = ReadWorkfileContent(file.lines, file.firstContentLine, file.scrambled, endsWithLineEnd);
    if (content) {
      kept =
          ReadEvaluationBlock(file.lines, content->endMarkerLine + 1,
                              static_cast<int>(content->criteria.size()), file.scrambled, content->encoding);
    }
  }
  if (!content || !kept) return ShowNotValid(prompter, constants, path);
  // Only the slots within the new counts change; the others keep what they held.
  const auto loaded = std::make_unique<SessionContent>(document.content());
  ApplyWorkfileContent(*loaded, *content);
  // A plain file leaves no password of the session before it behind.
  loaded->bPassword = protection.bPassword;
  loaded->sPassword = protection.sPassword;
  loaded->protection = protection.protection;
  // The change flag keeps its value across an open: only a save or a new
  // session clears it.
  const bool wasModified = document.isModified();
  // The evaluation first, so whoever follows the load sees the one it keeps.
  evaluation = *kept ? **kept : *std::make_unique<EvaluationState>();
  document.TakeLoaded(*loaded, path, std::move(key));
  if (wasModified) document.MarkModified();
  ShowStatusMessage(status, constants, StatusKind::kLoading);
  return FileOutcome::Done;
}

// An encrypted workfile: its form is checked before the password is asked
// for; then the key the password gives must open it.
FileOutcome LoadEncryptedWorkfile(SessionDocument& document, EvaluationState& evaluation, Prompter& prompter,
                                  Platform& platform, StatusLine& status, const Constants& constants,
                                  int& fileWork, const QString& path, const QByteArray& bytes,
                                  const AskPasswordFn& askPassword) {
  const std::optional<EncryptedWorkfile> file = ReadEncryptedWorkfile(bytes);
  if (!file) return ShowNotValid(prompter, constants, path);
  std::optional<QString> entry = askPassword(Protection::Encrypted);
  if (!entry) return FileOutcome::Cancelled;
  if (entry->isEmpty() || CharacterCount(*entry) > kMaxPassphrase) {
    prompter.Tell(Text(3134), MsgButtons::OkOnly + MsgIcon::Exclamation);
    return FileOutcome::Failed;
  }
  std::shared_ptr<const SealingKey> key =
      DeriveSessionKey(*entry, file->salt, file->limits, platform, fileWork);
  if (!key) return ShowNotValid(prompter, constants, path);
  std::optional<QByteArray> plain = OpenEncryptedWorkfile(*file, *key);
  if (!plain) {
    WipeText(*entry);
    prompter.Tell(Text(3134), MsgButtons::OkOnly + MsgIcon::Exclamation);
    return FileOutcome::Failed;
  }
  // Inside lies a workfile without a password.
  QList<QByteArray> lines = SplitLines(*plain);
  FileOutcome outcome = FileOutcome::Failed;
  if (lines.size() > 1 && IsStartMarkerLine(lines[0], constants.sStartMarker) &&
      ReadPasswordFlag(lines[1]) == false) {
    outcome = TakeWorkfile(document, evaluation, prompter, status, constants, fileWork, path,
                           {*plain, lines, 2, false}, {true, *entry, Protection::Encrypted}, std::move(key));
  } else {
    outcome = ShowNotValid(prompter, constants, path);
  }
  WipeWorkfile(*plain, lines);
  return outcome;
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
  if (lines.size() > 1 && IsEncryptedFormatLine(lines[1])) {
    return LoadEncryptedWorkfile(document, evaluation, prompter, platform, status, constants, fileWork, path,
                                 *bytes, askPassword);
  }
  // Only an encrypted workfile is larger.
  if (bytes->size() > kMaxWorkfileBytes) return ShowNotValid(prompter, constants, path);

  const std::optional<bool> protectedFile = lines.size() > 1 ? ReadPasswordFlag(lines[1]) : std::nullopt;
  if (!protectedFile) return ShowNotValid(prompter, constants, path);
  qsizetype nextLine = 2;
  FileProtection protection;
  if (*protectedFile) {
    // The password is written in the encoding the reserved line after it marks.
    const TextEncoding encoding =
        lines.size() > nextLine + 1 ? ReadEncodingMark(lines[nextLine + 1], true) : TextEncoding::CodePage;
    const auto stored = lines.size() > nextLine ? Unscramble(lines[nextLine], encoding) : std::nullopt;
    if (!stored || CharacterCount(*stored) > kMaxLetterShiftPassword)
      return ShowNotValid(prompter, constants, path);
    protection = {true, *stored, Protection::LetterShift};
    ++nextLine;
    const FileOutcome passwordCheck = CheckPassword(prompter, *stored, askPassword);
    if (passwordCheck != FileOutcome::Done) return passwordCheck;
  }
  return TakeWorkfile(document, evaluation, prompter, status, constants, fileWork, path,
                      {*bytes, lines, nextLine, *protectedFile}, protection, nullptr);
}

}  // namespace quillane
