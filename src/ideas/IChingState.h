#pragma once

#include <array>

#include "core/Session.h"

namespace quillane {

// The I Ching consultation: the hexagram numbers and names, the lines cast
// (`nIChingB`) and changed (`nIChingA`), and where each changing line's
// animation stands. Every consultation starts afresh at its first line; the
// tables and the animation last the whole run, so New Session leaves them.
struct IChingState {
  std::array<Integer, 66> nIChingNum{};  // hexagram number by line pattern index
  TextList<65> sIChingText;              // hexagram name by number
  std::array<Integer, 7> nIChingA{};
  std::array<Integer, 7> nIChingB{};
  std::array<Integer, 6> nIChingScroll{};
  Integer nIChingWork = 0;
  Integer nIChingLine = 0;
  Integer nIChingFrame = 0;
  Flag bIChingFlag = false;  // a changing line has been cast

  bool operator==(const IChingState&) const = default;
};

}  // namespace quillane
