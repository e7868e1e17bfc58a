#include "reports/TextOutput.h"

#include <QDir>

#include "core/Constants.h"
#include "core/Prompter.h"
#include "core/RunEvents.h"
#include "core/StatusLine.h"
#include "files/FileChoice.h"
#include "platform/Platform.h"
#include "reports/DateTexts.h"
#include "reports/HeadingTexts.h"
#include "reports/LineWriter.h"
#include "reports/TextFileSink.h"
#include "resources/Texts.h"
#include "session/FileWorkGuard.h"

namespace quillane {

FileOutcome SaveTextOutput(const SessionContent& content, int nLanguage, const EvaluationState& evaluation,
                           OutputFiles& outputs, Prompter& prompter, Platform& platform, StatusLine& status,
                           const Constants& constants, RunEvents& events, int& fileWork,
                           const TextOutput& output) {
  QString& path = outputs.*output.path;

  const FileProposal proposal = output.proposal();
  if (path.isEmpty()) path = proposal.name;  // kept even when the dialog is cancelled
  const auto chosen = ChooseFile(prompter, FileDialogMode::SaveAs, proposal.filter, path);
  if (!chosen) return FileOutcome::Cancelled;
  path = *chosen;

  HeadingTexts texts;
  MakeDateTexts(texts, platform.Today(), nLanguage);
  TextFileSink file;
  LineWriter lines(file);
  output.writeLines(content, nLanguage, evaluation, texts, lines);
  bool written = false;
  {
    // The backup waits only while the file is written.
    FileWorkGuard working(fileWork);
    BusyPointer busy(platform);
    written = file.Save(path);
  }
  if (!written) {
    prompter.Tell(path + QLatin1Char('\r') + Text(3100), MsgButtons::OkOnly + MsgIcon::Exclamation);
    return FileOutcome::Failed;
  }
  ShowStatusMessage(status, constants, output.statusKind);
  (events.*output.written)();
  return FileOutcome::Done;
}

void StartViewer(Platform& platform, Prompter& prompter, const QString& textEditor, const QString& file) {
  if (!textEditor.isEmpty() && platform.StartProgram(textEditor, {file})) return;
  if (platform.OpenWithDesktop(file)) return;
  prompter.Tell(Text(3126) + QLatin1Char('\r') + QDir::toNativeSeparators(file), MsgButtons::OkOnly);
}

}  // namespace quillane
