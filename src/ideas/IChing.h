#pragma once

#include <QString>
#include <array>
#include <vector>

#include "ideas/IChingState.h"

namespace quillane {

class Platform;

// The I Ching consultation: six lines cast one press at a time, from the
// bottom line up, and the hexagram they form.

// Line values.
inline constexpr int kChangingBroken = 6;
inline constexpr int kUnbroken = 7;
inline constexpr int kBroken = 8;
inline constexpr int kChangingUnbroken = 9;
inline constexpr int kHexagramLines = 6;

inline bool IsChangingLine(int value) {
  return value == kChangingBroken || value == kChangingUnbroken;
}
inline bool IsUnbrokenLine(int value) {
  return value == kUnbroken || value == kChangingUnbroken;
}
// What a line becomes in the changed hexagram: changing lines turn into
// their opposite, the others stay.
int ChangedLine(int value);

// 1 + the sum of 2^(k-1) over the unbroken lines k of slots 1..6, line 1
// being the bottom line: 1 is six broken lines, 64 six unbroken ones.
int LinePatternIndex(const std::array<Integer, 7>& lines);

// Fills the hexagram numbers by line pattern index and the hexagram names.
void FillIChingTables(IChingState& iching);

// A new consultation: the next press casts line 1 and nothing changes yet.
void StartConsultation(IChingState& iching);

// Casts line `nIChingLine` with one uniform draw (6, 7, 8 and 9 equally
// likely) and moves on to the next line unless it was the sixth. Returns
// the value cast.
int CastLine(IChingState& iching, Platform& platform);

// The hexagram number of the cast lines.
int CastHexagram(const IChingState& iching);

// Fills `nIChingA` with the lines after the changing lines have changed
// and returns the number of that hexagram.
int ChangeLines(IChingState& iching);

// The number and name of hexagram `number`, on two lines (CR LF between).
QString HexagramCaption(const IChingState& iching, int number);

// One plain pixel copy of the scrolling strip into a line box.
struct StripCopy {
  int sourceX;
  int width;
  int targetX;
  bool operator==(const StripCopy&) const = default;
};

// Moves the animation of line box `box` (0..5) on by one pixel, cyclically
// over a strip `stripWidth` pixels wide, and gives the copies that fill the
// box's `boxWidth` pixels: one, or two when the window runs past the
// strip's end and wraps round to its start.
std::vector<StripCopy> ScrollChangingLine(IChingState& iching, int box, int stripWidth, int boxWidth);

}  // namespace quillane
