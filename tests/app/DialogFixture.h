#pragma once

#include <QAbstractButton>
#include <QLineEdit>

#include "app/MainWindowFixture.h"

namespace quillane::test {

// Clicks the button of `form` with this object name.
inline void Click(QWidget* form, const char* name) {
  QTest::mouseClick(Find<QAbstractButton>(form, QLatin1String(name)), Qt::LeftButton);
}
inline void Click(QWidget& form, const char* name) {
  Click(&form, name);
}

inline void TypeAndEnter(QLineEdit* box, const QString& text) {
  QTest::keyClicks(box, text);
  QTest::keyClick(box, Qt::Key_Return);
}

// The main window with a new session under way and menu `menu` open, from
// which the tests open a dialog as a user does.
template <int menu>
class MenuOpenTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    StartNewSession();
    PressMenu(menu);
  }
};

}  // namespace quillane::test
