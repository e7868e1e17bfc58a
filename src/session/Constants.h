#pragma once

#include <QString>

namespace quillane {

struct Session;

inline constexpr int kMajorVersion = 1;
inline constexpr int kMinorVersion = 1;

// "1.01" for 1.1, "1.12" for 1.12: a minor number below 10 gets a leading 0.
QString VersionText(int major, int minor);

// Fills the start-up constants: version, title, product, file names, markers
// and status messages from the text table, and the program's folder.
void LoadConstants(Session& session, const QString& appPath);

}  // namespace quillane
