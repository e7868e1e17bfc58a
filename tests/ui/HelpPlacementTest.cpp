// The help window leaves the main window's command buttons usable.
#include <QPushButton>

#include "app/MainWindowFixture.h"
#include "app/helpviewer/HelpWindow.h"

namespace quillane::test {
namespace {

TEST(HelpPlacement, TheHelpWindowStaysOnTheScreenAndOffWhatMustStayFree) {
  const struct {
    const char* what;
    QRect screen;
    QRect keepClear;
  } cases[] = {
      {"1280 wide, commands in the middle below", {0, 0, 1280, 770}, {290, 530, 700, 240}},
      {"1920 wide: room beside the commands", {0, 0, 1920, 1050}, {600, 820, 720, 230}},
      {"a screen left of the primary one", {-1280, 0, 1280, 1024}, {-990, 780, 700, 244}},
      {"nothing to keep free", {0, 0, 1280, 800}, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const QRect place = HelpWindowPlace(c.screen, c.keepClear);
    EXPECT_TRUE(c.screen.contains(place))
        << place.x() << "," << place.y() << " " << place.width() << "x" << place.height();
    EXPECT_FALSE(place.intersects(c.keepClear));
    EXPECT_GE(place.width(), 360);
    EXPECT_GE(place.height(), 240);
  }
}

TEST_F(MainWindowTest, HelpFromTheMainWindowKeepsItsCommandButtonsFree) {
  window->resize(1280, 770);
  QApplication::processEvents();
  QTest::keyClick(window.get(), Qt::Key_F1);
  ASSERT_FALSE(platform.helpTopics.empty());
  for (int menu : {Menu::kStart, Menu::kExit}) {
    const QPushButton* button = MenuButton(menu);
    const QRect onScreen(button->mapToGlobal(QPoint(0, 0)), button->size());
    EXPECT_TRUE(platform.helpKeepClear.contains(onScreen)) << menu;
  }
  EXPECT_FALSE(
      HelpWindowPlace(QRect(0, 0, 1280, 770), platform.helpKeepClear).intersects(platform.helpKeepClear));
}

}  // namespace
}  // namespace quillane::test
