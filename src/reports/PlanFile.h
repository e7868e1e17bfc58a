#pragma once

#include "session/Workfile.h"

namespace quillane {

class LineWriter;
class Program;
struct Session;

// The lines of the plan file: goal, the three best ideas and the criteria as
// advantages, under the headings of the current language. The dates must
// have been made.
void WritePlanLines(Session& session, LineWriter& out);

// The plan command: asks for the file and writes the plan into it.
FileOutcome WritePlan(Program& program);

// The elaborate command: opens the last plan in the viewer/editor, or with
// the desktop's application when the viewer cannot be started; nothing
// happens while there is no plan file.
void ElaboratePlan(Program& program);

}  // namespace quillane
