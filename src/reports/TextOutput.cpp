#include "reports/TextOutput.h"

#include "core/Program.h"
#include "platform/Platform.h"
#include "reports/DateTexts.h"
#include "reports/LineWriter.h"
#include "reports/TextFileSink.h"
#include "resources/Texts.h"
#include "session/FileChoice.h"
#include "session/FileWorkGuard.h"

namespace quillane {

void SaveTextOutput(Program& program, const TextOutput& output) {
  FileWorkGuard working(program.fileWork);
  Session& s = program.session;
  QString& path = s.*output.path;

  s.bCancel = false;
  output.loadProposal(s);
  if (!path.isEmpty()) s.sFileName = path;
  ShowFileDialog(program, FileDialogMode::SaveAs);
  path = s.sFileName;
  if (s.bCancel) return;

  MakeDateTexts(s, program.platform.Today());
  TextFileSink file;
  LineWriter lines(file);
  output.writeLines(s, lines);
  bool written = false;
  {
    BusyPointer busy(program.platform);
    written = file.Save(path);
  }
  if (!written) {
    program.MessageBox(path + QLatin1Char('\r') + Text(3100), MsgFlags::kOkOnly + MsgFlags::kExclamation);
    return;
  }
  program.ShowStatusMessage(output.statusKind);
  program.MarkProgressStep(output.progressStep);
  program.commands.EnableButton(output.viewerCommand, true);
}

void StartViewer(Program& program, const QString& file) {
  if (!program.platform.StartProgram(program.session.sTextEditor, {file}))
    program.platform.OpenWithDesktop(file);
}

}  // namespace quillane
