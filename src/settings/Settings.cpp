#include "settings/Settings.h"

#include <QStandardPaths>
#include <algorithm>
#include <limits>

#include "core/Session.h"
#include "core/TimerSwitch.h"
#include "resources/Texts.h"
#include "settings/PrivateProfile.h"

namespace quillane {

namespace {

// Key names as the settings file spells them.
const QString kKeyTextEditor = QStringLiteral("Texteditor");
const QString kKeyLanguage = QStringLiteral("Language");
const QString kKeyHelpAtStartup = QStringLiteral("Help at Startup");
const QString kKeyAutoBackup = QStringLiteral("Automatic Backup");
const QString kKeyAutoBackupTime = QStringLiteral("Automatic Backup Time");

// The editor's path is read into a buffer of 255 characters, the last one
// its terminator.
constexpr int kTextEditorMaxLength = 254;

constexpr int kDefaultHelpAtStartup = 1;
constexpr Integer kDefaultAutoBackup = 1;
constexpr Integer kDefaultAutoBackupTime = 5;
constexpr Integer kEnglish = 1;
constexpr Integer kLastLanguage = 4;

// A number too large for the session's 16-bit variables counts as unreadable.
Integer ReadInteger(const PrivateProfile& profile, const QString& section, const QString& key,
                    Integer defaultValue) {
  const int value = profile.GetInt(section, key, defaultValue);
  if (value < std::numeric_limits<Integer>::min() || value > std::numeric_limits<Integer>::max()) {
    return defaultValue;
  }
  return static_cast<Integer>(value);
}

// The backup interval in minutes, kept to 1..30: a value that is not a whole
// number gives the default. Zero or less would back up at every tick.
Integer ReadBackupTime(const PrivateProfile& profile, const QString& section) {
  bool isNumber = false;
  const int minutes = profile.GetString(section, kKeyAutoBackupTime, QString()).trimmed().toInt(&isNumber);
  if (!isNumber) return kDefaultAutoBackupTime;
  return static_cast<Integer>(std::clamp<int>(minutes, kShortestBackupTime, kLongestBackupTime));
}

// The heading language chosen in an earlier run; English when there is none.
Integer ReadLanguage(const PrivateProfile& profile, const QString& section) {
  const Integer language = ReadInteger(profile, section, kKeyLanguage, kEnglish);
  return language >= kEnglish && language <= kLastLanguage ? language : kEnglish;
}

}  // namespace

QString DefaultTextEditor() {
#if defined(Q_OS_WIN)
  return Text(3150);
#elif defined(Q_OS_MACOS)
  return QStandardPaths::findExecutable(QStringLiteral("open"));
#else
  return QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
#endif
}

FileRead ReadSettings(const QString& path, Settings& s, TimerSwitch& backupTimer) {
  const PrivateProfile profile = PrivateProfile::Load(path);
  const QString section = Text(101);
  s.sTextEditor = profile.GetString(section, kKeyTextEditor, DefaultTextEditor(), kTextEditorMaxLength);
  s.nLanguage = ReadLanguage(profile, section);
  s.bHelpAtStartup = profile.GetInt(section, kKeyHelpAtStartup, kDefaultHelpAtStartup) == 1;
  s.nAutoBackup = ReadInteger(profile, section, kKeyAutoBackup, kDefaultAutoBackup);
  s.nAutoBackupTime = ReadBackupTime(profile, section);
  backupTimer.SetEnabled(s.nAutoBackup != 0);
  return profile.loaded();
}

void WriteSettings(const QString& path, const Settings& s) {
  PrivateProfile profile = PrivateProfile::Load(path);
  const QString section = Text(101);
  profile.WriteString(section, kKeyTextEditor, s.sTextEditor);
  profile.WriteString(section, kKeyLanguage, QString::number(s.nLanguage));
  profile.WriteString(section, kKeyHelpAtStartup,
                      s.bHelpAtStartup ? QStringLiteral("1") : QStringLiteral("0"));
  profile.WriteString(section, kKeyAutoBackup, QString::number(s.nAutoBackup));
  profile.WriteString(section, kKeyAutoBackupTime, QString::number(s.nAutoBackupTime));
  profile.Save(path);
}

}  // namespace quillane
