// The keys, the title and the busy bar of the main window, as a desktop user
// expects them.
#include <QProgressBar>

#include "MainWindowFixture.h"
#include "resources/Texts.h"

namespace quillane::test {
namespace {

class DesktopKeysTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }
  void Press(QKeyCombination keys) { QTest::keyClick(window.get(), keys.key(), keys.keyboardModifiers()); }
  void Change() {
    Seed(parts.document, [](SessionContent& c) { c.sGoal = QStringLiteral("Shorter queues"); });
    parts.document.MarkModified();
  }
  QString Title() const { return window->windowTitle().replace(QStringLiteral("[*]"), QString()); }
};

// Each key asks what its button asks, and does nothing while its button
// cannot be pressed.
TEST_F(DesktopKeysTest, EachKeyRunsItsCommandWithTheSameRulesAndQuestions) {
  Press(Qt::CTRL | Qt::Key_S);
  Press(Qt::CTRL | Qt::SHIFT | Qt::Key_S);
  EXPECT_TRUE(platform.fileDialogs.empty()) << "no session yet: Save cannot be pressed";

  Press(Qt::CTRL | Qt::Key_N);
  EXPECT_TRUE(MenuButton(Menu::kSave)->isEnabled()) << "a new session began";
  Change();
  platform.AnswerNext(Answer::Cancel);
  Press(Qt::CTRL | Qt::Key_N);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(parts.document.content().sGoal, QStringLiteral("Shorter queues")) << "Cancel keeps the session";

  platform.AnswerNext(Answer::Cancel);
  Press(Qt::CTRL | Qt::Key_O);
  EXPECT_EQ(platform.messages.size(), 2u) << "Open asks about the changes first";
  EXPECT_TRUE(platform.fileDialogs.empty());

  const QString workfile = folder.filePath(QStringLiteral("queues.qln"));
  platform.ChooseFile(workfile);
  Press(Qt::CTRL | Qt::Key_S);
  EXPECT_TRUE(QFile::exists(workfile)) << "an untitled session asks for a name";
  EXPECT_FALSE(parts.document.isModified());
  platform.ChooseFile(std::nullopt);
  Press(Qt::CTRL | Qt::SHIFT | Qt::Key_S);
  EXPECT_EQ(platform.fileDialogs.size(), 2u);

  platform.AnswerNext(Answer::No);
  Press(Qt::CTRL | Qt::Key_Q);
  EXPECT_EQ(platform.messages.back().text,
            Text(500) + QLatin1Char(' ') + parts.constants.sProduct + QLatin1Char('?'));
  EXPECT_EQ(ended, 0) << "No to the exit question keeps the program";

  // A modal dialog has the keys to itself.
  platform.OnNextDialog([this](QDialog& goal) {
    QTest::keyClick(&goal, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(platform.messages.size(), 3u);
    Click(&goal, "cmdCancel");
  });
  PressCommand(Command::Goal);
}

// The title names the workfile, marked while changes are unsaved.
TEST_F(DesktopKeysTest, TheTitleNamesTheWorkfileAndMarksUnsavedChanges) {
  const QString product = QStringLiteral(" \u2014 ") + parts.constants.sTitle;
  EXPECT_EQ(Title(), parts.constants.sUntitled + product);
  EXPECT_FALSE(window->isWindowModified());
  Press(Qt::CTRL | Qt::Key_N);
  Change();
  EXPECT_TRUE(window->isWindowModified());
  const QString workfile = folder.filePath(QStringLiteral("<b>queues<i>.qln"));
  platform.ChooseFile(workfile);
  Press(Qt::CTRL | Qt::Key_S);
  EXPECT_EQ(Title(), QStringLiteral("<b>queues<i>.qln") + product);
  EXPECT_FALSE(window->isWindowModified());
}

// Saving takes no time the user can see: the busy bar runs on while events
// go on, then the status bar names the file.
TEST_F(DesktopKeysTest, TheBusyBarRunsWhileTheWindowGoesOn) {
  Press(Qt::CTRL | Qt::Key_N);
  const QString workfile = folder.filePath(QStringLiteral("queues.qln"));
  platform.ChooseFile(workfile);
  Press(Qt::CTRL | Qt::Key_S);
  ASSERT_TRUE(QFile::exists(workfile)) << "the file is written before the bar starts";
  auto* bar = Find<QProgressBar>(window.get(), QStringLiteral("winProgresBar"));
  EXPECT_TRUE(QTest::qWaitFor([bar] { return bar->value() > 10; }, 2000))
      << "the bar moves with events running";
  EXPECT_EQ(parts.status.panelText(), parts.constants.sMsgSaving);
  WaitForBusyBar(parts.status);
  EXPECT_EQ(bar->value(), 0);
  EXPECT_EQ(parts.status.panelText(), QDir::toNativeSeparators(workfile));
}

}  // namespace
}  // namespace quillane::test
