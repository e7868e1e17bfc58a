#pragma once

#include "core/Session.h"

namespace quillane {

// The random pairings of assets: the pair drawn last and the pair last
// remembered, shared by the three pairing pages. Each page's opening draw
// forgets the remembered pair; New Session empties it.
struct PairingState {
  Integer nPairA = 0;
  Integer nPairB = 0;
  Integer nPairPrevA = 0;
  Integer nPairPrevB = 0;

  bool operator==(const PairingState&) const = default;
};

}  // namespace quillane
