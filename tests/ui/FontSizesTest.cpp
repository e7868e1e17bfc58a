// Every window of the program reads whole at every default font size and
// (run again under QT_SCALE_FACTOR) every scale: no control cut by the one
// that holds it, no two overlapping, every label as large as its text. With
//   QUILLANE_SHOTS=docs/screenshots build/tests/test_ui --gtest_filter='*FontSizes*'
// each window checked is also saved as a picture, named after its font size
// or after QUILLANE_SHOT_SUFFIX (for runs at another QT_SCALE_FACTOR).
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <functional>

#include "app/MainWindowFixture.h"

namespace quillane::test {
namespace {

QString NameOf(const QWidget* widget) {
  return widget->objectName().isEmpty() ? QLatin1String(widget->metaObject()->className())
                                        : widget->objectName();
}

// Widgets whose insides are Qt's own business: their parts are not checked.
bool Closed(const QWidget* widget) {
  return qobject_cast<const QAbstractScrollArea*>(widget) || qobject_cast<const QComboBox*>(widget) ||
         qobject_cast<const QAbstractSpinBox*>(widget) || qobject_cast<const QLineEdit*>(widget) ||
         qobject_cast<const QAbstractSlider*>(widget) || qobject_cast<const QStatusBar*>(widget);
}

// What is wrong with `widget` itself: a text or a control smaller than it needs.
void CheckOwnSize(const QWidget* widget, QStringList& faults) {
  const QString name = NameOf(widget);
  if (const auto* label = qobject_cast<const QLabel*>(widget)) {
    if (!label->pixmap().isNull()) {
      const QSize picture = label->pixmap().deviceIndependentSize().toSize();
      if (label->width() < picture.width() || label->height() < picture.height())
        faults << name + QStringLiteral(": picture cut");
    } else if (label->text().isEmpty()) {
      return;
    } else if (label->wordWrap()) {
      if (label->height() < label->heightForWidth(label->width()))
        faults << name + QStringLiteral(": loses lines of \"%1\"").arg(label->text());
      // A label that wraps only at blanks cuts a word wider than its line.
      if (!label->inherits("quillane::WrappingLabel")) {
        const int line = label->contentsRect().width() - 2 * label->margin();
        for (const QString& word : label->text().split(QRegularExpression(QStringLiteral("\\s+")))) {
          if (label->fontMetrics().horizontalAdvance(word) > line)
            faults << name + QStringLiteral(": cuts the word \"%1\"").arg(word);
        }
      }
    } else if (label->width() < label->sizeHint().width() || label->height() < label->sizeHint().height()) {
      faults << name + QStringLiteral(": cuts \"%1\"").arg(label->text());
    }
    return;
  }
  const bool control = qobject_cast<const QAbstractButton*>(widget) ||
                       qobject_cast<const QGroupBox*>(widget) || qobject_cast<const QLineEdit*>(widget) ||
                       qobject_cast<const QAbstractSlider*>(widget) || qobject_cast<const QComboBox*>(widget);
  if (!control) return;
  // A button's caption needs its size hint; other controls their minimum.
  const QSize needs =
      qobject_cast<const QAbstractButton*>(widget) ? widget->sizeHint() : widget->minimumSizeHint();
  const auto text = [](QSize size) { return QStringLiteral("%1x%2").arg(size.width()).arg(size.height()); };
  if (widget->width() < needs.width() || widget->height() < needs.height())
    faults << name + QStringLiteral(": %1, needs %2").arg(text(widget->size()), text(needs));
}

// Every shown control under `parent`: inside it, apart from its siblings,
// whole itself. What a scroll area holds is checked inside its contents.
void CheckChildren(const QWidget* parent, QStringList& faults) {
  std::vector<const QWidget*> shown;
  for (const QObject* child : parent->children()) {
    const auto* widget = qobject_cast<const QWidget*>(child);
    if (!widget || widget->isWindow() || !widget->isVisibleTo(parent)) continue;
    shown.push_back(widget);
    if (!parent->rect().contains(widget->geometry()))
      faults << NameOf(widget) + QStringLiteral(" is cut off by ") + NameOf(parent);
    CheckOwnSize(widget, faults);
    if (const auto* scroll = qobject_cast<const QScrollArea*>(widget); scroll && scroll->widget()) {
      CheckChildren(scroll->widget(), faults);
      // Whatever lies beyond the visible part can be scrolled to.
      const int hidden = scroll->widget()->width() - scroll->viewport()->width();
      if (hidden > 0 && (!scroll->horizontalScrollBar()->isVisibleTo(scroll) ||
                         scroll->horizontalScrollBar()->maximum() < hidden))
        faults << NameOf(scroll) + QStringLiteral(" hides what cannot be scrolled to");
    } else if (!Closed(widget)) {
      CheckChildren(widget, faults);
    }
  }
  for (std::size_t i = 0; i < shown.size(); ++i) {
    for (std::size_t j = i + 1; j < shown.size(); ++j) {
      if (shown[i]->geometry().intersects(shown[j]->geometry()))
        faults << NameOf(shown[i]) + QStringLiteral(" overlaps ") + NameOf(shown[j]);
    }
  }
}

QString FaultsOf(const QWidget* window) {
  QStringList faults;
  CheckChildren(window, faults);
  return faults.join(QLatin1Char('\n'));
}

QString Eighty(const QString& start) {
  QString text = start;
  while (text.size() < 80) text += QStringLiteral(" and more");
  return text.left(80);
}

// The main window built under a default font of `points`, with a session
// whose texts are as long as texts may be.
class FontSizesTest : public MainWindowTest, public ::testing::WithParamInterface<int> {
 protected:
  void SetUp() override {
    QFont font = QApplication::font();
    font.setPointSize(GetParam());
    QApplication::setFont(font);
    previousHandler_ = qInstallMessageHandler(&FontSizesTest::Collect);
    warnings.clear();
    MainWindowTest::SetUp();
    StartNewSession();
    window->resize(1280, 800);
    QApplication::processEvents();
    FillSession();
  }
  void TearDown() override {
    qInstallMessageHandler(previousHandler_);
    QApplication::setFont(originalFont_);
    MainWindowTest::TearDown();
    for (const QString& warning : warnings) EXPECT_FALSE(warning.contains(QStringLiteral("Negative sizes")));
  }

  inline static QStringList warnings;  // collected while the test runs
  static void Collect(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtWarningMsg) warnings << message;
  }

  void FillSession() {
    SessionContent s;
    s.sGoal = QString(80, QLatin1Char('g'));  // no blank to break it at
    Fill(s.sCriteria, s.nCriteria, {"Cost", Eighty(QStringLiteral("Comfort for everyone")), "Speed"});
    s.sngWeight = {0, 9.0f, 4.5f, 3.0f};
    Fill(s.sTAssets, s.nTAssets, {Eighty(QStringLiteral("A workshop with tools")), "Bikes"});
    Fill(s.sIAssets, s.nIAssets, {Eighty(QStringLiteral("Patience of the neighbours")), "Humour"});
    Fill(s.sIdeas, s.nIdeas, {Eighty(QStringLiteral("Quiet corners with plants")), "Bells", "Maps"});
    PutContent(parts.document, s);
    EvaluationState& e = states.evaluation;
    Fill(e.sEvalIdeas, e.nEvalIdeas, {Eighty(QStringLiteral("Quiet corners with plants")), "Bells"});
    e.sngResultB = {0, 7.5f, 2.0f};
    e.bRanked = true;
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

  // Checks `window` as it is now, and saves its picture under `name` unless told not to.
  void ExpectWhole(QWidget* window, const QString& name, bool shoot = true) {
    QApplication::processEvents();
    EXPECT_EQ(FaultsOf(window).toStdString(), "") << name.toStdString() << " at " << GetParam() << " pt";
    if (shoot) Shoot(window, name);
  }

  // A script that checks the dialog shown, then closes it.
  ScriptedPlatform::DialogScript CheckAndClose(const QString& name) {
    return [this, name](QDialog& dialog) {
      ExpectWhole(&dialog, name);
      dialog.close();
    };
  }
  // A script that checks the selection dialog and picks its first two ideas.
  ScriptedPlatform::DialogScript CheckAndPick(const QString& name) {
    return [this, name](QDialog& view) {
      ExpectWhole(&view, name);
      auto* list = Find<QListWidget>(&view, QStringLiteral("lstView"));
      list->item(0)->setSelected(true);
      list->item(1)->setSelected(true);
      Click(&view, "cmdOk");
    };
  }

 private:
  QFont originalFont_ = QApplication::font();
  QtMessageHandler previousHandler_ = nullptr;
};

TEST_P(FontSizesTest, EveryFrameOfTheMainWindowIsWholeAndReachableDownTo640PixelsWide) {
  for (int width : {1280, 640}) {
    window->resize(width, 800);
    for (int menu = 0; menu < Menu::kFrameCount; ++menu) {
      parts.commands.EnableMenu(menu, true);
      parts.commands.EnableFrame(menu, true);
      PressMenu(menu);
      ASSERT_TRUE(window->frame(menu)->isVisible()) << menu;
      ExpectWhole(window.get(),
                  QStringLiteral("main-window-%1-%2").arg(width).arg(window->frame(menu)->objectName()),
                  false);
      if (menu == Menu::kIdeas) Shoot(window.get(), QStringLiteral("main-window-%1").arg(width));
      PressMenu(menu);
    }
  }
}

// Each dialog and each of its pages, opened as a user opens it.
TEST_P(FontSizesTest, EveryDialogAndPageIsWhole) {
  const struct {
    const char* name;
    Command command;
    bool picksFirst;  // the selection dialog comes first
  } cases[] = {
      {"goal", Command::Goal, false},
      {"criteria-set", Command::CriteriaSet, false},
      {"criteria-rate", Command::CriteriaRate, false},
      {"criteria-view", Command::CriteriaView, false},
      {"tangibles", Command::TAssets, false},
      {"intangibles", Command::IAssets, false},
      {"autosuggest", Command::AutoSuggest, false},
      {"pair-ti", Command::PairTI, false},
      {"pair-tt", Command::PairTT, false},
      {"pair-ii", Command::PairII, false},
      {"iching", Command::IChing, false},
      {"mindstepping", Command::MindStepping, true},
      {"clustering", Command::Clustering, true},
      {"evaluation", Command::Evaluate, true},
      {"results", Command::ViewResults, false},
      {"password", Command::Password, false},
      {"preferences", Command::Preferences, false},
      {"language", Command::SetLanguage, false},
      {"about", Command::About, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const QString name = QLatin1String(c.name);
    if (c.picksFirst) platform.OnNextDialog(CheckAndPick(name + QStringLiteral("-pick")));
    platform.OnNextDialog(CheckAndClose(name));
    window->cmdButton_Click(c.command);
    EXPECT_TRUE(platform.dialogScripts.empty()) << "not shown";
    platform.dialogScripts.clear();
  }
}

TEST_P(FontSizesTest, TheIdeaListAndItsEditDialogAreWhole) {
  platform.OnNextDialog([&](QDialog& view) {
    ExpectWhole(&view, QStringLiteral("view-edit-ideas"));
    ClickRow(Find<QListWidget>(&view, QStringLiteral("lstView")), 0);
    platform.OnNextDialog(CheckAndClose(QStringLiteral("edit-idea")));
    Click(&view, "cmdEdit");
    view.close();
  });
  window->cmdButton_Click(Command::ViewEditIdeas);
}

TEST_P(FontSizesTest, TheRatePageKeepsItsSizeFromOnePairToTheNext) {
  platform.OnNextDialog([&](QDialog& criteria) {
    QApplication::processEvents();
    const QSize first = criteria.size();
    for (int comparison = 0; comparison < 2; ++comparison) {
      Click(&criteria, "cmdCriteriaRate");
      QApplication::processEvents();
      EXPECT_EQ(criteria.size(), first) << "after comparison " << comparison + 1;
      EXPECT_EQ(FaultsOf(&criteria).toStdString(), "");
    }
    criteria.close();
  });
  window->cmdButton_Click(Command::CriteriaRate);
}

INSTANTIATE_TEST_SUITE_P(Points, FontSizesTest, ::testing::Values(9, 11, 13, 16),
                         [](const ::testing::TestParamInfo<int>& info) {
                           return "Font" + std::to_string(info.param) + "pt";
                         });

}  // namespace
}  // namespace quillane::test
