// The menu buttons pressed the way a screen reader presses them: through the
// accessible Toggle action, which toggles a checkable button without a click.
#include <QAccessible>
#include <QAccessibleActionInterface>

#include "app/MainWindowFixture.h"

namespace quillane::test {

namespace {

void ToggleAsScreenReader(QPushButton* button) {
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(button);
  ASSERT_NE(accessible, nullptr);
  QAccessibleActionInterface* actions = accessible->actionInterface();
  ASSERT_NE(actions, nullptr);
  ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::toggleAction()));
  actions->doAction(QAccessibleActionInterface::toggleAction());
  QApplication::processEvents();  // the menu follows once the action has returned
}

}  // namespace

TEST_F(MainWindowTest, MenusOpenAndCloseThroughTheToggleAction) {
  ToggleAsScreenReader(MenuButton(Menu::kStart));
  EXPECT_EQ(VisibleFrames(), QStringList{QStringLiteral("fraStart")});

  StartNewSession();
  ToggleAsScreenReader(MenuButton(Menu::kCriteria));
  EXPECT_EQ(VisibleFrames(), QStringList{QStringLiteral("fraCriteria")});
  EXPECT_FALSE(MenuButton(Menu::kStart)->isChecked()) << "one menu open at a time";

  ToggleAsScreenReader(MenuButton(Menu::kCriteria));
  EXPECT_TRUE(VisibleFrames().isEmpty());
}

TEST_F(MainWindowTest, ExitThroughTheToggleActionAsksOnceAndEnds) {
  platform.AnswerNext(Answer::Yes);  // Exit Quillane?
  ToggleAsScreenReader(MenuButton(Menu::kExit));
  EXPECT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(ended, 1);
  EXPECT_FALSE(MenuButton(Menu::kExit)->isChecked());
}

}  // namespace quillane::test
