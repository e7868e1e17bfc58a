// F1 in the main window and the dialogs.
#include <QLineEdit>

#include "MainWindowFixture.h"

namespace quillane::test {
namespace {

using HelpKeyTest = MainWindowTest;

// Before any frame the window's own topic; then that of the frame shown last,
// also once its menu has closed it again.
TEST_F(HelpKeyTest, F1InTheMainWindowOpensTheTopicOfTheFrameLastShown) {
  QTest::keyClick(MenuButton(Menu::kStart), Qt::Key_F1);
  PressMenu(Menu::kStart);
  QTest::keyClick(MenuButton(Menu::kStart), Qt::Key_F1);
  PressMenu(Menu::kHelp);
  ASSERT_EQ(VisibleFrames(), QStringList{QStringLiteral("fraHelp")});
  PressMenu(Menu::kHelp);
  ASSERT_TRUE(VisibleFrames().isEmpty());
  QTest::keyClick(MenuButton(Menu::kStart), Qt::Key_F1);
  EXPECT_EQ(platform.helpTopics, (std::vector<int>{1000, 2000, 10000}));
}

TEST_F(HelpKeyTest, F1InADialogOpensThatDialogsTopicAndLeavesItOpen) {
  StartNewSession();
  RunDialog(Menu::kStart, Command::Goal, [&](QDialog& dialog) {
    auto* box = Find<QLineEdit>(&dialog, QStringLiteral("txtGoal"));
    QTest::keyClick(box, Qt::Key_F1);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(box->text(), QString());
    Click(dialog, "cmdCancel");
  });
  RunDialog(Menu::kOptions, Command::Password, [&](QDialog& dialog) {
    QTest::keyClick(Find<QLineEdit>(&dialog, QStringLiteral("txtPassword")), Qt::Key_F1);
    Click(dialog, "cmdCancel");
  });
  EXPECT_EQ(platform.helpTopics, (std::vector<int>{2500, 3200}));
}

}  // namespace
}  // namespace quillane::test
