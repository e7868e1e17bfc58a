#pragma once

#include "core/Session.h"

namespace quillane {

// Clustering: the ideas picked to be seen together. Each pick replaces the
// list; New Session empties it.
struct ClusterState {
  Integer nCluster = 0;
  TextList<kMaxIdeas> sCluster;

  bool operator==(const ClusterState&) const = default;
};

}  // namespace quillane
