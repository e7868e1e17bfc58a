#pragma once

namespace quillane {

class LineWriter;
class Program;
struct EvaluationState;
struct HeadingTexts;
struct Session;

// The lines of the concise report: goal, weighted criteria and the ranked
// evaluated ideas, under the headings of the current language. The dates in
// `texts` must have been made.
void WriteConciseLines(const Session& session, const EvaluationState& evaluation, HeadingTexts& texts,
                       LineWriter& out);

// The print command: prints the concise report as one job on the default
// printer and lights its step. A system without a printer gets a PDF, named
// in the status bar for a while; no printing problem is ever a message box.
void PrintConciseReport(Program& program, const EvaluationState& evaluation);

}  // namespace quillane
