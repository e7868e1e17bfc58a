// The windows read right at any default font size: nothing cut, nothing
// overlapping, no page changing size under the user's hand. With
//   QUILLANE_SHOTS=docs/screenshots build/tests/test_ui --gtest_filter='*FontSizes*'
// each window checked is also saved as a picture, named after its font size
// or after QUILLANE_SHOT_SUFFIX (for runs at another QT_SCALE_FACTOR).
#include <QDir>
#include <QLabel>
#include <QListWidget>

#include "app/DialogFixture.h"

namespace quillane::test {
namespace {

// The main window built under a default font of `points`.
class FontSizesTest : public MenuOpenTest<Menu::kCriteria>, public ::testing::WithParamInterface<int> {
 protected:
  void SetUp() override {
    QFont font = QApplication::font();
    font.setPointSize(GetParam());
    QApplication::setFont(font);
    previousHandler_ = qInstallMessageHandler(&FontSizesTest::Collect);
    warnings.clear();
    MenuOpenTest::SetUp();
    window->resize(1280, 800);
    QApplication::processEvents();
  }
  void TearDown() override {
    qInstallMessageHandler(previousHandler_);
    QApplication::setFont(originalFont_);
    MenuOpenTest::TearDown();
  }

  inline static QStringList warnings;  // collected while the test runs
  static void Collect(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtWarningMsg) warnings << message;
  }

  void FillSession() {
    SessionContent s;
    s.sGoal = QString(80, QLatin1Char('g'));
    Fill(s.sCriteria, s.nCriteria, {"Cost", Eighty(QStringLiteral("Comfort for everyone")), "Speed"});
    s.sngWeight = {0, 9.0f, 4.5f, 3.0f};
    Fill(s.sIdeas, s.nIdeas, {Eighty(QStringLiteral("Quiet corners with plants")), "Bells"});
    PutContent(parts.document, s);
    parts.commands.EnableButton(Command::CriteriaRate, true);
  }
  static QString Eighty(const QString& start) {
    QString text = start;
    while (text.size() < 80) text += QStringLiteral(" and more");
    return text.left(80);
  }
  // Saves a picture of `widget` when QUILLANE_SHOTS names a folder.
  void Shoot(QWidget* widget, const QString& name) {
    const QString folder = qEnvironmentVariable("QUILLANE_SHOTS");
    if (folder.isEmpty()) return;
    QString suffix = qEnvironmentVariable("QUILLANE_SHOT_SUFFIX");
    if (suffix.isEmpty()) suffix = QStringLiteral("-%1pt").arg(GetParam());
    QDir().mkpath(folder);
    EXPECT_TRUE(widget->grab().save(QDir(folder).filePath(name + suffix + QStringLiteral(".png"))));
  }
  // A label shows all its text: as high as its text needs at its width.
  static void ExpectWhole(const QLabel* label) {
    EXPECT_GE(label->height(), label->heightForWidth(label->width())) << label->objectName().toStdString();
  }

 private:
  QFont originalFont_ = QApplication::font();
  QtMessageHandler previousHandler_ = nullptr;
};

TEST_P(FontSizesTest, ProgressLabelsAreWholeAndApart) {
  std::vector<QRect> places;
  for (int step = 0; step < Progress::kSteps; ++step) {
    const auto* label = Find<QLabel>(window.get(), QStringLiteral("lblProgressReport(%1)").arg(step));
    EXPECT_GE(label->height(), label->sizeHint().height()) << step << ": descenders would be cut";
    EXPECT_GE(label->width(), label->sizeHint().width()) << step;
    const QRect place(label->mapTo(window.get(), QPoint(0, 0)), label->size());
    for (const QRect& other : places) EXPECT_FALSE(place.intersects(other)) << step;
    places.push_back(place);
  }
  Shoot(window.get(), QStringLiteral("main-window"));
}

TEST_P(FontSizesTest, TheRatePageKeepsItsSizeAndShowsEachCriterionWhole) {
  FillSession();
  platform.OnNextDialog([&](QDialog& criteria) {
    QApplication::processEvents();
    const QSize first = criteria.size();
    Shoot(&criteria, QStringLiteral("criteria-rate"));
    for (int comparison = 0; comparison < 2; ++comparison) {
      for (const char* name : {"lblCriteriaA", "lblCriteriaB"}) ExpectWhole(Find<QLabel>(&criteria, name));
      Click(&criteria, "cmdCriteriaRate");
      QApplication::processEvents();
      EXPECT_EQ(criteria.size(), first) << "after comparison " << comparison + 1;
    }
    criteria.close();
  });
  PressCommand(Command::CriteriaRate);
  for (const QString& warning : warnings) EXPECT_FALSE(warning.contains(QStringLiteral("Negative sizes")));
}

TEST_P(FontSizesTest, TheEvaluationPageShowsAnEightyCharacterIdeaWhole) {
  FillSession();
  platform.OnNextDialog([](QDialog& view) {
    auto* list = Find<QListWidget>(&view, QStringLiteral("lstView"));
    list->item(0)->setSelected(true);
    list->item(1)->setSelected(true);
    Click(&view, "cmdOk");
  });
  platform.OnNextDialog([&](QDialog& ideas) {
    QApplication::processEvents();
    for (const char* name : {"lblIdeasEvaluationIdea", "lblIdeasEvaluationCrit", "lblIdeasEvaluationGoal"})
      ExpectWhole(Find<QLabel>(&ideas, name));
    Shoot(&ideas, QStringLiteral("evaluation"));
    ideas.close();
  });
  PressMenu(Menu::kIdeas);
  PressCommand(Command::Evaluate);
}

INSTANTIATE_TEST_SUITE_P(Points, FontSizesTest, ::testing::Values(9, 11, 13),
                         [](const ::testing::TestParamInfo<int>& info) {
                           return "Font" + std::to_string(info.param) + "pt";
                         });

}  // namespace
}  // namespace quillane::test
