#pragma once

#include <QStringList>

class QLabel;
class QString;
class QWidget;

namespace quillane {

// A label of a dialog page or a window, named as it names it, showing its
// text as plain text (an idea, a goal or a file name is never read as
// markup); it wraps long texts unless told not to.
QLabel* PageLabel(QWidget* parent, const QString& name, bool wrap = true);

// A page label that sets off the idea or criterion it shows with a frame.
QLabel* FramedPageLabel(QWidget* parent, const QString& name);

// The width of the texts of a dialog page: room for some fifty characters
// of `page`'s font, and never less than the 460 pixels the tables need.
int PageTextWidth(const QWidget* page);

// A dialog's layout does not follow the height a wrapped label needs for its
// width, so the label gets a fixed width and the height that the tallest of
// its own text and `texts` takes there: the dialog fits every text the
// label will show in turn, and keeps its size from one to the next.
void FitWrappedLabel(QLabel* label, int width, const QStringList& texts = {});

}  // namespace quillane
