#pragma once

#include "core/Session.h"

namespace quillane {

// A session as full as it gets: 100 criteria, 100 + 100 assets, 200 ideas,
// protected.
inline SessionContent FullSession() {
  SessionContent s;
  s.sGoal = QStringLiteral("Find a better way to reach our readers");
  s.nCriteria = kMaxCriteria;
  for (int i = 1; i <= kMaxCriteria; ++i) {
    s.sCriteria[i] = QStringLiteral("Criterion number %1, with a longer name").arg(i);
    s.sngWeight[i] = 9.0f * static_cast<float>(kMaxCriteria + 1 - i) / kMaxCriteria;
  }
  s.nTAssets = kMaxAssets;
  s.nIAssets = kMaxAssets;
  for (int i = 1; i <= kMaxAssets; ++i) {
    s.sTAssets[i] = QStringLiteral("Tangible asset %1").arg(i);
    s.sIAssets[i] = QStringLiteral("Intangible asset %1").arg(i);
  }
  s.nIdeas = kMaxIdeas;
  for (int i = 1; i <= kMaxIdeas; ++i) {
    s.sIdeas[i] = QStringLiteral("Idea %1: a sentence of the length people tend to type here").arg(i);
  }
  s.bPassword = true;
  s.sPassword = QStringLiteral("BENCHMARK");
  return s;
}

}  // namespace quillane
