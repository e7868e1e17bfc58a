#pragma once

#include <QString>

namespace quillane {

class Platform;
struct PairingState;
struct SessionContent;
struct SuggestionState;

// A whole number 1..count from a uniform r in [0, 1): Int(r × count) + 1,
// never past count even where r × count rounds up to it.
int DrawIndex(double r, int count);

// Draws an action and an object (nSuggestA, nSuggestB) and returns the
// suggestion "action object". A new suggestion differs from the last
// accepted one in both its action and its object, unless a list holds a
// single word; then any draw is kept, and not remembered.
QString DrawSuggestion(SuggestionState& suggestion, Platform& platform);

// The three random pairings of assets: the first index draws from the
// first list named, the second from the second.
enum class Pairing { TangibleIntangible, TangibleTangible, IntangibleIntangible };

// The opening draw of a pairing page: two different indexes (nPairA,
// nPairB) and no remembered pair. Returns false, drawing nothing, when the
// lists hold too few assets for the pairing.
bool DrawOpeningPair(const SessionContent& content, PairingState& state, Platform& platform, Pairing pairing);

// The new-pair button: a pair that differs from the remembered one in both
// positions, which it then remembers. A pairing within one list never pairs
// an asset with itself, and draws nothing while its list holds fewer than
// two. Across the two lists, a list of fewer than two ends the draw at its
// first attempt, which is kept without being remembered. Returns false when
// nothing was drawn.
bool DrawNextPair(const SessionContent& content, PairingState& state, Platform& platform, Pairing pairing);

// The pair drawn last as its label shows it: the two assets on two lines,
// joined by a carriage return.
QString PairText(const SessionContent& content, const PairingState& state, Pairing pairing);

}  // namespace quillane
