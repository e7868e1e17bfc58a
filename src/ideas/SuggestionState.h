#pragma once

#include "core/Session.h"

namespace quillane {

// AutoSuggest: the action and object lists of the word file, read afresh at
// every opening of the page, the words drawn last and the last pair that was
// accepted as new. New Session empties it.
struct SuggestionState {
  Integer nSuggestA = 0;
  Integer nSuggestB = 0;
  Integer nSuggestPrevA = 0;
  Integer nSuggestPrevB = 0;
  Integer nActions = 0;
  Integer nObjects = 0;
  TextList<kMaxWords> sActions;
  TextList<kMaxWords> sObjects;

  bool operator==(const SuggestionState&) const = default;
};

}  // namespace quillane
