// Pictures of the windows with the longest texts, for a look at them at
// other fonts and scales. Not run by default:
//   QUILLANE_SHOTS=docs/screenshots QUILLANE_SHOT_FONT=13 QT_SCALE_FACTOR=1.5
//   build/tests/test_app --gtest_also_run_disabled_tests --gtest_filter='*Screenshots*'
#include <QDir>
#include <QListWidget>
#include <QSlider>

#include "app/DialogFixture.h"

namespace quillane::test {
namespace {

class ScreenshotsTest : public MenuOpenTest<Menu::kIdeas> {
 protected:
  void SetUp() override {
    const int points = qEnvironmentVariableIntValue("QUILLANE_SHOT_FONT");
    if (points > 0) {
      QFont font = QApplication::font();
      font.setPointSize(points);
      QApplication::setFont(font);
    }
    MenuOpenTest::SetUp();
    window->resize(1280, 800);
    Session& s = program.session;
    s.sGoal = Long("Make the office calmer for everyone who works in it, all day");
    s.nCriteria = 3;
    for (int c = 1; c <= 3; ++c) {
      s.sCriteria[static_cast<std::size_t>(c)] =
          Long(QStringLiteral("Criterion %1 costs little and keeps").arg(c));
      s.sngWeight[static_cast<std::size_t>(c)] = 9.0f / static_cast<float>(c);
    }
    s.nIdeas = 3;
    for (int i = 1; i <= 3; ++i)
      s.sIdeas[static_cast<std::size_t>(i)] =
          Long(QStringLiteral("Idea %1: quiet corners with plants").arg(i));
    program.commands.EnableButton(Cmd::kCriteriaRate, true);
    program.progress.MarkProgressStep(ProgressStep::GoalSet);
    program.progress.MarkProgressStep(ProgressStep::CriteriaSet);
  }

  // `start`, filled to the 80 characters a text box takes.
  static QString Long(const QString& start) {
    QString text = start;
    while (text.size() < 80) text += QStringLiteral(" and more");
    return text.left(80);
  }

  void Save(QWidget* widget, const QString& name) {
    const QString folder = qEnvironmentVariable("QUILLANE_SHOTS");
    QDir().mkpath(folder);
    const QString suffix = qEnvironmentVariable("QUILLANE_SHOT_SUFFIX");
    QApplication::processEvents();
    EXPECT_TRUE(widget->grab().save(QDir(folder).filePath(name + suffix + QStringLiteral(".png"))));
  }
};

TEST_F(ScreenshotsTest, DISABLED_MainWindowRatePageAndEvaluationPage) {
  ASSERT_FALSE(qEnvironmentVariableIsEmpty("QUILLANE_SHOTS"));
  Save(window.get(), QStringLiteral("main-window"));

  platform.OnNextDialog([&](QDialog& criteria) {
    Save(&criteria, QStringLiteral("criteria-rate"));
    Click(&criteria, "cmdCriteriaRate");
    Save(&criteria, QStringLiteral("criteria-rate-next"));
    criteria.close();
  });
  PressMenu(Menu::kCriteria);
  PressCommand(Cmd::kCriteriaRate);

  platform.OnNextDialog([&](QDialog& view) {
    auto* list = Find<QListWidget>(&view, QStringLiteral("lstView"));
    list->item(0)->setSelected(true);
    list->item(1)->setSelected(true);
    Click(&view, "cmdOk");
  });
  platform.OnNextDialog([&](QDialog& ideas) {
    Save(&ideas, QStringLiteral("evaluation"));
    ideas.close();
  });
  PressMenu(Menu::kIdeas);
  PressCommand(Cmd::kEvaluate);
  platform.answers.clear();
}

}  // namespace
}  // namespace quillane::test
