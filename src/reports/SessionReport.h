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

// The lines of the report file: goal, weighted criteria, both asset lists,
// all ideas and the ranked evaluated ideas, under the headings of the
// language `nLanguage`. The dates in `texts` must have been made.
void WriteReportLines(const SessionContent& content, int nLanguage, const EvaluationState& evaluation,
                      HeadingTexts& texts, LineWriter& out);

// The report command: asks for the file, writes the report into it and
// remembers it in `outputs`; once written, events.reportSaved().
FileOutcome WriteReport(const SessionContent& content, int nLanguage, const EvaluationState& evaluation,
                        OutputFiles& outputs, Prompter& prompter, Platform& platform, StatusLine& status,
                        const Constants& constants, RunEvents& events, int& fileWork);

// View Report: opens the last report in the viewer/editor `textEditor`;
// nothing happens while there is no report file.
void ViewReport(const OutputFiles& outputs, const QString& textEditor, Platform& platform,
                Prompter& prompter);

}  // namespace quillane
