#pragma once

#include <QString>

#include "reports/HeadingGroups.h"
#include "reports/OutputFiles.h"
#include "session/Workfile.h"

namespace quillane {

class LineWriter;
class Platform;
class Prompter;
class RunEvents;
class StatusLine;
struct Constants;
struct EvaluationState;
struct HeadingTexts;
struct SessionContent;

// What distinguishes the report file from the plan file when it is saved.
struct TextOutput {
  FileProposal (*proposal)();  // what the file dialog proposes the first time
  QString OutputFiles::*path;  // remembers the file for the next save and the viewer
  void (*writeLines)(const SessionContent&, int, const EvaluationState&, HeadingTexts&, LineWriter&);
  int statusKind;                // the busy message shown once written
  void (RunEvents::*written)();  // emitted once written
};

// Asks for the file (proposing the remembered one), writes it with the
// evaluation's results in the heading language `nLanguage` with today's
// date, shows the busy message and says it was written. A cancelled dialog
// writes and says nothing; a file that cannot be written is named in a
// message, and nothing is said.
FileOutcome SaveTextOutput(const SessionContent& content, int nLanguage, const EvaluationState& evaluation,
                           OutputFiles& outputs, Prompter& prompter, Platform& platform, StatusLine& status,
                           const Constants& constants, RunEvents& events, int& fileWork,
                           const TextOutput& output);

// Opens `file` in the viewer/editor program `textEditor`, or with the
// desktop's own application when that program cannot be started; when
// neither can, says so and where the file is.
void StartViewer(Platform& platform, Prompter& prompter, const QString& textEditor, const QString& file);

}  // namespace quillane
