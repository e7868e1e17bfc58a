#include "session/Scramble.h"

#include <algorithm>
#include <cmath>

#include "platform/Platform.h"

namespace quillane {

namespace {

constexpr int kHighestKey = 9;

// Int(Rnd × 9) + 1; kept in 1 to 9 even if a random number strays out of [0, 1).
int DrawKey(Platform& platform) {
  const double drawn = std::floor(platform.Random() * kHighestKey) + 1.0;
  return static_cast<int>(std::clamp(drawn, 1.0, static_cast<double>(kHighestKey)));
}

char Shift(char byte, int by) {
  return static_cast<char>((static_cast<unsigned char>(byte) + by + 256) % 256);
}

}  // namespace

QByteArray Scramble(const QString& text, TextEncoding encoding, Platform& platform) {
  const int key = DrawKey(platform);
  QByteArray line = EncodeText(text, encoding);
  for (char& byte : line) byte = Shift(byte, key);
  line.prepend(static_cast<char>('0' + key));
  return line;
}

std::optional<QString> Unscramble(const QByteArray& line, TextEncoding encoding) {
  if (line.isEmpty() || line.front() < '1' || line.front() > '9') return std::nullopt;
  const int key = line.front() - '0';
  QByteArray bytes = line.mid(1);
  for (char& byte : bytes) byte = Shift(byte, -key);
  return DecodeText(bytes, encoding);
}

}  // namespace quillane
