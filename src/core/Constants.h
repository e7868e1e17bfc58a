#pragma once

#include <QString>

#include "crypto/SealingKey.h"

namespace quillane {

// From the build, which takes them from the project's one version.
inline constexpr int kMajorVersion = QUILLANE_VERSION_MAJOR;
inline constexpr int kMinorVersion = QUILLANE_VERSION_MINOR;

// "1.01" for 1.1, "1.12" for 1.12: a minor number below 10 gets a leading 0.
QString VersionText(int major, int minor);

// What the program knows from the start and never changes: its folder,
// names and version, the workfile markers, the busy messages, the
// user's first name for the encouragements and the cost of a new key.
struct Constants {
  QString sAppPath;
  QString sProduct;
  QString sVersion;
  QString sTitle;
  QString sUntitled;
  QString sHelpName;
  QString sDataName;
  QString sStartMarker;
  QString sEndMarker;
  QString sMsgSaving;
  QString sMsgLoading;
  QString sMsgAutoBackup;
  QString sUserFirstName;
  // The cost of the key of an encrypted workfile written in this run.
  KdfLimits kdfLimits = kDefaultKdfLimits;

  // The folder of the help pages, beside the program's other files.
  QString HelpFolder() const;
};

// The start-up constants from the text table, with the program's folder
// `appPath` and the user's first name.
Constants LoadConstants(const QString& appPath, const QString& userFirstName = QString());

}  // namespace quillane
