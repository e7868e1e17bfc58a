#pragma once

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
struct OutputFiles;
struct SessionContent;

// The lines of the plan file: goal, the three best ideas and the criteria as
// advantages, under the headings of the language `nLanguage`. The dates in
// `texts` must have been made.
void WritePlanLines(const SessionContent& content, int nLanguage, const EvaluationState& evaluation,
                    HeadingTexts& texts, LineWriter& out);

// The plan command: asks for the file, writes the plan into it and
// remembers it in `outputs`; once written, events.planSaved().
FileOutcome WritePlan(const SessionContent& content, int nLanguage, const EvaluationState& evaluation,
                      OutputFiles& outputs, Prompter& prompter, Platform& platform, StatusLine& status,
                      const Constants& constants, RunEvents& events, int& fileWork);

// The elaborate command: opens the last plan in the viewer/editor
// `textEditor`, or with the desktop's application when the viewer cannot be
// started; nothing happens while there is no plan file.
void ElaboratePlan(const OutputFiles& outputs, const QString& textEditor, Platform& platform,
                   Prompter& prompter);

}  // namespace quillane
