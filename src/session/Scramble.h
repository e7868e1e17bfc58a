#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace quillane {

class Platform;

// The protection of a password-protected workfile. The text is encoded in
// the code page, then every byte is shifted by a key from 1 to 9 drawn anew
// for each line; the line starts with the key's digit. Shifting wraps modulo
// 256, so codes past 255 become 0 to 8 (never a line end).
QByteArray Scramble(const QString& text, Platform& platform);

// Shifts every byte back by the key of the first byte and drops that first
// character. Nothing when the line does not start with a key digit 1 to 9:
// then it is no scrambled line.
std::optional<QString> Unscramble(const QByteArray& line);

}  // namespace quillane
