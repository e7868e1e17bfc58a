#include <gtest/gtest.h>

#include "files/CodePage.h"
#include "session/Scramble.h"
#include "session/WorkfileFixture.h"

namespace quillane {
namespace {

// Each line draws a key of its own.
TEST(Scramble, StartsWithTheKeyDigitAndShiftsEveryByte) {
  test::ScriptedPlatform platform;
  platform.randoms = {0.0, 0.999999, 0.3};
  EXPECT_EQ(Scramble(QString(), TextEncoding::CodePage, platform), QByteArray("1"));
  EXPECT_EQ(Scramble(QStringLiteral("Ab, \"z\""), TextEncoding::CodePage, platform),
            QByteArray("9Jk5)+\x83+"));
  EXPECT_EQ(Scramble(QString::fromUtf8("\xC3\xBF\xE2\x82\xAC"), TextEncoding::CodePage, platform),
            QByteArray("3\x02\x83", 3));
}

TEST(Scramble, CodesPastTheTopWrapAroundAndComeBack) {
  test::ScriptedPlatform platform;
  const QString all = test::PrintableCodePage();
  for (int key = 1; key <= 9; ++key) {
    platform.randoms = {test::ScriptedPlatform::RandomForKey(key)};
    const QByteArray line = Scramble(all, TextEncoding::CodePage, platform);
    ASSERT_EQ(line.size(), all.size() + 1);
    EXPECT_EQ(line.front(), '0' + key);
    // 255 + key wraps to key - 1, and no byte can end the line.
    EXPECT_EQ(static_cast<unsigned char>(line.back()), key - 1);
    EXPECT_FALSE(line.contains('\r'));
    EXPECT_FALSE(line.contains('\n'));
    EXPECT_EQ(Unscramble(line, TextEncoding::CodePage), all) << "key " << key;
  }
}

// Every character of every alphabet comes back, and UTF-8, whose bytes stop
// at 0xF4, never wraps into a line end.
TEST(Scramble, Utf8LinesComeBackWhole) {
  test::ScriptedPlatform platform;
  const QString text = QString::fromUtf8("Łódź Ελλάδα İğ čř → 😀 שלום \xC3\xBF");
  for (int key = 1; key <= 9; ++key) {
    platform.randoms = {test::ScriptedPlatform::RandomForKey(key)};
    const QByteArray line = Scramble(text, TextEncoding::Utf8, platform);
    EXPECT_FALSE(line.contains('\r') || line.contains('\n'));
    EXPECT_EQ(Unscramble(line, TextEncoding::Utf8), text) << "key " << key;
  }
  // A shifted byte that makes no UTF-8 is a damaged line.
  EXPECT_FALSE(Unscramble(QByteArray("1\xC4"), TextEncoding::Utf8));
}

TEST(Unscramble, RefusesLinesWithoutAKeyDigit) {
  for (const char* line : {"", "0abc", "xabc", "\002abc"})
    EXPECT_FALSE(Unscramble(QByteArray(line), TextEncoding::CodePage)) << line;
  EXPECT_EQ(Unscramble(QByteArray("5"), TextEncoding::CodePage), QString());
  EXPECT_EQ(Unscramble(QByteArray("2Cd"), TextEncoding::CodePage), QStringLiteral("Ab"));
}

}  // namespace
}  // namespace quillane
