#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>
#include <tuple>

#include "core/TimerSwitch.h"
#include "settings/Settings.h"
#include "support/Files.h"
#include "support/ScriptedPlatform.h"

namespace quillane {
namespace {

// Every preference, so settings compare whole.
auto Fields(const Settings& s) {
  return std::tie(s.nAutoBackup, s.nAutoBackupTime, s.sTextEditor, s.bHelpAtStartup, s.nLanguage);
}

class SettingsTest : public ::testing::Test {
 protected:
  SettingsTest() { settingsPath = dir.filePath(QStringLiteral("config/Quillane.ini")); }
  void WriteFile(const QByteArray& bytes) {
    ASSERT_TRUE(QDir().mkpath(dir.filePath(QStringLiteral("config"))));
    test::WriteFileBytes(settingsPath, bytes);
  }
  QByteArray ReadFile() { return test::ReadFileBytes(settingsPath); }

  QTemporaryDir dir;
  test::ScriptedPlatform platform;
  QString settingsPath;
  Settings s;
  TimerSwitch backupTimer;
};

TEST_F(SettingsTest, WithoutAFileEveryPreferenceHasItsDefault) {
#if defined(Q_OS_WIN)
  const QString editor = QStringLiteral("C:\\WINDOWS\\NOTEPAD.EXE");
  ReadSettings(settingsPath, s, backupTimer);
#elif defined(Q_OS_MACOS)
  const QString editor = DefaultTextEditor();
  ReadSettings(settingsPath, s, backupTimer);
#else
  // The desktop's opener, by its full path as the PATH finds it.
  const QString editor = dir.filePath(QStringLiteral("xdg-open"));
  test::WriteFileBytes(editor, "#!/bin/sh\n");
  ASSERT_TRUE(QFile::setPermissions(editor, QFile::permissions(editor) | QFileDevice::ExeOwner));
  const QByteArray path = qgetenv("PATH");
  qputenv("PATH", QFile::encodeName(dir.path()) + ':' + path);
  ReadSettings(settingsPath, s, backupTimer);
  qputenv("PATH", path);
#endif
  const Settings defaults{
      .nAutoBackup = 1, .nAutoBackupTime = 5, .sTextEditor = editor, .bHelpAtStartup = true, .nLanguage = 1};
  EXPECT_EQ(Fields(s), Fields(defaults));
  EXPECT_TRUE(backupTimer.enabled());
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(SettingsTest, ReadsKeysInAnyLetterCaseFromTheProgramsSectionOnly) {
  backupTimer.SetEnabled(true);
  WriteFile("[Other]\r\nAutomatic Backup=7\r\n[quillane]\r\nTEXTEDITOR = /" + QByteArray(300, 'e') +
            " \r\nhelp at startup=2\r\nautomatic backup=0\r\nAUTOMATIC BACKUP TIME=12\r\nLanguage=3\r\n");
  ReadSettings(settingsPath, s, backupTimer);
  const QString editor = QStringLiteral("/") + QString(253, QLatin1Char('e'));  // 254 characters at most
  // The heading language is the one chosen in an earlier run.
  const Settings read{.nAutoBackupTime = 12, .sTextEditor = editor, .bHelpAtStartup = false, .nLanguage = 3};
  EXPECT_EQ(Fields(s), Fields(read));
  EXPECT_FALSE(backupTimer.enabled());
}

TEST_F(SettingsTest, TheBackupIntervalIsKeptToOneToThirtyMinutesAndTheLanguageToFour) {
  const struct {
    const char* value;
    Integer minutes;
  } intervals[] = {{"0", 1},      {"-5", 1},  {"1", 1}, {"30", 30}, {"31", 30},
                   {"70000", 30}, {"ten", 5}, {"", 5},  {"7x", 5},  {" 9 ", 9}};
  for (const auto& c : intervals) {
    SCOPED_TRACE(c.value);
    WriteFile(QByteArray("[Quillane]\nAutomatic Backup Time=") + c.value + "\nLanguage=" + c.value + "\n");
    ReadSettings(settingsPath, s, backupTimer);
    EXPECT_EQ(s.nAutoBackupTime, c.minutes);
    EXPECT_TRUE(s.nLanguage >= 1 && s.nLanguage <= 4);
  }
}

TEST_F(SettingsTest, WritesTheFiveKeysInOrderIntoANewFile) {
  s = {.nAutoBackup = 1,
       .nAutoBackupTime = 30,
       .sTextEditor = QStringLiteral("/opt/My Editor/edit"),
       .bHelpAtStartup = false,
       .nLanguage = 2};
  WriteSettings(settingsPath, s);
#ifdef Q_OS_WIN
  const QByteArray end = "\r\n";
#else
  const QByteArray end = "\n";
#endif
  EXPECT_EQ(ReadFile(), "[Quillane]" + end + "Texteditor=/opt/My Editor/edit" + end + "Language=2" + end +
                            "Help at Startup=0" + end + "Automatic Backup=1" + end +
                            "Automatic Backup Time=30" + end);
}

TEST_F(SettingsTest, WriteKeepsEveryOtherLineAndReadsTheLanguageBack) {
  WriteFile(
      "; written by hand\r\n"
      "[QUILLANE]\r\n"
      "help at startup=1\r\n"
      "Window=maximised\r\n"
      "\r\n"
      "[Recent]\r\n"
      "File1=/home/ann/a.qln\r\n");
  s = {.nAutoBackup = 0,
       .nAutoBackupTime = 9,
       .sTextEditor = QStringLiteral("/usr/bin/gedit"),
       .bHelpAtStartup = true,
       .nLanguage = 4};
  WriteSettings(settingsPath, s);
  EXPECT_EQ(ReadFile(),
            "; written by hand\r\n"
            "[QUILLANE]\r\n"
            "help at startup=1\r\n"
            "Window=maximised\r\n"
            "Texteditor=/usr/bin/gedit\r\n"
            "Language=4\r\n"
            "Automatic Backup=0\r\n"
            "Automatic Backup Time=9\r\n"
            "\r\n"
            "[Recent]\r\n"
            "File1=/home/ann/a.qln\r\n");

  s.bHelpAtStartup = false;
  WriteSettings(settingsPath, s);
  const Settings written = s;
  s = {};
  ReadSettings(settingsPath, s, backupTimer);
  EXPECT_EQ(Fields(s), Fields(written));
}

// A settings file that is no regular file of at most 1 MiB is neither read
// nor written: the start neither waits on a named pipe nor fills its memory
// from an endless device, the preferences start from their defaults, and
// Exit leaves what is there as it was.
TEST_F(SettingsTest, WhatIsNoSmallRegularFileIsRefusedAndLeftAlone) {
  const QString path = settingsPath;
  const QByteArray large =
      "[Quillane]\nHelp at Startup=0\nAutomatic Backup Time=9\n" + QByteArray(1024 * 1024, ';');
  const struct {
    const char* what;
    std::function<void()> make;
    std::function<bool()> unchanged;
  } cases[] = {
      {"a named pipe", [&] { ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0); },
       [&] {
         struct stat info {};
         return lstat(QFile::encodeName(path).constData(), &info) == 0 && S_ISFIFO(info.st_mode);
       }},
      {"a link to an endless device", [&] { ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), path)); },
       [&] { return QFileInfo(path).symLinkTarget() == QStringLiteral("/dev/zero"); }},
      {"a file just over 1 MiB", [&] { WriteFile(large); }, [&] { return ReadFile() == large; }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    QFile::remove(path);
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
    c.make();
    s.bHelpAtStartup = false;
    s.nAutoBackupTime = 20;
    EXPECT_EQ(ReadSettings(path, s, backupTimer), FileRead::Refused);
    EXPECT_TRUE(s.bHelpAtStartup);
    EXPECT_EQ(s.nAutoBackupTime, 5);
    WriteSettings(path, s);
    EXPECT_TRUE(c.unchanged());
  }

  QFile::remove(path);
  EXPECT_EQ(ReadSettings(path, s, backupTimer), FileRead::Missing);
  WriteSettings(path, s);
  EXPECT_EQ(ReadSettings(path, s, backupTimer), FileRead::Done);
}

}  // namespace
}  // namespace quillane
