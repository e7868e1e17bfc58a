#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QString>
#include <QWidget>

namespace quillane::test {

// The child of `root` with this object name; fails the test when missing.
template <typename T = QWidget>
T* Find(QObject* root, const QString& name) {
  T* found = root->findChild<T*>(name);
  EXPECT_NE(found, nullptr) << "no control named " << name.toStdString();
  return found;
}

// The top-level widget with this object name that is now visible.
template <typename T = QWidget>
T* VisibleWindow(const QString& name) {
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w->objectName() == name && w->isVisible()) return qobject_cast<T*>(w);
  }
  return nullptr;
}

}  // namespace quillane::test
