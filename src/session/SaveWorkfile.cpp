#include <QDir>

#include "core/Constants.h"
#include "core/Prompter.h"
#include "core/SessionDocument.h"
#include "core/StatusLine.h"
#include "files/FileChoice.h"
#include "files/SafeFileWrite.h"
#include "platform/Platform.h"
#include "resources/Texts.h"
#include "session/FileWorkGuard.h"
#include "session/SessionKey.h"
#include "session/Workfile.h"
#include "session/WorkfileReader.h"
#include "session/WorkfileWriter.h"

namespace quillane {

namespace {

// Tells the user that `path` was not written.
FileOutcome RefuseSave(Prompter& prompter, const QString& path, const QString& text) {
  prompter.Tell(path + QLatin1Char('\r') + text, MsgButtons::OkOnly + MsgIcon::Exclamation);
  return FileOutcome::Failed;
}

}  // namespace

FileOutcome SaveWorkfile(SessionDocument& document, const EvaluationState& evaluation, Prompter& prompter,
                         Platform& platform, StatusLine& status, const Constants& constants, int& fileWork,
                         SaveMode mode, const QString& lastFolder) {
  const SessionContent& s = document.content();

  QString path = document.workfile();
  if (path.isEmpty() || mode == SaveMode::kSaveAs) {
    // An untitled session's dialog starts in the folder used last.
    const QString proposal = document.workfile().isEmpty() && !lastFolder.isEmpty()
                                 ? QDir(lastFolder).absolutePath() + QLatin1Char('/')
                                 : document.workfile();
    const auto chosen =
        ChooseFile(prompter, FileDialogMode::SaveAs, {constants.sProduct, Text(108)}, proposal);
    if (!chosen) return FileOutcome::Cancelled;
    path = *chosen;
  }

  // An encrypted session written to a file of a new name seals it under a
  // key of a fresh salt: no two workfiles share one.
  std::shared_ptr<const SealingKey> key = document.sealingKey();
  const bool encrypted = IsEncrypted(s);
  if (encrypted && (!key || path != document.workfile())) {
    key = DeriveSessionKey(s.sPassword, NewSalt(), constants.kdfLimits, platform, fileWork);
  }

  // The backup waits only while the file is written, not while the user
  // chooses a name or reads a message.
  bool written = false;
  {
    FileWorkGuard working(fileWork);
    BusyPointer busy(platform);
    // Never a file that Open would refuse as too large.
    const auto bytes = StoredWorkfileBytes(s, evaluation, WorkfileKind::Workfile, platform, key.get());
    written = bytes && WriteFileSafely(path, *bytes);
  }
  if (!written) return RefuseSave(prompter, path, Text(3100));

  // The workfile takes the new name, and the key its file is sealed with,
  // only once the file is written.
  FileWorkGuard working(fileWork);
  if (encrypted) document.RenewSealingKey(std::move(key));
  document.MarkSaved(path);
  ShowStatusMessage(status, constants, StatusKind::kSaving);
  return FileOutcome::Done;
}

}  // namespace quillane
