#include "ui/PageLabel.h"

#include <QFontMetrics>
#include <QLabel>
#include <algorithm>

#include "ui/WrappingLabel.h"

namespace quillane {

QLabel* PageLabel(QWidget* parent, const QString& name, bool wrap) {
  auto* label = new WrappingLabel(parent);
  label->setObjectName(name);
  label->setWordWrap(wrap);
  label->setTextFormat(Qt::PlainText);
  return label;
}

QLabel* FramedPageLabel(QWidget* parent, const QString& name) {
  QLabel* label = PageLabel(parent, name);
  label->setFrameShape(QFrame::StyledPanel);
  label->setMargin(6);
  return label;
}

int PageTextWidth(const QWidget* page) {
  constexpr int kNarrowest = 460;
  constexpr int kCharacters = 52;
  return std::max(kNarrowest, QFontMetrics(page->font()).averageCharWidth() * kCharacters);
}

void FitWrappedLabel(QLabel* label, int width, const QStringList& texts) {
  label->setFixedWidth(width);
  int height = std::max(0, label->heightForWidth(width));
  if (!texts.isEmpty()) {
    const QString shown = label->text();
    for (const QString& text : texts) {
      label->setText(text);
      height = std::max(height, label->heightForWidth(width));
    }
    label->setText(shown);
  }
  label->setMinimumHeight(height);
}

}  // namespace quillane
