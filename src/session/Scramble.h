#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "files/TextEncoding.h"

namespace quillane {

class Platform;

// The protection of a password-protected workfile. The text is encoded in
// the file's encoding, then every byte is shifted by a key from 1 to 9 drawn anew
// for each line; the line starts with the key's digit. Shifting wraps modulo
// 256, so codes past 255 become 0 to 8 (never a line end; UTF-8 has no byte
// above 0xF4, so there nothing wraps).
QByteArray Scramble(const QString& text, TextEncoding encoding, Platform& platform);

// Shifts every byte back by the key of the first byte and drops that first
// character. Nothing when the line does not start with a key digit 1 to 9
// (then it is no scrambled line) or its bytes are no text of `encoding`.
std::optional<QString> Unscramble(const QByteArray& line, TextEncoding encoding);

}  // namespace quillane
