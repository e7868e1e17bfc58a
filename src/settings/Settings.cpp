#include "settings/Settings.h"

#include <QStandardPaths>
#include <limits>

#include "core/Program.h"
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

// A number too large for the session's 16-bit variables counts as unreadable.
Integer ReadInteger(const PrivateProfile& profile, const QString& section, const QString& key,
                    Integer defaultValue) {
  const int value = profile.GetInt(section, key, defaultValue);
  if (value < std::numeric_limits<Integer>::min() || value > std::numeric_limits<Integer>::max()) {
    return defaultValue;
  }
  return static_cast<Integer>(value);
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

void ReadSettings(Program& program) {
  Session& s = program.session;
  const PrivateProfile profile = PrivateProfile::Load(program.settingsPath);
  const QString& section = s.sProduct;
  s.sTextEditor = profile.GetString(section, kKeyTextEditor, DefaultTextEditor(), kTextEditorMaxLength);
  s.nLanguage = kEnglish;
  s.bHelpAtStartup = profile.GetInt(section, kKeyHelpAtStartup, kDefaultHelpAtStartup) == 1;
  s.nAutoBackup = ReadInteger(profile, section, kKeyAutoBackup, kDefaultAutoBackup);
  s.nAutoBackupTime = ReadInteger(profile, section, kKeyAutoBackupTime, kDefaultAutoBackupTime);
  program.autoBackupTimer.SetEnabled(s.nAutoBackup != 0);
}

void WriteSettings(Program& program) {
  const Session& s = program.session;
  PrivateProfile profile = PrivateProfile::Load(program.settingsPath);
  const QString& section = s.sProduct;
  profile.WriteString(section, kKeyTextEditor, s.sTextEditor);
  profile.WriteString(section, kKeyLanguage, QString::number(s.nLanguage));
  profile.WriteString(section, kKeyHelpAtStartup,
                      s.bHelpAtStartup ? QStringLiteral("1") : QStringLiteral("0"));
  profile.WriteString(section, kKeyAutoBackup, QString::number(s.nAutoBackup));
  profile.WriteString(section, kKeyAutoBackupTime, QString::number(s.nAutoBackupTime));
  profile.Save(program.settingsPath);
}

}  // namespace quillane
