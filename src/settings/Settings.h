#pragma once

#include <QString>
#include <cstdint>

#include "files/SafeFileRead.h"

namespace quillane {

class TimerSwitch;

// The preferences, read at start-up and written on the way out, in the
// section of the program's name.
struct Settings {
  std::int16_t nAutoBackup = 0;      // non-zero: the automatic backup is on
  std::int16_t nAutoBackupTime = 0;  // its interval in minutes
  QString sTextEditor;               // the viewer/editor of reports and plans
  bool bHelpAtStartup = false;
  std::int16_t nLanguage = 0;  // the heading language
};

// The automatic backup's interval in minutes, from the settings file or the
// preferences: 1 to 30.
inline constexpr int kShortestBackupTime = 1;
inline constexpr int kLongestBackupTime = 30;

// The viewer/editor the program proposes when the settings file names none:
// the desktop's opener found on the PATH, or Notepad on Windows. "" when this
// desktop has no opener; the report viewer then uses the desktop's default.
QString DefaultTextEditor();

// Reads the preferences from the settings file at `path` at start-up. A
// missing or refused file (no regular file, larger than 1 MiB, unreadable),
// or a missing key, gives the default; the heading language is the one
// chosen last. Switches the backup timer to match. Returns how the file was
// read, so a refused one can be told.
FileRead ReadSettings(const QString& path, Settings& settings, TimerSwitch& backupTimer);

// Writes the preferences into the settings file at `path` (on the way out and
// when the heading language is chosen), keeping every other line of the
// file. A file that is refused as ReadSettings refuses it is left alone. A
// failed write is not reported: there is nobody left to tell, and the next
// start falls back to the defaults.
void WriteSettings(const QString& path, const Settings& settings);

}  // namespace quillane
