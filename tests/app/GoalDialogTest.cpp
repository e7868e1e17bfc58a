// The goal dialog, opened by the Goal command of the main window.
#include <QGroupBox>
#include <QLineEdit>

#include "MainWindowFixture.h"
#include "ui/HelpContexts.h"

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
    PressCommand(Cmd::kGoal);
  }
};

TEST_F(GoalDialogTest, OpensOnItsGoalPageWithFocusCaptionsAndHelpTopic) {
  program.session.sGoal = QStringLiteral("Sell more books");
  Goal([&](QDialog& dialog, QLineEdit* box) {
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Start"));
    EXPECT_TRUE(Find<QGroupBox>(&dialog, QStringLiteral("fraGoal"))->isVisible());
    EXPECT_EQ(Find<QGroupBox>(&dialog, QStringLiteral("fraGoal"))->title(), QStringLiteral("Goal"));
    EXPECT_EQ(box->text(), QStringLiteral("Sell more books"));
    EXPECT_TRUE(box->hasFocus());
    EXPECT_EQ(HelpContextOf(&dialog), 2500);
    EXPECT_EQ(dialog.parentWidget(), window.get());
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
      EXPECT_FALSE(button->isDefault() || button->autoDefault()) << button->objectName().toStdString();
    }
    QTest::mouseClick(Find<QPushButton>(&dialog, QStringLiteral("cmdHelp")), Qt::LeftButton);
    QTest::mouseClick(Find<QPushButton>(&dialog, QStringLiteral("cmdCancel")), Qt::LeftButton);
  });
  EXPECT_EQ(platform.helpTopics, std::vector<int>{2500});
  EXPECT_EQ(platform.dialogsShown, QStringList{QStringLiteral("frmStart")});
}

TEST_F(GoalDialogTest, OkStoresTheGoalLightsItsStepAndMarksTheSessionChanged) {
  Goal([&](QDialog& dialog, QLineEdit* box) {
    QTest::keyClicks(box, QStringLiteral("Halve the waiting time"));
    QTest::mouseClick(Find<QPushButton>(&dialog, QStringLiteral("cmdOk")), Qt::LeftButton);
  });
  EXPECT_EQ(program.session.sGoal, QStringLiteral("Halve the waiting time"));
  EXPECT_TRUE(program.progress.done(ProgressStep::GoalSet));
  EXPECT_TRUE(program.session.bChanged);
}

TEST_F(GoalDialogTest, EnterActsAsOk) {
  Goal([&](QDialog&, QLineEdit* box) {
    QTest::keyClicks(box, QStringLiteral("Quieter office"));
    QTest::keyClick(box, Qt::Key_Return);
  });
  EXPECT_EQ(program.session.sGoal, QStringLiteral("Quieter office"));
}

TEST_F(GoalDialogTest, EmptyOkClearsTheGoalWithoutTheStepButMarksChanged) {
  program.session.sGoal = QStringLiteral("Old goal");
  Goal([&](QDialog& dialog, QLineEdit* box) {
    box->clear();
    QTest::mouseClick(Find<QPushButton>(&dialog, QStringLiteral("cmdOk")), Qt::LeftButton);
  });
  EXPECT_EQ(program.session.sGoal, QString());
  EXPECT_FALSE(program.progress.done(ProgressStep::GoalSet));
  EXPECT_TRUE(program.session.bChanged);
  // The criteria's Set command refuses again.
  PressMenu(Menu::kCriteria);
  platform.AnswerNext(kAnswerOk);
  PressCommand(Cmd::kCriteriaSet);
  EXPECT_EQ(platform.messages.size(), 1u);
}

TEST_F(GoalDialogTest, UnchangedOkStillMarksChanged) {
  program.session.sGoal = QStringLiteral("Same");
  Goal([&](QDialog& dialog, QLineEdit*) {
    QTest::mouseClick(Find<QPushButton>(&dialog, QStringLiteral("cmdOk")), Qt::LeftButton);
  });
  EXPECT_TRUE(program.session.bChanged);
}

TEST_F(GoalDialogTest, CancelAndEscapeKeepTheOldGoal) {
  program.session.sGoal = QStringLiteral("Keep me");
  Goal([&](QDialog& dialog, QLineEdit* box) {
    QTest::keyClicks(box, QStringLiteral(" edited"));
    QTest::mouseClick(Find<QPushButton>(&dialog, QStringLiteral("cmdCancel")), Qt::LeftButton);
  });
  Goal([&](QDialog&, QLineEdit* box) {
    QTest::keyClicks(box, QStringLiteral(" again"));
    QTest::keyClick(box, Qt::Key_Escape);
  });
  EXPECT_EQ(program.session.sGoal, QStringLiteral("Keep me"));
  EXPECT_FALSE(program.session.bChanged);
}

TEST_F(GoalDialogTest, TakesAtMostEightyCharactersAndNoLineBreaks) {
  Goal([&](QDialog& dialog, QLineEdit* box) {
    QTest::keyClicks(box, QString(100, QLatin1Char('g')));
    EXPECT_EQ(box->text().size(), 80);
    box->clear();
    box->insert(QStringLiteral("one\ttwo\nthree"));
    EXPECT_EQ(box->text(), QStringLiteral("one two"));
    QTest::mouseClick(Find<QPushButton>(&dialog, QStringLiteral("cmdOk")), Qt::LeftButton);
  });
  EXPECT_EQ(program.session.sGoal, QStringLiteral("one two"));
}

}  // namespace
}  // namespace quillane::test
