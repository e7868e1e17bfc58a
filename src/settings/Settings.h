#pragma once

#include <QString>

namespace quillane {

class Program;

// The viewer/editor the program proposes when the settings file names none:
// the desktop's opener found on the PATH, or Notepad on Windows. "" when this
// desktop has no opener; the report viewer then uses the desktop's default.
QString DefaultTextEditor();

// Reads the preferences from the settings file at start-up. A missing or
// unreadable file, or a missing key, gives the default. The heading
// language always starts as English. Switches the backup timer to match.
void ReadSettings(Program& program);

// Writes the preferences into the settings file on the way out, keeping
// every other line of the file. A failed write is not reported: there is
// nobody left to tell, and the next start falls back to the defaults.
void WriteSettings(Program& program);

}  // namespace quillane
