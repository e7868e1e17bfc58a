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

void ShowNotValid(Program& program) {
  const Session& s = program.session;
  program.MessageBox(s.sFileName + QLatin1Char('\r') + Text(514) + s.sProduct + Text(515),
                     MsgFlags::kOkOnly + MsgFlags::kExclamation);
}

// Asks for the password of a protected file. False when it was cancelled or
// wrong; then the session is no longer protected and the user was told
// (unless they cancelled).
bool PasswordAccepted(Program& program, const QString& password,
                      const std::function<void()>& showPasswordEntry) {
  Session& s = program.session;
  s.bCancel = false;
  showPasswordEntry();
  if (!s.bCancel && UpperCaseInCodePage(s.sPasswordEntry) == UpperCaseInCodePage(password)) return true;
  if (!s.bCancel) program.MessageBox(Text(516), MsgFlags::kOkOnly);
  s.bPassword = false;
  s.sPassword.clear();
  return false;
}

}  // namespace

void OpenWorkfile(Program& program, const std::function<void()>& showPasswordEntry) {
  FileWorkGuard working(program.fileWork);
  Session& s = program.session;

  s.bCancel = false;
  s.sFileName = QStringLiteral("*.") + Text(108);
  s.sFilterName = s.sProduct;
  s.sFilterExt = Text(108);
  ShowFileDialog(program, FileDialogMode::Open);
  if (!FileExists(s.sFileName) || s.bCancel) return;

  std::optional<QByteArray> bytes;
  {
    BusyPointer busy(program.platform);
    bytes = ReadWholeFile(s.sFileName);
  }
  const QList<QByteArray> lines = bytes ? SplitLines(*bytes) : QList<QByteArray>();
  if (lines.isEmpty() || !IsStartMarkerLine(lines[0], s.sStartMarker)) {
    ShowNotValid(program);
    return;
  }

  const std::optional<bool> protectedFile = lines.size() > 1 ? ReadPasswordFlag(lines[1]) : std::nullopt;
  if (!protectedFile) {
    ShowNotValid(program);
    return;
  }
  qsizetype nextLine = 2;
  QString password;
  if (*protectedFile) {
    const auto stored = lines.size() > nextLine ? Unscramble(lines[nextLine]) : std::nullopt;
    if (!stored) {
      ShowNotValid(program);
      return;
    }
    password = *stored;
    ++nextLine;
    if (!PasswordAccepted(program, password, showPasswordEntry)) return;
  }

  program.ShowStatusMessage(StatusKind::kLoading);
  // The whole rest is checked before the session takes any of it.
  const auto content = ReadWorkfileContent(lines, nextLine, *protectedFile);
  if (!content) {
    ShowNotValid(program);
    return;
  }
  ApplyWorkfileContent(s, *content);
  s.bPassword = *protectedFile;
  if (*protectedFile) s.sPassword = password;
  s.sWorkfile = s.sFileName;

  SetLoadedSessionCommands(program.commands, s);
  program.ShowWorkfileName();
  program.MarkProgressStep(ProgressStep::SessionLoaded);
}

}  // namespace quillane
