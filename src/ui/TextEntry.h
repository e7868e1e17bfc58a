#pragma once

#include <QStringList>
#include <functional>

class QLineEdit;

namespace quillane {

// Makes `box` an entry box of the program: at most `maxCharacters`
// characters of any alphabet (an emoji counts once), no control characters
// (a pasted tab becomes a blank, a line break ends the paste), so no text can
// ever carry a line break into a file.
void LimitEntry(QLineEdit* box, int maxCharacters);

// Lets a pasted text of several lines (Ctrl+V, Shift+Insert) reach `takeLines`
// as its non-empty lines, each made fit for the box, instead of the box
// taking only the first line.
void TakePastedLines(QLineEdit* box, std::function<void(const QStringList&)> takeLines);

// What the user is told when only `added` of `pasted` lines were taken.
QString PastedLinesRefusal(int added, int pasted);

}  // namespace quillane
