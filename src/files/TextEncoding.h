#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace quillane {

// A file of the program is written in the code page whenever every one of
// its texts fits it, so it reads as it always did; a text with any other
// character makes the whole file UTF-8.
enum class TextEncoding { CodePage, Utf8 };

TextEncoding EncodingFor(const QString& text);

// Encoding loses nothing in UTF-8; in the code page a character without a
// byte becomes "?", so callers choose the encoding with EncodingFor first.
QByteArray EncodeText(const QString& text, TextEncoding encoding);

// Nothing when the bytes are no valid UTF-8; every byte is a character of
// the code page.
std::optional<QString> DecodeText(const QByteArray& bytes, TextEncoding encoding);

// The bytes of a report or plan of `text`: the code page when it fits,
// otherwise UTF-8 after a byte-order mark, by which editors know it.
QByteArray TextFileBytes(const QString& text);

// Text read from a file that may be either: UTF-8 when it starts with a
// byte-order mark (which is dropped), the code page otherwise. A byte that
// is no UTF-8 becomes the replacement character.
QString DecodeTextFile(const QByteArray& bytes);

// The number of characters the user sees typed, a letter outside the basic
// plane (an emoji, say) counting once though it takes two UTF-16 units.
int CharacterCount(const QString& text);

// The first `count` characters of `text`, never splitting a character.
QString LeftCharacters(const QString& text, int count);

// True when `text` holds half a character: a surrogate without its partner,
// which no file can hold.
bool HasBrokenCharacter(const QString& text);

}  // namespace quillane
