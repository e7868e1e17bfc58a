#pragma once

#include "app/MainWindowFixture.h"

namespace quillane::test {

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
