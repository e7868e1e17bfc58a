#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>

#include "core/TimerSwitch.h"
#include "settings/Settings.h"
#include "support/Files.h"
#include "support/ScriptedPlatform.h"

namespace quillane {
namespace {

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
  ReadSettings(settingsPath, s, backupTimer);
  EXPECT_EQ(s.sTextEditor, QStringLiteral("C:\\WINDOWS\\NOTEPAD.EXE"));
#elif defined(Q_OS_MACOS)
  ReadSettings(settingsPath, s, backupTimer);
  EXPECT_EQ(s.sTextEditor, DefaultTextEditor());
#else
  // The desktop's opener, by its full path as the PATH finds it.
  const QString opener = dir.filePath(QStringLiteral("xdg-open"));
  test::WriteFileBytes(opener, "#!/bin/sh\n");
  ASSERT_TRUE(QFile::setPermissions(opener, QFile::permissions(opener) | QFileDevice::ExeOwner));
  const QByteArray path = qgetenv("PATH");
  qputenv("PATH", QFile::encodeName(dir.path()) + ':' + path);
  ReadSettings(settingsPath, s, backupTimer);
  qputenv("PATH", path);
  EXPECT_EQ(s.sTextEditor, opener);
#endif
  EXPECT_TRUE(s.bHelpAtStartup);
  EXPECT_EQ(s.nAutoBackup, 1);
  EXPECT_EQ(s.nAutoBackupTime, 5);
  EXPECT_EQ(s.nLanguage, 1);
  EXPECT_TRUE(backupTimer.enabled());
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(SettingsTest, ReadsKeysInAnyLetterCaseFromTheProgramsSectionOnly) {
  backupTimer.SetEnabled(true);
  WriteFile("[Other]\r\nAutomatic Backup=7\r\n[quillane]\r\nTEXTEDITOR = /" + QByteArray(300, 'e') +
            " \r\nhelp at startup=2\r\nautomatic backup=0\r\nAUTOMATIC BACKUP TIME=12\r\nLanguage=3\r\n");
  ReadSettings(settingsPath, s, backupTimer);
  EXPECT_EQ(s.sTextEditor, QStringLiteral("/") + QString(253, QLatin1Char('e')));  // 254 characters at most
  EXPECT_FALSE(s.bHelpAtStartup);
  EXPECT_EQ(s.nAutoBackup, 0);
  EXPECT_EQ(s.nAutoBackupTime, 12);
  EXPECT_EQ(s.nLanguage, 3) << "the heading language chosen in an earlier run";
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
  s.sTextEditor = QStringLiteral("/opt/My Editor/edit");
  s.nLanguage = 2;
  s.bHelpAtStartup = false;
  s.nAutoBackup = 1;
  s.nAutoBackupTime = 30;
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
  s.sTextEditor = QStringLiteral("/usr/bin/gedit");
  s.nLanguage = 4;
  s.bHelpAtStartup = true;
  s.nAutoBackup = 0;
  s.nAutoBackupTime = 9;
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
  s.sTextEditor.clear();
  s.nAutoBackupTime = 0;
  ReadSettings(settingsPath, s, backupTimer);
  EXPECT_EQ(s.sTextEditor, QStringLiteral("/usr/bin/gedit"));
  EXPECT_FALSE(s.bHelpAtStartup);
  EXPECT_EQ(s.nAutoBackup, 0);
  EXPECT_EQ(s.nAutoBackupTime, 9);
  EXPECT_EQ(s.nLanguage, 4);
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
