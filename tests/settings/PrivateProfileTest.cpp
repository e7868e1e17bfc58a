#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "settings/PrivateProfile.h"
#include "support/Files.h"

namespace quillane {
namespace {

class PrivateProfileTest : public ::testing::Test {
 protected:
  void WriteFile(const QByteArray& bytes) { test::WriteFileBytes(path, bytes); }
  QByteArray ReadFile() { return test::ReadFileBytes(path); }

  QTemporaryDir dir;
  QString path = dir.filePath(QStringLiteral("test.ini"));
};

TEST_F(PrivateProfileTest, ReadsValuesAsTheProfileFunctionsDo) {
  WriteFile(
      "[S]\n"
      "Number = 12 minutes\n"
      "Negative=-3\n"
      "Word=abc\n"
      "Empty=\n"
      "Huge=99999999999\n"
      "Quoted=\"/opt/my editor\" \n"
      "Long=abcdefgh\n"
      "Dup=first\n"
      "dup=second\n");
  const PrivateProfile profile = PrivateProfile::Load(path);
  const QString s = QStringLiteral("s");
  const std::pair<const char*, int> numbers[] = {{"number", 12}, {"Negative", -3}, {"Word", 0},
                                                 {"Empty", 7},   {"Missing", 7},   {"Huge", 2147483647}};
  for (const auto& [key, number] : numbers)
    EXPECT_EQ(profile.GetInt(s, QString::fromLatin1(key), 7), number) << key;
  EXPECT_EQ(profile.GetInt(QStringLiteral("Other"), QStringLiteral("Number"), 7), 7);
  EXPECT_EQ(profile.GetString(s, QStringLiteral("Quoted"), {}), QStringLiteral("/opt/my editor"));
  EXPECT_EQ(profile.GetString(s, QStringLiteral("Long"), {}, 5), QStringLiteral("abcde"));
  EXPECT_EQ(profile.GetString(s, QStringLiteral("Missing"), QStringLiteral("fallback"), 3),
            QStringLiteral("fal"));
  EXPECT_EQ(profile.GetString(s, QStringLiteral("DUP"), {}), QStringLiteral("first"));
}

TEST_F(PrivateProfileTest, RefusesWhatALineCannotHoldAndAddsMissingSections) {
  WriteFile("[A]\nKey=1\n");
  PrivateProfile profile = PrivateProfile::Load(path);
  EXPECT_FALSE(profile.WriteString(QStringLiteral("A"), QStringLiteral("Key"), QStringLiteral("two\nlines")));
  EXPECT_FALSE(profile.WriteString(QStringLiteral("A"), QStringLiteral("a=b"), QStringLiteral("1")));
  EXPECT_FALSE(profile.WriteString(QStringLiteral("A"), QStringLiteral(" "), QStringLiteral("1")));
  EXPECT_FALSE(profile.WriteString(QStringLiteral("A]"), QStringLiteral("Key"), QStringLiteral("1")));
  ASSERT_TRUE(profile.WriteString(QStringLiteral("B"), QStringLiteral("k"), QString()));
  ASSERT_TRUE(profile.Save(path));
  EXPECT_EQ(ReadFile(), "[A]\nKey=1\n\n[B]\nk=\n");
}

TEST_F(PrivateProfileTest, KeepsAnyCharacterOfAPathAndReadsAnEightBitFile) {
  const QString editor = QString::fromUtf8("/home/zo\xC3\xAB/\xE7\xBC\x96\xE8\xBE\x91/edit");
  PrivateProfile profile = PrivateProfile::Load(path);
  ASSERT_TRUE(profile.WriteString(QStringLiteral("A"), QStringLiteral("Editor"), editor));
  ASSERT_TRUE(profile.Save(path));
  EXPECT_EQ(PrivateProfile::Load(path).GetString(QStringLiteral("A"), QStringLiteral("Editor"), {}), editor);

  WriteFile("[A]\nEditor=/home/zo\xEB/edit\n");  // "ë" as one Latin-1 byte
  EXPECT_EQ(PrivateProfile::Load(path).GetString(QStringLiteral("A"), QStringLiteral("Editor"), {}),
            QString::fromUtf8("/home/zo\xC3\xAB/edit"));
}

// A save replaces a regular file only: never what a link leads to that is
// no regular file, even when the file was swapped after it was read.
TEST_F(PrivateProfileTest, ASaveNeverGoesThroughALinkToSomethingElse) {
  WriteFile("[S]\nKey=old\n");
  PrivateProfile profile = PrivateProfile::Load(path);
  ASSERT_TRUE(profile.WriteString(QStringLiteral("S"), QStringLiteral("Key"), QStringLiteral("new")));
  const QString pipe = dir.filePath(QStringLiteral("pipe"));
  ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
  ASSERT_TRUE(QFile::remove(path));
  ASSERT_TRUE(QFile::link(pipe, path));
  EXPECT_FALSE(profile.Save(path));
  struct stat info {};
  ASSERT_EQ(stat(QFile::encodeName(path).constData(), &info), 0);
  EXPECT_TRUE(S_ISFIFO(info.st_mode)) << "the pipe is still there";
  EXPECT_EQ(QFileInfo(path).symLinkTarget(), pipe);
}

}  // namespace
}  // namespace quillane
