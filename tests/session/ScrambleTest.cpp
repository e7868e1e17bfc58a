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
  EXPECT_EQ(Scramble(QString(), platform), QByteArray("1"));
  EXPECT_EQ(Scramble(QStringLiteral("Ab, \"z\""), platform), QByteArray("9Jk5)+\x83+"));
  EXPECT_EQ(Scramble(QString::fromUtf8("\xC3\xBF\xE2\x82\xAC"), platform), QByteArray("3\x02\x83", 3));
}

TEST(Scramble, CodesPastTheTopWrapAroundAndComeBack) {
  test::ScriptedPlatform platform;
  const QString all = test::PrintableCodePage();
  for (int key = 1; key <= 9; ++key) {
    platform.randoms = {test::ScriptedPlatform::RandomForKey(key)};
    const QByteArray line = Scramble(all, platform);
    ASSERT_EQ(line.size(), all.size() + 1);
    EXPECT_EQ(line.front(), '0' + key);
    // 255 + key wraps to key - 1, and no byte can end the line.
    EXPECT_EQ(static_cast<unsigned char>(line.back()), key - 1);
    EXPECT_FALSE(line.contains('\r'));
    EXPECT_FALSE(line.contains('\n'));
    EXPECT_EQ(Unscramble(line), all) << "key " << key;
  }
}

TEST(Unscramble, RefusesLinesWithoutAKeyDigit) {
  EXPECT_FALSE(Unscramble(QByteArray()));
  EXPECT_FALSE(Unscramble(QByteArray("0abc")));
  EXPECT_FALSE(Unscramble(QByteArray("xabc")));
  EXPECT_FALSE(Unscramble(QByteArray("\002abc")));
  EXPECT_EQ(Unscramble(QByteArray("5")), QString());
  EXPECT_EQ(Unscramble(QByteArray("2Cd")), QStringLiteral("Ab"));
}

}  // namespace
}  // namespace quillane
