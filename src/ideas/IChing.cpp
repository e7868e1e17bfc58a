#include "ideas/IChing.h"

#include <algorithm>
#include <cmath>

#include "platform/Platform.h"
#include "resources/Texts.h"

namespace quillane {

namespace {

// King Wen numbers of the hexagrams by line pattern index 1..64.
constexpr std::array<Integer, 64> kHexagramByIndex = {
    2,  24, 7,  19, 15, 36, 46, 11,  //
    16, 51, 40, 54, 62, 55, 32, 34,  //
    8,  3,  29, 60, 39, 63, 48, 5,   //
    45, 17, 47, 58, 31, 49, 28, 43,  //
    23, 27, 4,  41, 52, 22, 18, 26,  //
    35, 21, 64, 38, 56, 30, 50, 14,  //
    20, 42, 59, 61, 53, 37, 57, 9,   //
    12, 25, 6,  10, 33, 13, 44, 1,   //
};

constexpr int kFirstHexagramName = 2100;
constexpr int kLineValues = 4;

}  // namespace

int ChangedLine(int value) {
  switch (value) {
    case kChangingBroken: return kUnbroken;
    case kChangingUnbroken: return kBroken;
    default: return value;
  }
}

int LinePatternIndex(const std::array<Integer, 7>& lines) {
  int index = 1;
  for (int k = 1; k <= kHexagramLines; ++k) {
    if (IsUnbrokenLine(lines[static_cast<std::size_t>(k)])) index += 1 << (k - 1);
  }
  return index;
}

void FillIChingTables(IChingState& s) {
  for (std::size_t index = 1; index <= kHexagramByIndex.size(); ++index) {
    s.nIChingNum[index] = kHexagramByIndex[index - 1];
    s.sIChingText[index] = Text(kFirstHexagramName - 1 + static_cast<int>(index));
  }
}

void StartConsultation(IChingState& s) {
  s.nIChingLine = 1;
  s.bIChingFlag = false;
}

int CastLine(IChingState& s, Platform& platform) {
  const int line = s.nIChingLine;
  // Int(Rnd × 4) + 6, kept in 6..9 even if a random number strays out of [0, 1).
  const double drawn = std::floor(platform.Random() * kLineValues);
  const int value = kChangingBroken + static_cast<int>(std::clamp(drawn, 0.0, kLineValues - 1.0));
  s.nIChingWork = static_cast<Integer>(value);
  s.nIChingB[static_cast<std::size_t>(line)] = static_cast<Integer>(value);
  if (IsChangingLine(value)) s.bIChingFlag = true;
  if (line < kHexagramLines) s.nIChingLine = static_cast<Integer>(line + 1);
  return value;
}

int CastHexagram(const IChingState& s) {
  return s.nIChingNum[static_cast<std::size_t>(LinePatternIndex(s.nIChingB))];
}

int ChangeLines(IChingState& s) {
  for (s.nIChingLine = 1; s.nIChingLine <= kHexagramLines; ++s.nIChingLine) {
    const auto line = static_cast<std::size_t>(s.nIChingLine);
    s.nIChingA[line] = static_cast<Integer>(ChangedLine(s.nIChingB[line]));
  }
  return s.nIChingNum[static_cast<std::size_t>(LinePatternIndex(s.nIChingA))];
}

QString HexagramCaption(const IChingState& s, int number) {
  return QString::number(number) + QStringLiteral("\r\n") + s.sIChingText[static_cast<std::size_t>(number)];
}

std::vector<StripCopy> ScrollChangingLine(IChingState& s, int box, int stripWidth, int boxWidth) {
  auto& scroll = s.nIChingScroll[static_cast<std::size_t>(box)];
  int x = scroll + 1;
  if (x > stripWidth) x = 0;
  scroll = static_cast<Integer>(x);
  if (x <= stripWidth - boxWidth) return {{x, boxWidth, 0}};
  s.nIChingFrame = static_cast<Integer>(stripWidth - x);
  const int tail = s.nIChingFrame;
  return {{x, tail, 0}, {0, boxWidth - tail, tail}};
}

}  // namespace quillane
