#pragma once

#include "core/Session.h"

namespace quillane {

// MindStepping: the ideas picked as stepping stones and the one on screen.
// Each pick replaces the list and starts at its first idea; New Session
// empties it.
struct MindStepState {
  Integer nMindStep = 0;
  TextList<kMaxIdeas> sMindStep;
  Integer nMindStepPos = 0;

  bool operator==(const MindStepState&) const = default;
};

}  // namespace quillane
