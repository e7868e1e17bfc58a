#pragma once

class QLabel;
class QString;
class QWidget;

namespace quillane {

// A label of a dialog page, named as the page names it, showing its text as
// plain text (an idea or a goal is never read as markup); it wraps long
// texts unless told not to.
QLabel* PageLabel(QWidget* parent, const QString& name, bool wrap = true);

// A page label that sets off the idea or criterion it shows with a frame.
QLabel* FramedPageLabel(QWidget* parent, const QString& name);

}  // namespace quillane
