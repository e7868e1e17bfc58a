#pragma once

#include "session/Workfile.h"

namespace quillane {

class LineWriter;
class Platform;
class Program;
struct EvaluationState;
struct HeadingTexts;
struct Session;

// The lines of the plan file: goal, the three best ideas and the criteria as
// advantages, under the headings of the current language. The dates in
// `texts` must have been made.
void WritePlanLines(const Session& session, const EvaluationState& evaluation, HeadingTexts& texts,
                    LineWriter& out);

// The plan command: asks for the file and writes the plan into it.
FileOutcome WritePlan(Program& program, const EvaluationState& evaluation);

// The elaborate command: opens the last plan in the viewer/editor, or with
// the desktop's application when the viewer cannot be started; nothing
// happens while there is no plan file.
void ElaboratePlan(const Session& session, Platform& platform);

}  // namespace quillane
