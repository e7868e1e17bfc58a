#pragma once

#include <QLabel>

class QTextLayout;

namespace quillane {

// A plain-text label that, when it wraps, breaks a word longer than its
// line inside the word rather than cutting it off: a goal, an idea or a
// criterion of eighty letters without a blank reads in full. Without word
// wrap it is an ordinary label.
class WrappingLabel : public QLabel {
  Q_OBJECT

 public:
  explicit WrappingLabel(QWidget* parent = nullptr);

  bool hasHeightForWidth() const override;
  int heightForWidth(int width) const override;
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // Lays the text out in lines of `textWidth`; the height it takes.
  qreal LayOutText(QTextLayout& layout, qreal textWidth) const;
  // What the margins, the frame and the indent take around the text.
  QSize Around() const;
};

}  // namespace quillane
