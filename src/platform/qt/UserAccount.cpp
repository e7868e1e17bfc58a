#include "platform/qt/UserAccount.h"

#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <pwd.h>
#include <unistd.h>
#endif

namespace quillane {

UserName CurrentUserAccount() {
  UserName name;
#ifdef Q_OS_UNIX
  if (const passwd* entry = getpwuid(getuid())) {
    name.loginName = QString::fromLocal8Bit(entry->pw_name);
    // The GECOS field starts with the full name, followed by comma-separated extras.
    name.fullName = QString::fromLocal8Bit(entry->pw_gecos).section(QLatin1Char(','), 0, 0).trimmed();
  }
#endif
  if (name.loginName.isEmpty()) {
    name.loginName = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME"));
  }
  return name;
}

}  // namespace quillane
