#include <gtest/gtest.h>

#include "files/CodePage.h"

namespace quillane {
namespace {

QString FromUtf8(const char* text) {
  return QString::fromUtf8(text);
}

TEST(CodePage, EveryByteDecodesAndEncodesBackToItself) {
  QByteArray all;
  for (int code = 0; code < 256; ++code) all.append(static_cast<char>(code));
  const QString decoded = DecodeCodePage(all);
  ASSERT_EQ(decoded.size(), 256);
  EXPECT_TRUE(FitsCodePage(decoded));
  EXPECT_EQ(EncodeCodePage(decoded), all);
  for (QChar c : decoded) EXPECT_TRUE(FitsCodePage(c)) << int{c.unicode()};
}

TEST(CodePage, MapsTheWindowsBlockAndKeepsTheUndefinedCodes) {
  EXPECT_EQ(CodePageCharacter(0x80), QChar(0x20AC));  // euro sign
  EXPECT_EQ(CodePageCharacter(0x8A), QChar(0x0160));
  EXPECT_EQ(CodePageCharacter(0x93), QChar(0x201C));
  EXPECT_EQ(CodePageCharacter(0x9F), QChar(0x0178));
  for (unsigned char undefined : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
    EXPECT_EQ(CodePageCharacter(undefined), QChar(undefined));
  }
  EXPECT_EQ(CodePageCharacter(0xE9), QChar(0xE9));
  EXPECT_EQ(CodePageCharacter('A'), QChar('A'));
  EXPECT_EQ(EncodeCodePage(FromUtf8("\xE2\x82\xAC \xC3\xA9 \xE2\x80\x94")), QByteArray("\x80 \xE9 \x97"));
}

TEST(CodePage, CharactersWithoutAByteAreRefusedAndBecomeAQuestionMark) {
  // The Latin-1 controls that Windows-1252 replaced have no byte.
  EXPECT_FALSE(FitsCodePage(QChar(0x0080)));
  EXPECT_FALSE(FitsCodePage(QChar(0x009F)));
  EXPECT_FALSE(FitsCodePage(QChar(0x2192)));  // arrow
  EXPECT_FALSE(FitsCodePage(QChar(0x039C)));  // Greek capital mu
  EXPECT_FALSE(FitsCodePage(FromUtf8("caf\xC3\xA9 \xE2\x86\x92 bar")));
  EXPECT_TRUE(FitsCodePage(FromUtf8("caf\xC3\xA9 \xE2\x82\xAC")));
  EXPECT_EQ(EncodeCodePage(FromUtf8("a\xE2\x86\x92z")), QByteArray("a?z"));
}

TEST(CodePage, UpperCaseStaysInsideTheCodePage) {
  EXPECT_EQ(UpperCaseInCodePage(FromUtf8("abc \xC3\xA9t\xC3\xA9 \xC3\xBF \xC5\xA1 \xC5\x93")),
            FromUtf8("ABC \xC3\x89T\xC3\x89 \xC5\xB8 \xC5\xA0 \xC5\x92"));
  // Sharp s and micro sign have no capital of one code-page character.
  EXPECT_EQ(UpperCaseInCodePage(FromUtf8("stra\xC3\x9F"
                                         "e \xC2\xB5m")),
            FromUtf8("STRA\xC3\x9F"
                     "E \xC2\xB5M"));
  EXPECT_EQ(UpperCaseInCodePage(QStringLiteral("Abc1, \"x\"")), QStringLiteral("ABC1, \"X\""));
}

TEST(CodePage, ControlCharactersBecomeBlanks) {
  EXPECT_EQ(BlankControlCharacters(QStringLiteral("a\tb\r\nc\x1F"
                                                  "d")),
            QStringLiteral("a b  c d"));
  EXPECT_EQ(BlankControlCharacters(FromUtf8("\xC2\x81\xC3\xA9~")), FromUtf8("\xC2\x81\xC3\xA9~"));
}

}  // namespace
}  // namespace quillane
