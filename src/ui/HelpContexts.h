#pragma once

#include <vector>

class QWidget;

namespace quillane {

class Program;

// Gives every open form of the program its help context number: the form's
// base number, then the number of each visible frame in list order (the
// last visible one wins); the selection dialog goes by its pick mode.
void SetHelpContexts(Program& program);

// Every number the context table can give a form, each once, ascending:
// the topics the help pages must cover.
std::vector<int> AllHelpContexts();

// The help context number a form carries now.
int HelpContextOf(const QWidget* form);

// Opens the help at the context of `form` (F1 and the Help buttons).
void ShowHelpFor(Program& program, const QWidget* form);

// Opens the help at its contents.
void ShowHelpContents(Program& program);

}  // namespace quillane
