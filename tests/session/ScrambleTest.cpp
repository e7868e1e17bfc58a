#include <gtest/gtest.h>

#include "files/CodePage.h"
#include "session/Scramble.h"
#include "session/WorkfileFixture.h"

namespace quillane {
namespace {

// With every key, codes past the top of the code page wrap round, UTF-8
// (whose bytes stop at 0xF4) never wraps into a line end, and every
// character of every alphabet comes back.
TEST(Scramble, EveryKeyGivesALineThatComesBackWhole) {
  test::ScriptedPlatform platform;
  const QString all = test::PrintableCodePage();
  const QString alphabets = QString::fromUtf8("Łódź Ελλάδα İğ čř → 😀 שלום \xC3\xBF");
  for (int key = 1; key <= 9; ++key) {
    SCOPED_TRACE(key);
    platform.randoms = {test::ScriptedPlatform::RandomForKey(key), test::ScriptedPlatform::RandomForKey(key)};
    const QByteArray line = Scramble(all, TextEncoding::CodePage, platform);
    const QByteArray utf8 = Scramble(alphabets, TextEncoding::Utf8, platform);
    ASSERT_EQ(line.size(), all.size() + 1);
    EXPECT_EQ(line.front(), '0' + key);
    // 255 + key wraps to key - 1, and no byte can end the line.
    EXPECT_EQ(static_cast<unsigned char>(line.back()), key - 1);
    for (const QByteArray& scrambled : {line, utf8}) {
      EXPECT_FALSE(scrambled.contains('\r') || scrambled.contains('\n'));
    }
    EXPECT_EQ(Unscramble(line, TextEncoding::CodePage), all);
    EXPECT_EQ(Unscramble(utf8, TextEncoding::Utf8), alphabets);
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
