#include "ideas/RandomDraws.h"

#include <algorithm>
#include <cmath>

#include "core/Session.h"
#include "ideas/PairingState.h"
#include "ideas/SuggestionState.h"
#include "platform/Platform.h"

namespace quillane {

namespace {

struct PairLists {
  const TextList<kMaxAssets>& first;
  int firstCount;
  const TextList<kMaxAssets>& second;
  int secondCount;
};

PairLists ListsOf(const SessionContent& s, Pairing pairing) {
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

bool HasEnoughAssets(const SessionContent& s, Pairing pairing) {
  const PairLists lists = ListsOf(s, pairing);
  return lists.firstCount >= 2 && lists.secondCount >= 2;
}

void DrawPairAttempt(const SessionContent& s, PairingState& p, Platform& platform, Pairing pairing) {
  const PairLists lists = ListsOf(s, pairing);
  const double r1 = platform.Random();
  const double r2 = platform.Random();
  p.nPairA = static_cast<Integer>(DrawIndex(r1, lists.firstCount));
  p.nPairB = static_cast<Integer>(DrawIndex(r2, lists.secondCount));
}

template <std::size_t Size>
const QString& Entry(const std::array<QString, Size>& list, int index) {
  return list[static_cast<std::size_t>(std::clamp(index, 0, static_cast<int>(Size) - 1))];
}

}  // namespace

int DrawIndex(double r, int count) {
  return std::min(static_cast<int>(std::floor(r * count)) + 1, std::max(count, 1));
}

QString DrawSuggestion(SuggestionState& s, Platform& platform) {
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

bool DrawOpeningPair(const SessionContent& s, PairingState& p, Platform& platform, Pairing pairing) {
  if (!HasEnoughAssets(s, pairing)) return false;
  // Both indexes differ even where they point into different lists.
  do {
    p.nPairPrevA = 0;
    p.nPairPrevB = 0;
    DrawPairAttempt(s, p, platform, pairing);
  } while (p.nPairA == p.nPairB);
  return true;
}

bool DrawNextPair(const SessionContent& s, PairingState& p, Platform& platform, Pairing pairing) {
  // Within one list a single asset could never be paired with another one.
  if (WithinOneList(pairing) && !HasEnoughAssets(s, pairing)) return false;
  for (;;) {
    DrawPairAttempt(s, p, platform, pairing);
    if (WithinOneList(pairing) && p.nPairA == p.nPairB) continue;
    if (p.nPairA != p.nPairPrevA && p.nPairB != p.nPairPrevB) {
      p.nPairPrevA = p.nPairA;
      p.nPairPrevB = p.nPairB;
      return true;
    }
    if (!HasEnoughAssets(s, pairing)) return true;
  }
}

QString PairText(const SessionContent& s, const PairingState& p, Pairing pairing) {
  const PairLists lists = ListsOf(s, pairing);
  return Entry(lists.first, p.nPairA) + QLatin1Char('\r') + Entry(lists.second, p.nPairB);
}

}  // namespace quillane
