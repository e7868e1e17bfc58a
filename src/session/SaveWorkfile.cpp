#include <QDir>
#include <QFileInfo>

#include "core/Program.h"
#include "platform/Platform.h"
#include "resources/Texts.h"
#include "session/FileChoice.h"
#include "session/FileWorkGuard.h"
#include "session/SafeFileWrite.h"
#include "session/Workfile.h"
#include "session/WorkfileWriter.h"

namespace quillane {

namespace {

// Tells the user the file was not written; `bCancel` keeps callers from
// going on as if the session were saved.
void RefuseSave(Program& program, const QString& text) {
  Session& s = program.session;
  s.bCancel = true;
  program.MessageBox(s.sFileName + QLatin1Char('\r') + text, MsgFlags::kOkOnly + MsgFlags::kExclamation);
}

}  // namespace

QString BackupPath(const Program& program) {
  const QString folder = program.dataFolder.isEmpty() ? program.session.sAppPath : program.dataFolder;
  return QDir::toNativeSeparators(QDir(folder).filePath(Text(107)));
}

void SaveWorkfile(Program& program, int mode) {
  FileWorkGuard working(program.fileWork);
  Session& s = program.session;
  const bool backup = mode == SaveMode::kBackup;

  s.bCancel = false;
  if (backup) s.sFileName = BackupPath(program);
  s.sFilterName = s.sProduct;
  s.sFilterExt = Text(108);
  if (!backup) s.sFileName = s.sWorkfile;
  if (s.sFileName.isEmpty() || mode == SaveMode::kSaveAs) ShowFileDialog(program, FileDialogMode::SaveAs);
  // A cancelled dialog changes no name: after a refused replace question
  // `sFileName` names the file the user chose not to overwrite. The
  // workfile takes the new name only once the file is written.
  if (s.bCancel) return;

  if (!ContentFitsCodePage(s)) {
    RefuseSave(program, Text(3101));
    return;
  }

  bool written = false;
  {
    BusyPointer busy(program.platform);
    if (backup) QDir().mkpath(QFileInfo(s.sFileName).absolutePath());
    const QByteArray bytes =
        WorkfileBytes(s, backup ? WorkfileKind::Backup : WorkfileKind::Workfile, program.platform);
    written = WriteFileSafely(s.sFileName, bytes);
  }
  if (!written) {
    RefuseSave(program, Text(3100));
    return;
  }

  if (backup) {
    program.ShowStatusMessage(StatusKind::kAutoBackup);
    return;
  }
  s.sWorkfile = s.sFileName;
  s.bChanged = false;
  program.MarkProgressStep(ProgressStep::SessionSaved);
  program.ShowStatusMessage(StatusKind::kSaving);
}

}  // namespace quillane
