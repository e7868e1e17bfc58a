#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace quillane {

// What the program was started with: `quillane [--help] [--version] [FILE]`.
struct CommandLine {
  bool help = false;
  bool version = false;
  std::optional<QString> workfile;  // a workfile to open once started
  QString error;                    // an unknown option or a second file: one line to print
};

// Reads the arguments after the program's name. Needs no application object,
// so --help and --version answer without a display.
CommandLine ParseCommandLine(const QStringList& arguments);

// The text --help prints and the one --version prints.
QString CommandLineHelp();
QString VersionLine();

// Exit statuses of a start that shows no window.
inline constexpr int kExitDone = 0;
inline constexpr int kExitUsage = 2;

}  // namespace quillane
