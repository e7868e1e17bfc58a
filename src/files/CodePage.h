#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>

namespace quillane {

// Every file the program reads or writes is 8-bit text in Windows-1252. The
// five codes that code page leaves undefined stand for U+0081, U+008D,
// U+008F, U+0090 and U+009D, so each of the 256 bytes has a character and
// decoding then encoding gives back the same bytes.

// The character that byte `code` stands for.
QChar CodePageCharacter(unsigned char code);

// True when `c` has a byte of its own in the code page.
bool FitsCodePage(QChar c);
bool FitsCodePage(const QString& text);

QString DecodeCodePage(const QByteArray& bytes);

// A character without a byte becomes "?"; callers that must not lose a
// character check FitsCodePage first.
QByteArray EncodeCodePage(const QString& text);

// Capital letters where the capital is itself one character of the code
// page; a character of the code page whose capital is not ("ß", "µ") stays
// as it is. A character outside the code page takes its capital.
QString UpperCaseInCodePage(const QString& text);

// The text with every control character (codes 0 to 31) made a blank, as a
// single line of a file must be.
QString BlankControlCharacters(const QString& text);

}  // namespace quillane
