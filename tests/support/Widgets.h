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

inline void TypeAndEnter(QLineEdit* box, const QString& text) {
  QTest::keyClicks(box, text);
  QTest::keyClick(box, Qt::Key_Return);
}

// Types each line into the box of `form` named `box`, each ended with Enter.
inline void Type(QWidget* form, const char* box, const QStringList& lines) {
  auto* edit = Find<QLineEdit>(form, QLatin1String(box));
  for (const QString& line : lines) TypeAndEnter(edit, line);
}

}  // namespace quillane::test
