#pragma once

#include <QString>

#include "core/Commands.h"
#include "core/Progress.h"
#include "reports/HeadingGroups.h"
#include "session/Workfile.h"

namespace quillane {

class LineWriter;
class Platform;
class Program;
struct EvaluationState;
struct HeadingTexts;
struct Session;

// What distinguishes the report file from the plan file when it is saved.
struct TextOutput {
  FileProposal (*proposal)();  // what the file dialog proposes the first time
  QString Session::*path;      // remembers the file for the next save and the viewer
  void (*writeLines)(const Session&, const EvaluationState&, HeadingTexts&, LineWriter&);
  int statusKind;             // the busy message shown once written
  ProgressStep progressStep;  // lit once written
  Command viewerCommand;      // enabled once written
};

// Asks for the file (proposing the remembered one), writes it with the
// evaluation's results in the heading language with today's date, shows the busy message, lights the step and
// enables the viewer command. A cancelled dialog writes and lights nothing;
// a file that cannot be written is named in a message, and nothing is lit.
FileOutcome SaveTextOutput(Program& program, const EvaluationState& evaluation, const TextOutput& output);

// Opens `file` in the viewer/editor program `textEditor`, or with the
// desktop's own application when that program cannot be started.
void StartViewer(Platform& platform, const QString& textEditor, const QString& file);

}  // namespace quillane
