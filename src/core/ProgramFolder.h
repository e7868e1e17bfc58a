#pragma once

#include <QString>

namespace quillane {

// The folder of the program's own files (word file, sound, help pages):
// share/quillane of the install when the executable sits in its bin/, else
// the executable's own folder, as in a build.
QString ProgramFilesFolder(const QString& executableFolder);

}  // namespace quillane
