// F1 in the main window and the dialogs, and the About box.
#include <QLabel>
#include <QLineEdit>

#include "MainWindowFixture.h"

namespace quillane::test {
namespace {

using HelpKeyTest = MainWindowTest;

// Before any frame the window's own topic; then that of the frame shown last,
// also once its menu has closed it again.
TEST_F(HelpKeyTest, F1InTheMainWindowOpensTheTopicOfTheFrameLastShown) {
  QTest::keyClick(MenuButton(Menu::kStart), Qt::Key_F1);
  std::vector<int> expected{1000};
  const std::pair<int, int> frames[] = {
      {Menu::kStart, 2000},   {Menu::kOptions, 3000}, {Menu::kCriteria, 4000}, {Menu::kIdeas, 5000},
      {Menu::kReports, 6000}, {Menu::kPlans, 7000},   {Menu::kSave, 8000},     {Menu::kHelp, 10000},
  };
  for (const auto& [menu, topic] : frames) {
    program.commands.EnableMenu(menu, true);
    program.commands.EnableFrame(menu, true);
    PressMenu(menu);
    ASSERT_EQ(VisibleFrames(), QStringList{window->frame(menu)->objectName()});
    QTest::keyClick(MenuButton(menu), Qt::Key_F1);
    expected.push_back(topic);
  }
  PressMenu(Menu::kHelp);
  ASSERT_TRUE(VisibleFrames().isEmpty());
  QTest::keyClick(MenuButton(Menu::kStart), Qt::Key_F1);
  expected.push_back(10000);
  EXPECT_EQ(platform.helpTopics, expected);
}

TEST_F(HelpKeyTest, F1InADialogOpensThatDialogsTopicAndLeavesItOpen) {
  StartNewSession();
  PressMenu(Menu::kStart);
  platform.OnNextDialog([&](QDialog& dialog) {
    auto* box = Find<QLineEdit>(&dialog, QStringLiteral("txtGoal"));
    QTest::keyClick(box, Qt::Key_F1);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(box->text(), QString());
    Click(dialog, "cmdCancel");
  });
  PressCommand(Cmd::kGoal);

  PressMenu(Menu::kOptions);
  platform.OnNextDialog([&](QDialog& dialog) {
    QTest::keyClick(Find<QLineEdit>(&dialog, QStringLiteral("txtPassword")), Qt::Key_F1);
    Click(dialog, "cmdCancel");
  });
  PressCommand(Cmd::kPassword);
  EXPECT_EQ(platform.helpTopics, (std::vector<int>{2500, 3200}));
}

TEST_F(HelpKeyTest, AboutShowsTheMainWindowsLogoAndVersionAndClosesWithOk) {
  PressMenu(Menu::kHelp);
  platform.OnNextDialog([&](QDialog& dialog) {
    const QImage logo = Find<QLabel>(&dialog, QStringLiteral("imgLogo"))->pixmap().toImage();
    const QImage mainLogo = Find<QLabel>(window.get(), QStringLiteral("imgQuillaneLogo"))->pixmap().toImage();
    EXPECT_FALSE(logo.isNull());
    EXPECT_EQ(logo, mainLogo);
    EXPECT_EQ(Find<QLabel>(&dialog, QStringLiteral("lblVersion"))->text(), QStringLiteral("Version 1.01"));
    auto* ok = Find<QPushButton>(&dialog, QStringLiteral("cmdOk"));
    QTest::keyClick(ok, Qt::Key_F1);
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
  });
  PressCommand(Cmd::kAbout);
  EXPECT_EQ(platform.dialogsShown, QStringList{QStringLiteral("frmAbout")});
  EXPECT_EQ(platform.helpTopics, std::vector<int>{1000});
  EXPECT_TRUE(platform.messages.empty());
}

}  // namespace
}  // namespace quillane::test
