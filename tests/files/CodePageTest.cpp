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
  // The euro sign, S caron, a left quotation mark and Y diaeresis.
  const std::pair<unsigned char, char16_t> windows[] = {
      {0x80, 0x20AC}, {0x8A, 0x0160}, {0x93, 0x201C}, {0x9F, 0x0178}};
  for (const auto& [code, character] : windows) EXPECT_EQ(CodePageCharacter(code), QChar(character)) << code;
  for (unsigned char same : {0x81, 0x8D, 0x8F, 0x90, 0x9D, 0xE9, 0x41})
    EXPECT_EQ(CodePageCharacter(same), QChar(same));
  EXPECT_EQ(EncodeCodePage(FromUtf8("\xE2\x82\xAC \xC3\xA9 \xE2\x80\x94")), QByteArray("\x80 \xE9 \x97"));
}

TEST(CodePage, CharactersWithoutAByteAreRefusedAndBecomeAQuestionMark) {
  // The Latin-1 controls that Windows-1252 replaced have no byte, nor have
  // an arrow and a Greek capital mu.
  for (char16_t c : {0x0080, 0x009F, 0x2192, 0x039C}) EXPECT_FALSE(FitsCodePage(QChar(c))) << int{c};
  EXPECT_FALSE(FitsCodePage(FromUtf8("caf\xC3\xA9 \xE2\x86\x92 bar")));
  EXPECT_TRUE(FitsCodePage(FromUtf8("caf\xC3\xA9 \xE2\x82\xAC")));
  EXPECT_EQ(EncodeCodePage(FromUtf8("a\xE2\x86\x92z")), QByteArray("a?z"));
}

TEST(CodePage, UpperCaseStaysInsideTheCodePage) {
  EXPECT_EQ(UpperCaseInCodePage(FromUtf8("abc \xC3\xA9t\xC3\xA9 \xC3\xBF \xC5\xA1 \xC5\x93")),
            FromUtf8("ABC \xC3\x89T\xC3\x89 \xC5\xB8 \xC5\xA0 \xC5\x92"));
  // Sharp s and micro sign have no capital of one code-page character.
  EXPECT_EQ(UpperCaseInCodePage(FromUtf8("stra\303\237e \302\265m")), FromUtf8("STRA\303\237E \302\265M"));
  EXPECT_EQ(UpperCaseInCodePage(QStringLiteral("Abc1, \"x\"")), QStringLiteral("ABC1, \"X\""));
}

TEST(CodePage, ControlCharactersBecomeBlanks) {
  EXPECT_EQ(BlankControlCharacters(QStringLiteral("a\tb\r\nc\037d")), QStringLiteral("a b  c d"));
  EXPECT_EQ(BlankControlCharacters(FromUtf8("\xC2\x81\xC3\xA9~")), FromUtf8("\xC2\x81\xC3\xA9~"));
}

}  // namespace
}  // namespace quillane
