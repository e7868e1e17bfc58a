// A session whose every text, and whose file name, is markup, as a file
// others send can hold it: the window and every page that shows those texts
// show them as they are, never as rich text.
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QStatusBar>

#include "MainWindowFixture.h"
#include "session/Workfile.h"

namespace quillane::test {
namespace {

const QString kGoal = QStringLiteral("<h1>Goal</h1>");
const QStringList kCriteria = {QStringLiteral("<i>Cheap</i>"), QStringLiteral("<u>Quick</u>")};
const QStringList kTangibles = {QStringLiteral("<s>Van</s>"), QStringLiteral("<s>Shed</s>")};
const QStringList kIntangibles = {QStringLiteral("<em>Trust</em>"), QStringLiteral("<em>Skill</em>")};
const QStringList kIdeas = {QStringLiteral("<a href=\"https://example.com\">Click here</a>"),
                            QStringLiteral("<img src=\"x.png\">Idea"), QStringLiteral("<b>Bold</b> idea")};

// The texts of the labels of every window now shown that hold a '<'; each
// such label must show its text as plain text.
QStringList ShownMarkup() {
  QStringList texts;
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (!top->isVisible()) continue;
    for (const QLabel* label : top->findChildren<QLabel*>()) {
      if (!label->text().contains(QLatin1Char('<'))) continue;
      EXPECT_EQ(label->textFormat(), Qt::PlainText)
          << label->objectName().toStdString() << " shows " << label->text().toStdString();
      texts << label->text();
    }
  }
  return texts;
}

// Fails unless every piece in `pieces` stands in one of the shown labels.
void ExpectShown(const QStringList& pieces) {
  const QString shown = ShownMarkup().join(QLatin1Char('\n'));
  for (const QString& piece : pieces) EXPECT_TRUE(shown.contains(piece)) << piece.toStdString();
}

class MarkupTextTest : public MainWindowTest {
 protected:
  QString workfile;
  int statusBarHeight = 0;

  void SetUp() override {
    MainWindowTest::SetUp();
    statusBarHeight = window->statusBar()->sizeHint().height();
    SessionContent s;
    s.sGoal = kGoal;
    Fill(s.sCriteria, s.nCriteria, kCriteria);
    s.sngWeight[1] = 9.0f;
    s.sngWeight[2] = 4.5f;
    Fill(s.sTAssets, s.nTAssets, kTangibles);
    Fill(s.sIAssets, s.nIAssets, kIntangibles);
    Fill(s.sIdeas, s.nIdeas, kIdeas);
    PutContent(parts.document, s);
    // A file named "<h1>Big</h1>.qln": its slash makes a folder of the first part.
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("<h1>Big<")));
    workfile = folder.filePath(QStringLiteral("<h1>Big</h1>.qln"));
    platform.ChooseFile(workfile);
    ASSERT_EQ(SaveWorkfile(parts.document, parts.states.evaluation, parts.prompter, parts.platform,
                           parts.status, parts.constants, parts.fileWork, SaveMode::kSaveAs),
              FileOutcome::Done);

    // The user opens the file as it came.
    PressMenu(Menu::kStart);
    platform.ChooseFile(workfile);
    PressCommand(Command::OpenSession);
    ASSERT_EQ(parts.document.content().sGoal, kGoal);
  }

  // Runs `command` from `menu`; `pick` chooses the ideas at these rows first
  // where the command asks for them. The page it opens must show `pieces`.
  void ExpectPageShows(int menu, Command command, const QStringList& pieces, const char* close,
                       const std::vector<int>& pick = {}) {
    SCOPED_TRACE(IndexOf(command));
    if (!pick.empty()) {
      platform.OnNextDialog([pick](QDialog& view) {
        ShownMarkup();
        auto* list = Find<QListWidget>(&view, QStringLiteral("lstView"));
        for (int row : pick) list->item(row)->setSelected(true);
        Click(&view, "cmdOk");
      });
    }
    platform.OnNextDialog([&](QDialog& page) {
      ExpectShown(pieces);
      Click(&page, close);
    });
    PressMenu(menu);
    PressCommand(command);
  }
};

TEST_F(MarkupTextTest, TheStatusBarNamesTheFileInPlainTextAndKeepsItsHeight) {
  WaitForBusyBar(parts.status);
  ExpectShown({QDir::toNativeSeparators(workfile)});
  EXPECT_EQ(window->statusBar()->sizeHint().height(), statusBarHeight);
}

TEST_F(MarkupTextTest, EveryPageShowsTheSessionsTextsInPlainText) {
  ExpectPageShows(Menu::kCriteria, Command::CriteriaSet, {kGoal}, "cmdCancel");
  ExpectPageShows(Menu::kCriteria, Command::CriteriaRate, {kGoal, kCriteria[0], kCriteria[1]}, "cmdCancel");
  ExpectPageShows(Menu::kCriteria, Command::CriteriaView, {kGoal}, "cmdOk");
  ExpectPageShows(Menu::kIdeas, Command::AutoSuggest, {kGoal}, "cmdCancel");
  ExpectPageShows(Menu::kIdeas, Command::PairTI, {kGoal, QStringLiteral("<s>"), QStringLiteral("<em>")},
                  "cmdCancel");
  ExpectPageShows(Menu::kIdeas, Command::PairTT, {kGoal, kTangibles[0], kTangibles[1]}, "cmdCancel");
  ExpectPageShows(Menu::kIdeas, Command::PairII, {kGoal, kIntangibles[0], kIntangibles[1]}, "cmdCancel");
  ExpectPageShows(Menu::kIdeas, Command::IChing, {kGoal}, "cmdCancel");
  ExpectPageShows(Menu::kIdeas, Command::MindStepping, {kGoal, kIdeas[0]}, "cmdCancel", {0});
  ExpectPageShows(Menu::kIdeas, Command::Clustering, {kGoal}, "cmdCancel", {0, 1, 2});
  ExpectPageShows(Menu::kIdeas, Command::Evaluate, {kGoal, kIdeas[1], kCriteria[0]}, "cmdCancel", {1, 2});
}

}  // namespace
}  // namespace quillane::test
