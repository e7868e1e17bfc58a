#pragma once

class QLineEdit;

namespace quillane {

// Makes `box` an entry box of the program: at most `maxLength` characters,
// no control characters (a pasted tab becomes a blank, a line break ends the
// paste), so no text can ever carry a line break into a file, and no
// character the files' code page cannot hold, so saving never drops one.
void LimitEntry(QLineEdit* box, int maxLength);

}  // namespace quillane
