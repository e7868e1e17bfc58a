#pragma once

namespace quillane {

class LineWriter;
class Platform;
class RunEvents;
class StatusLine;
struct EvaluationState;
struct HeadingTexts;
struct SessionContent;

// The lines of the concise report: goal, weighted criteria and the ranked
// evaluated ideas, under the headings of the language `nLanguage`. The dates
// in `texts` must have been made.
void WriteConciseLines(const SessionContent& content, int nLanguage, const EvaluationState& evaluation,
                       HeadingTexts& texts, LineWriter& out);

// The print command: prints the concise report as one job on the default
// printer, then events.summaryPrinted(). A system without a printer gets a
// PDF, named in the status bar for a while; no printing problem is ever a
// message box.
void PrintConciseReport(const SessionContent& content, int nLanguage, const EvaluationState& evaluation,
                        Platform& platform, StatusLine& status, RunEvents& events);

}  // namespace quillane
