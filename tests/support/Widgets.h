#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QWidget>

namespace quillane::test {

// The child of `root` with this object name; fails the test when missing.
template <typename T = QWidget>
T* Find(QObject* root, const QString& name) {
  T* found = root->findChild<T*>(name);
  EXPECT_NE(found, nullptr) << "no control named " << name.toStdString();
  return found;
}

// Clicks the button of `form` with this object name.
inline void Click(QWidget* form, const char* name) {
  QTest::mouseClick(Find<QAbstractButton>(form, QLatin1String(name)), Qt::LeftButton);
}
inline void Click(QWidget& form, const char* name) {
  Click(&form, name);
}

// Clicks row `row` of `list` as the mouse does, with these keys held.
inline void ClickRow(QListWidget* list, int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers,
                    list->visualItemRect(list->item(row)).center());
}

// A double click on row `row`, after the single click a user's first press gives.
inline void DoubleClickRow(QListWidget* list, int row) {
  const QPoint at = list->visualItemRect(list->item(row)).center();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
}

// Types `text` a key at a time. A character beyond ASCII comes as a
// keyboard layout or an input method sends it: one key event whose text is
// the whole character, both halves of it when it lies beyond the basic plane.
inline void TypeText(QWidget* box, const QString& text) {
  for (qsizetype i = 0; i < text.size(); ++i) {
    const qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
    const QString character = text.mid(i, length);
    if (character[0].unicode() < 0x80) {
      QTest::keyClick(box, character[0].toLatin1());
    } else {
      QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, character, Qt::NoModifier);
    }
    i += length - 1;
  }
}

inline void TypeAndEnter(QLineEdit* box, const QString& text) {
  TypeText(box, text);
  QTest::keyClick(box, Qt::Key_Return);
}

// Types each line into the box of `form` named `box`, each ended with Enter.
inline void Type(QWidget* form, const char* box, const QStringList& lines) {
  auto* edit = Find<QLineEdit>(form, QLatin1String(box));
  for (const QString& line : lines) TypeAndEnter(edit, line);
}

}  // namespace quillane::test
