#pragma once

#include <QString>

#include "core/Progress.h"
#include "reports/HeadingGroups.h"
#include "session/Workfile.h"

namespace quillane {

class LineWriter;
class Program;
struct Session;

// What distinguishes the report file from the plan file when it is saved.
struct TextOutput {
  FileProposal (*proposal)();  // what the file dialog proposes the first time
  QString Session::*path;      // remembers the file for the next save and the viewer
  void (*writeLines)(Session&, LineWriter&);
  int statusKind;             // the busy message shown once written
  ProgressStep progressStep;  // lit once written
  int viewerCommand;          // enabled once written
};

// Asks for the file (proposing the remembered one), writes it in the heading
// language with today's date, shows the busy message, lights the step and
// enables the viewer command. A cancelled dialog writes and lights nothing;
// a file that cannot be written is named in a message, and nothing is lit.
FileOutcome SaveTextOutput(Program& program, const TextOutput& output);

// Opens `file` in the viewer/editor program, or with the desktop's own
// application when that program cannot be started.
void StartViewer(Program& program, const QString& file);

}  // namespace quillane
