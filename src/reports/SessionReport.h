#pragma once

#include "session/Workfile.h"

namespace quillane {

class LineWriter;
class Program;
struct Session;

// The lines of the report file: goal, weighted criteria, both asset lists,
// all ideas and the ranked evaluated ideas, under the headings of the
// current language. The dates must have been made.
void WriteReportLines(Session& session, LineWriter& out);

// The report command: asks for the file and writes the report into it.
FileOutcome WriteReport(Program& program);

// View Report: opens the last report in the viewer/editor; nothing happens
// while there is no report file.
void ViewReport(Program& program);

}  // namespace quillane
