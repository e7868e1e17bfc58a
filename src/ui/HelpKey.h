#pragma once

class QObject;

namespace quillane {

struct HelpBook;

// Makes F1 open the help at the topic of the form it was pressed in, in the
// main window and in every dialog alike. Installed once on the application;
// it lives as long as `owner`.
void InstallHelpKey(const HelpBook& help, QObject* owner);

}  // namespace quillane
