#pragma once

class QWidget;

namespace quillane {

// Gives the focus to the first control of the page a dialog shows: the row
// of its table whose frame is visible decides.
void FocusFirstControl(QWidget* form);

}  // namespace quillane
