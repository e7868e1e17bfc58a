#include "ideas/RandomDraws.h"

#include <algorithm>
#include <cmath>

#include "core/Session.h"
#include "platform/Platform.h"

namespace quillane {

namespace {

struct PairLists {
  const TextList<kMaxAssets>& first;
  int firstCount;
  const TextList<kMaxAssets>& second;
  int secondCount;
};

PairLists ListsOf(const Session& s, Pairing pairing) {
  switch (pairing) {
    case Pairing::TangibleIntangible: return {s.sTAssets, s.nTAssets, s.sIAssets, s.nIAssets};
    case Pairing::TangibleTangible: return {s.sTAssets, s.nTAssets, s.sTAssets, s.nTAssets};
    case Pairing::IntangibleIntangible: break;
  }
  return {s.sIAssets, s.nIAssets, s.sIAssets, s.nIAssets};
}

bool WithinOneList(Pairing pairing) {
  return pairing != Pairing::TangibleIntangible;
}

bool HasEnoughAssets(const Session& s, Pairing pairing) {
  const PairLists lists = ListsOf(s, pairing);
  return lists.firstCount >= 2 && lists.secondCount >= 2;
}

void DrawPairAttempt(Session& s, Platform& platform, Pairing pairing) {
  const PairLists lists = ListsOf(s, pairing);
  const double r1 = platform.Random();
  const double r2 = platform.Random();
  s.nPairA = static_cast<Integer>(DrawIndex(r1, lists.firstCount));
  s.nPairB = static_cast<Integer>(DrawIndex(r2, lists.secondCount));
}

template <std::size_t Size>
const QString& Entry(const std::array<QString, Size>& list, int index) {
  return list[static_cast<std::size_t>(std::clamp(index, 0, static_cast<int>(Size) - 1))];
}

}  // namespace

int DrawIndex(double r, int count) {
  return std::min(static_cast<int>(std::floor(r * count)) + 1, std::max(count, 1));
}

QString DrawSuggestion(Session& s, Platform& platform) {
  const bool canAvoidRepeats = s.nActions >= 2 && s.nObjects >= 2;
  for (;;) {
    const double r1 = platform.Random();
    const double r2 = platform.Random();
    s.nSuggestA = static_cast<Integer>(DrawIndex(r1, s.nActions));
    s.nSuggestB = static_cast<Integer>(DrawIndex(r2, s.nObjects));
    if (s.nSuggestA != s.nSuggestPrevA && s.nSuggestB != s.nSuggestPrevB) {
      s.nSuggestPrevA = s.nSuggestA;
      s.nSuggestPrevB = s.nSuggestB;
      break;
    }
    if (!canAvoidRepeats) break;
  }
  return Entry(s.sActions, s.nSuggestA) + QLatin1Char(' ') + Entry(s.sObjects, s.nSuggestB);
}

bool DrawOpeningPair(Session& s, Platform& platform, Pairing pairing) {
  if (!HasEnoughAssets(s, pairing)) return false;
  // Both indexes differ even where they point into different lists.
  do {
    s.nPairPrevA = 0;
    s.nPairPrevB = 0;
    DrawPairAttempt(s, platform, pairing);
  } while (s.nPairA == s.nPairB);
  return true;
}

bool DrawNextPair(Session& s, Platform& platform, Pairing pairing) {
  // Within one list a single asset could never be paired with another one.
  if (WithinOneList(pairing) && !HasEnoughAssets(s, pairing)) return false;
  for (;;) {
    DrawPairAttempt(s, platform, pairing);
    if (WithinOneList(pairing) && s.nPairA == s.nPairB) continue;
    if (s.nPairA != s.nPairPrevA && s.nPairB != s.nPairPrevB) {
      s.nPairPrevA = s.nPairA;
      s.nPairPrevB = s.nPairB;
      return true;
    }
    if (!HasEnoughAssets(s, pairing)) return true;
  }
}

QString PairText(const Session& s, Pairing pairing) {
  const PairLists lists = ListsOf(s, pairing);
  return Entry(lists.first, s.nPairA) + QLatin1Char('\r') + Entry(lists.second, s.nPairB);
}

}  // namespace quillane
