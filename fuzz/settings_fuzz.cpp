// Any bytes as the settings file: every key reads, a write keeps the rest.
#include <cstdint>

#include "settings/PrivateProfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  quillane::PrivateProfile profile = quillane::PrivateProfile::FromBytes(bytes);
  const QString section = QStringLiteral("Quillane");
  profile.GetString(section, QStringLiteral("Texteditor"), QString(), 254);
  for (const char* key : {"Help at Startup", "Automatic Backup", "Automatic Backup Time", "Language"}) {
    profile.GetInt(section, QLatin1String(key), 1);
  }
  const qsizetype before = profile.lines().size();
  if (profile.WriteString(section, QStringLiteral("Language"), QStringLiteral("1"))) {
    if (profile.lines().size() < before) __builtin_trap();  // a write never loses a line
  }
  return 0;
}
