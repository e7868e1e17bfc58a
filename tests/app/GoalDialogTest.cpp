// The goal dialog, opened by the Goal command of the main window.
#include <QLineEdit>

#include "MainWindowFixture.h"

namespace quillane::test {
namespace {

class GoalDialogTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    StartNewSession();
    PressMenu(Menu::kStart);
  }

  // Opens the goal dialog and lets `script` work in it.
  void Goal(const std::function<void(QDialog&, QLineEdit*)>& script) {
    platform.OnNextDialog([&](QDialog& dialog) {
      auto* box = Find<QLineEdit>(&dialog, QStringLiteral("txtGoal"));
      script(dialog, box);
    });
    PressCommand(Command::Goal);
  }
};

// OK and Enter store what the box holds and count as a change even when
// nothing changed; Cancel and Escape keep the old goal.
TEST_F(GoalDialogTest, EachWayOutStoresOrKeepsTheGoal) {
  const struct {
    const char* way;
    const char* before;
    bool clear;         // the box is emptied first
    const char* typed;  // then this is typed
    Qt::Key key;        // pressed in the box, or Qt::Key_unknown to click `button`
    const char* button;
    const char* after;
    bool changed;
  } cases[] = {
      {"OK", "", true, "Halve the waiting time", Qt::Key_unknown, "cmdOk", "Halve the waiting time", true},
      {"Enter", "", true, "Quieter office", Qt::Key_Return, nullptr, "Quieter office", true},
      {"empty OK", "Old goal", true, "", Qt::Key_unknown, "cmdOk", "", true},
      {"unchanged OK", "Same", false, "", Qt::Key_unknown, "cmdOk", "Same", true},
      {"Cancel", "Keep me", false, " edited", Qt::Key_unknown, "cmdCancel", "Keep me", false},
      {"Escape", "Keep me", false, " again", Qt::Key_Escape, nullptr, "Keep me", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.way);
    Seed(parts.document, [&](SessionContent& s) { s.sGoal = QString::fromUtf8(c.before); });
    parts.progress.MarkProgressStep(ProgressStep::ClearAll);
    if (!c.changed) platform.AnswerNext(Answer::Yes);  // the typed change is let go
    Goal([&](QDialog& dialog, QLineEdit* box) {
      if (c.clear) box->clear();
      QTest::keyClicks(box, QString::fromUtf8(c.typed));
      if (c.key != Qt::Key_unknown) QTest::keyClick(box, c.key);
      if (c.button) Click(dialog, c.button);
    });
    EXPECT_EQ(parts.document.content().sGoal, QString::fromUtf8(c.after));
    EXPECT_EQ(parts.document.isModified(), c.changed);
    EXPECT_EQ(parts.progress.done(ProgressStep::GoalSet), c.changed && *c.after != '\0');
  }
}

TEST_F(GoalDialogTest, TakesAtMostEightyCharactersAndNoLineBreaks) {
  Goal([&](QDialog& dialog, QLineEdit* box) {
    QTest::keyClicks(box, QString(100, QLatin1Char('g')));
    EXPECT_EQ(box->text().size(), 80);
    box->clear();
    box->insert(QStringLiteral("one\ttwo\nthree"));
    EXPECT_EQ(box->text(), QStringLiteral("one two"));
    Click(dialog, "cmdOk");
  });
  EXPECT_EQ(parts.document.content().sGoal, QStringLiteral("one two"));
}

}  // namespace
}  // namespace quillane::test
