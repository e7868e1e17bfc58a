#pragma once

#include <QByteArray>

namespace quillane {

class Prompter;
class SessionDocument;
struct Constants;
struct SuggestionState;

// Stores the words of a word file's bytes into the action and object lists.
void ReadSuggestionWords(SuggestionState& suggestion, const QByteArray& bytes);

// Reads the word file beside the program into the action and object lists,
// afresh at every opening of AutoSuggest. Marks the session changed when
// both lists hold words. When the file is missing, is no regular file of at
// most 1 MiB or cannot be read, or a list is left empty, it shows which (with
// the bare file name) and returns false; the words read so far stay in the
// lists.
bool LoadSuggestionWords(SessionDocument& document, Prompter& prompter, const Constants& constants,
                         SuggestionState& suggestion);

}  // namespace quillane
