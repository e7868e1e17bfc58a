#include "core/Constants.h"

#include <QDir>

#include "resources/Texts.h"

namespace quillane {

QString VersionText(int major, int minor) {
  const QString separator = minor < 10 ? QStringLiteral(".0") : QStringLiteral(".");
  return QString::number(major) + separator + QString::number(minor);
}

QString Constants::HelpFolder() const {
  return QDir(sAppPath).filePath(QStringLiteral("help"));
}

Constants LoadConstants(const QString& appPath, const QString& userFirstName) {
  Constants c;
  c.sVersion = VersionText(kMajorVersion, kMinorVersion);
  c.sTitle = Text(101) + QLatin1Char(' ') + Text(100) + QLatin1Char(' ') + c.sVersion;
  c.sProduct = Text(101);
  c.sUntitled = Text(102);
  c.sHelpName = Text(103);
  c.sDataName = Text(105);
  c.sStartMarker = Text(117);
  c.sEndMarker = Text(118);
  c.sMsgSaving = Text(112);
  c.sMsgLoading = Text(113);
  c.sMsgAutoBackup = Text(114);
  QString path = appPath;
  while (path.size() > 1 && (path.endsWith(QLatin1Char('/')) || path.endsWith(QLatin1Char('\\')))) {
    path.chop(1);
  }
  c.sAppPath = path;
  c.sUserFirstName = userFirstName;
  return c;
}

}  // namespace quillane
