#pragma once

#include "session/Workfile.h"

namespace quillane {

class LineWriter;
class Platform;
class Program;
struct EvaluationState;
struct HeadingTexts;
struct Session;

// The lines of the report file: goal, weighted criteria, both asset lists,
// all ideas and the ranked evaluated ideas, under the headings of the
// current language. The dates in `texts` must have been made.
void WriteReportLines(const Session& session, const EvaluationState& evaluation, HeadingTexts& texts,
                      LineWriter& out);

// The report command: asks for the file and writes the report into it.
FileOutcome WriteReport(Program& program, const EvaluationState& evaluation);

// View Report: opens the last report in the viewer/editor; nothing happens
// while there is no report file.
void ViewReport(const Session& session, Platform& platform);

}  // namespace quillane
