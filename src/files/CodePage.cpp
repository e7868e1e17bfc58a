#include "files/CodePage.h"

#include <array>

namespace quillane {

namespace {

// Bytes 0x80 to 0x9F; every other byte is the Unicode character of its own
// number (ASCII below, Latin-1 above).
constexpr std::array<char16_t, 32> kHighControlBlock = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 0x98
};

constexpr std::array<char16_t, 256> MakeTable() {
  std::array<char16_t, 256> table{};
  for (int code = 0; code < 256; ++code) table[code] = static_cast<char16_t>(code);
  for (int i = 0; i < 32; ++i) table[0x80 + i] = kHighControlBlock[i];
  return table;
}

constexpr std::array<char16_t, 256> kTable = MakeTable();

constexpr char kReplacement = '?';

// The byte of `c`, or -1 when the code page has none.
int ByteOf(QChar c) {
  const char16_t u = c.unicode();
  if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return u;
  for (int i = 0; i < 32; ++i) {
    if (kHighControlBlock[i] == u) return 0x80 + i;
  }
  return -1;
}

}  // namespace

QChar CodePageCharacter(unsigned char code) {
  return QChar(kTable[code]);
}

bool FitsCodePage(QChar c) {
  return ByteOf(c) >= 0;
}

bool FitsCodePage(const QString& text) {
  for (QChar c : text) {
    if (!FitsCodePage(c)) return false;
  }
  return true;
}

QString DecodeCodePage(const QByteArray& bytes) {
  QString text;
  text.reserve(bytes.size());
  for (char byte : bytes) text.append(CodePageCharacter(static_cast<unsigned char>(byte)));
  return text;
}

QByteArray EncodeCodePage(const QString& text) {
  QByteArray bytes;
  bytes.reserve(text.size());
  for (QChar c : text) {
    const int code = ByteOf(c);
    bytes.append(code >= 0 ? static_cast<char>(code) : kReplacement);
  }
  return bytes;
}

QString UpperCaseInCodePage(const QString& text) {
  QString result = text;
  for (QChar& c : result) {
    const QChar capital = c.toUpper();
    if (FitsCodePage(capital) || !FitsCodePage(c)) c = capital;
  }
  return result;
}

QString BlankControlCharacters(const QString& text) {
  QString line = text;
  for (QChar& c : line) {
    if (c.unicode() < 0x20) c = QLatin1Char(' ');
  }
  return line;
}

}  // namespace quillane
