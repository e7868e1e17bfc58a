#pragma once

#include <QString>

namespace quillane {

// Fetches text `number` from the numbered text table, exactly as stored.
// Asking for a number the table does not hold is a programming error: it
// asserts in debug builds and gives "" in release builds.
QString Text(int number);

// True when the table holds `number`.
bool HasText(int number);

// The text as a label or window title shows it: a doubled "&&" becomes "&".
// Buttons and frames take Text() as it is, since they read "&&" the same way.
QString ShownText(int number);

}  // namespace quillane
