// The help window goes beside the program's windows, never over their buttons.
#include <QListWidget>
#include <QPushButton>

#include "app/MainWindowFixture.h"
#include "app/helpviewer/HelpWindow.h"

namespace quillane::test {
namespace {

QRect OnScreen(const QWidget* widget) {
  return {widget->mapToGlobal(QPoint(0, 0)), widget->size()};
}

TEST(HelpPlacement, TheHelpWindowStaysOnTheScreenAndOffEveryButton) {
  ScreenAreas dialogAt1280;  // the main window's commands, a centred dialog's buttons
  dialogAt1280.Add(QRect(290, 560, 700, 210));
  dialogAt1280.Add(QRect(860, 150, 110, 90));
  dialogAt1280.Add(QRect(330, 470, 380, 30));
  ScreenAreas besideADialog = dialogAt1280;  // and the rest of that dialog, if there is room
  besideADialog.AddRather(QRect(320, 140, 660, 380));
  ScreenAreas aWideDialog = dialogAt1280;  // no room beside it: only its buttons stay free
  aWideDialog.AddRather(QRect(100, 100, 1080, 600));
  ScreenAreas rowAndColumn;  // a row of buttons across the foot, a column on the right
  rowAndColumn.Add(QRect(0, 700, 1366, 38));
  rowAndColumn.Add(QRect(1200, 0, 166, 700));
  const struct {
    const char* what;
    QRect screen;
    ScreenAreas keepClear;
    int narrowest;
  } cases[] = {
      {"1280 wide, commands in the middle below", {0, 0, 1280, 770}, QRect(290, 530, 700, 240), 360},
      {"1920 wide: room beside the commands", {0, 0, 1920, 1050}, QRect(600, 820, 720, 230), 360},
      {"a screen left of the primary one", {-1280, 0, 1280, 1024}, QRect(-990, 780, 700, 244), 360},
      {"a dialog's buttons over the main window", {0, 0, 1280, 770}, dialogAt1280, 360},
      {"beside a centred dialog", {0, 0, 1280, 770}, besideADialog, 200},
      {"a dialog too wide to stand beside", {0, 0, 1280, 770}, aWideDialog, 360},
      {"1366 by 768, a row and a column of buttons", {0, 0, 1366, 738}, rowAndColumn, 360},
      {"nothing to keep free", {0, 0, 1280, 800}, {}, 360},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const QRect place = HelpWindowPlace(c.screen, c.keepClear);
    const std::unique_ptr<char[]> placeText(QTest::toString(place));
    SCOPED_TRACE(placeText.get());
    EXPECT_TRUE(c.screen.contains(place));
    EXPECT_FALSE(c.keepClear.Intersects(place));
    // Beside the dialog where there is room for a useful window.
    if (c.narrowest < 360) {
      EXPECT_FALSE(c.keepClear.AllMust().Intersects(place));
    }
    EXPECT_GE(place.width(), c.narrowest);
    EXPECT_GE(place.height(), 240);
  }
}

// The help opened at start-up, by F1 in the main window and by F1 in an open
// dialog leaves every button of the program's open windows free.
class HelpAtStartupTest : public MainWindowTest {
 protected:
  QByteArray SettingsFile() override { return "[Quillane]\r\nHelp at Startup=1\r\nAutomatic Backup=0\r\n"; }
};

TEST_F(HelpAtStartupTest, TheHelpOpensOnceTheWindowIsShownAndLeavesItsMenuBarFree) {
  ASSERT_EQ(platform.helpTopics, std::vector<int>{0});
  for (int menu = 0; menu < Menu::kCount; ++menu)
    EXPECT_TRUE(platform.helpKeepClear.Holds(OnScreen(MenuButton(menu)))) << menu;
}

TEST_F(MainWindowTest, HelpFromTheMainWindowAndFromADialogKeepsTheirButtonsFree) {
  StartNewSession();
  SessionContent s;
  Fill(s.sIdeas, s.nIdeas, {"Bells", "Maps"});
  PutContent(parts.document, s);
  window->resize(1280, 770);
  PressMenu(Menu::kIdeas);
  QTest::keyClick(window.get(), Qt::Key_F1);
  ASSERT_EQ(platform.helpTopics.size(), 1u);
  for (int menu : {Menu::kStart, Menu::kExit})
    EXPECT_TRUE(platform.helpKeepClear.Holds(OnScreen(MenuButton(menu)))) << menu;
  EXPECT_TRUE(platform.helpKeepClear.Holds(OnScreen(CommandButton(Command::ViewEditIdeas))));

  platform.OnNextDialog([&](QDialog& view) {
    QApplication::processEvents();
    QTest::keyClick(Find<QListWidget>(&view, QStringLiteral("lstView")), Qt::Key_F1);
    for (const char* name : {"cmdAdd", "cmdEdit", "cmdDelete", "cmdOk"}) {
      const auto* button = Find<QPushButton>(&view, QLatin1String(name));
      EXPECT_TRUE(platform.helpKeepClear.Holds(OnScreen(button))) << name;
    }
    EXPECT_TRUE(platform.helpKeepClear.Holds(OnScreen(MenuButton(Menu::kExit))));
    EXPECT_FALSE(platform.helpKeepClear.Intersects(HelpWindowPlace(platform.screen, platform.helpKeepClear)));
    view.close();
  });
  PressCommand(Command::ViewEditIdeas);
  EXPECT_EQ(platform.helpTopics.size(), 2u);
}

}  // namespace
}  // namespace quillane::test
