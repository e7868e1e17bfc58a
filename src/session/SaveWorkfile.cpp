#include "core/Program.h"
#include "files/FileChoice.h"
#include "files/SafeFileWrite.h"
#include "platform/Platform.h"
#include "resources/Texts.h"
#include "session/FileWorkGuard.h"
#include "session/Workfile.h"
#include "session/WorkfileWriter.h"

namespace quillane {

namespace {

// Tells the user that `path` was not written.
FileOutcome RefuseSave(Program& program, const QString& path, const QString& text) {
  program.MessageBox(path + QLatin1Char('\r') + text, MsgButtons::OkOnly + MsgIcon::Exclamation);
  return FileOutcome::Failed;
}

}  // namespace

FileOutcome SaveWorkfile(Program& program, SaveMode mode) {
  Session& s = program.session;

  QString path = s.sWorkfile;
  if (path.isEmpty() || mode == SaveMode::kSaveAs) {
    const auto chosen = ChooseFile(program, FileDialogMode::SaveAs, {s.sProduct, Text(108)}, s.sWorkfile);
    if (!chosen) return FileOutcome::Cancelled;
    path = *chosen;
  }

  if (!ContentFitsCodePage(s)) return RefuseSave(program, path, Text(3101));

  // The backup waits only while the file is written, not while the user
  // chooses a name or reads a message.
  bool written = false;
  {
    FileWorkGuard working(program.fileWork);
    BusyPointer busy(program.platform);
    written = WriteFileSafely(path, WorkfileBytes(s, WorkfileKind::Workfile, program.platform));
  }
  if (!written) return RefuseSave(program, path, Text(3100));

  // The workfile takes the new name only once the file is written.
  FileWorkGuard working(program.fileWork);
  s.sWorkfile = path;
  s.bChanged = false;
  program.MarkProgressStep(ProgressStep::SessionSaved);
  program.ShowStatusMessage(StatusKind::kSaving);
  return FileOutcome::Done;
}

}  // namespace quillane
