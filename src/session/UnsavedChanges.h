#pragma once

namespace quillane {

class Program;

// Asks whether the changed session is to be saved first, with Yes, No and
// Cancel. Returns the answer: kAnswerYes, kAnswerNo or kAnswerCancel.
int AskToSaveChanges(Program& program);

}  // namespace quillane
