#include "session/Constants.h"

#include "core/Session.h"
#include "resources/Texts.h"

namespace quillane {

QString VersionText(int major, int minor) {
  const QString separator = minor < 10 ? QStringLiteral(".0") : QStringLiteral(".");
  return QString::number(major) + separator + QString::number(minor);
}

void LoadConstants(Session& s, const QString& appPath) {
  s.sVersion = VersionText(kMajorVersion, kMinorVersion);
  s.sTitle = Text(101) + QLatin1Char(' ') + Text(100) + QLatin1Char(' ') + s.sVersion;
  s.sProduct = Text(101);
  s.sUntitled = Text(102);
  s.sHelpName = Text(103);
  s.sDataName = Text(105);
  s.sStartMarker = Text(117);
  s.sEndMarker = Text(118);
  s.sMsgSaving = Text(112);
  s.sMsgLoading = Text(113);
  s.sMsgAutoBackup = Text(114);
  QString path = appPath;
  while (path.size() > 1 && (path.endsWith(QLatin1Char('/')) || path.endsWith(QLatin1Char('\\')))) {
    path.chop(1);
  }
  s.sAppPath = path;
}

}  // namespace quillane
