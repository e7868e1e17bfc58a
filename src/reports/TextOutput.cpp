#include "reports/TextOutput.h"

#include "core/Program.h"
#include "files/FileChoice.h"
#include "platform/Platform.h"
#include "reports/DateTexts.h"
#include "reports/HeadingTexts.h"
#include "reports/LineWriter.h"
#include "reports/TextFileSink.h"
#include "resources/Texts.h"
#include "session/FileWorkGuard.h"

namespace quillane {

FileOutcome SaveTextOutput(Program& program, const EvaluationState& evaluation, const TextOutput& output) {
  Session& s = program.session;
  QString& path = s.*output.path;

  const FileProposal proposal = output.proposal();
  if (path.isEmpty()) path = proposal.name;  // kept even when the dialog is cancelled
  const auto chosen = ChooseFile(program, FileDialogMode::SaveAs, proposal.filter, path);
  if (!chosen) return FileOutcome::Cancelled;
  path = *chosen;

  HeadingTexts texts;
  MakeDateTexts(texts, program.platform.Today(), s.nLanguage);
  TextFileSink file;
  LineWriter lines(file);
  output.writeLines(s, evaluation, texts, lines);
  bool written = false;
  {
    // The backup waits only while the file is written.
    FileWorkGuard working(program.fileWork);
    BusyPointer busy(program.platform);
    written = file.Save(path);
  }
  if (!written) {
    program.MessageBox(path + QLatin1Char('\r') + Text(3100), MsgButtons::OkOnly + MsgIcon::Exclamation);
    return FileOutcome::Failed;
  }
  program.ShowStatusMessage(output.statusKind);
  program.MarkProgressStep(output.progressStep);
  program.commands.EnableButton(output.viewerCommand, true);
  return FileOutcome::Done;
}

void StartViewer(Platform& platform, const QString& textEditor, const QString& file) {
  if (!platform.StartProgram(textEditor, {file})) platform.OpenWithDesktop(file);
}

}  // namespace quillane
