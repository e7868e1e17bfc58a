#pragma once

#include <QString>

namespace quillane {

struct Session;

// From the build, which takes them from the project's one version.
inline constexpr int kMajorVersion = QUILLANE_VERSION_MAJOR;
inline constexpr int kMinorVersion = QUILLANE_VERSION_MINOR;

// "1.01" for 1.1, "1.12" for 1.12: a minor number below 10 gets a leading 0.
QString VersionText(int major, int minor);

// Fills the start-up constants: version, title, product, file names, markers
// and status messages from the text table, and the program's folder.
void LoadConstants(Session& session, const QString& appPath);

}  // namespace quillane
