#pragma once

class QObject;

namespace quillane {

class Program;

// Makes F1 open the help at the topic of the form it was pressed in, in the
// main window and in every dialog alike. Installed once on the application;
// it lives as long as `owner`.
void InstallHelpKey(Program& program, QObject* owner);

}  // namespace quillane
