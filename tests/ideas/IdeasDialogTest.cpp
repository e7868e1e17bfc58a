// The ideas dialog: the asset pages, the entry boxes and the idea meter.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include "app/DialogFixture.h"
#include "ui/HelpContexts.h"

namespace quillane::test {
namespace {

class IdeasDialogTest : public MenuOpenTest<Menu::kIdeas> {
 protected:
  // Opens MindStepping on the first idea and lets `script` work in the page.
  void MindStepping(const std::function<void(QDialog&)>& script) {
    if (program.session.nIdeas == 0) {
      program.session.nIdeas = 1;
      program.session.sIdeas[1] = QStringLiteral("first idea");
    }
    program.commands.EnableButton(Cmd::kMindStepping, true);
    platform.OnNextDialog([&](QDialog& view) {
      auto* list = Find<QListWidget>(&view, QStringLiteral("lstView"));
      list->item(0)->setSelected(true);
      Click(&view, "cmdOk");
    });
    platform.OnNextDialog(script);
    PressCommand(Cmd::kMindStepping);
  }
};

TEST_F(IdeasDialogTest, TangibleAssetsAreEditedAsACopyStoredOnOkAndKeptOnCancel) {
  for (int i = 1; i <= 3; ++i)
    program.session.sTAssets[static_cast<std::size_t>(i)] = QStringLiteral("asset %1").arg(i);
  program.session.nTAssets = 3;
  platform.OnNextDialog([&](QDialog& d) {
    TypeAndEnter(Find<QLineEdit>(&d, QStringLiteral("txtIdeasTAssets")), QStringLiteral("a bike"));
    Click(&d, "cmdCancel");
  });
  PressCommand(Cmd::kTAssets);
  EXPECT_EQ(program.session.nTAssets, 3) << "Cancel keeps the stored assets";
  EXPECT_TRUE(program.session.sTAssets[4].isEmpty());
  EXPECT_FALSE(program.session.bChanged);

  platform.OnNextDialog([&](QDialog& d) {
    EXPECT_TRUE(Find<QGroupBox>(&d, QStringLiteral("fraIdeasTAssets"))->isVisible());
    EXPECT_FALSE(Find<QGroupBox>(&d, QStringLiteral("fraIdeasMeter"))->isVisible());
    auto* box = Find<QLineEdit>(&d, QStringLiteral("txtIdeasTAssets"));
    EXPECT_TRUE(box->hasFocus());
    EXPECT_EQ(Find<QListWidget>(&d, QStringLiteral("lstIdeasTAssets"))->count(), 3);
    EXPECT_FALSE(Find<QPushButton>(&d, QStringLiteral("cmdIdeasTAssetsEdit"))->isEnabled());
    TypeAndEnter(box, QStringLiteral("a van"));
    Click(&d, "cmdOk");
  });
  PressCommand(Cmd::kTAssets);
  EXPECT_EQ(program.session.nTAssets, 4);
  EXPECT_EQ(program.session.sTAssets[4], QStringLiteral("a van"));
  EXPECT_TRUE(program.progress.done(ProgressStep::TangiblesEntered));
  EXPECT_TRUE(Command(Cmd::kPairTT)->isEnabled());
  EXPECT_FALSE(Command(Cmd::kPairTI)->isEnabled());
  EXPECT_TRUE(program.session.bChanged);
}

TEST_F(IdeasDialogTest, IntangiblesOpenThePairingOfBothKinds) {
  program.session.sTAssets[1] = QStringLiteral("van");
  program.session.sTAssets[2] = QStringLiteral("shop");
  program.session.nTAssets = 2;
  platform.OnNextDialog([&](QDialog& d) {
    Type(&d, "txtIdeasIAssets", {"good name", "loyal customers"});
    Click(&d, "cmdOk");
  });
  PressCommand(Cmd::kIAssets);
  EXPECT_TRUE(program.progress.done(ProgressStep::IntangiblesEntered));
  EXPECT_TRUE(Command(Cmd::kPairII)->isEnabled());
  EXPECT_TRUE(Command(Cmd::kPairTI)->isEnabled());
}

TEST_F(IdeasDialogTest, AnEmptyListOnOkRecordsNoStepAndClosesThePairings) {
  program.session.sTAssets[1] = QStringLiteral("van");
  program.session.sTAssets[2] = QStringLiteral("shop");
  program.session.nTAssets = 2;
  program.commands.EnableButton(Cmd::kPairTT, true);
  platform.OnNextDialog([&](QDialog& d) {
    auto* list = Find<QListWidget>(&d, QStringLiteral("lstIdeasTAssets"));
    ClickRow(list, 0);
    ClickRow(list, 1, Qt::ControlModifier);
    platform.AnswerNext(kAnswerYes);
    Click(&d, "cmdIdeasTAssetsDelete");
    Click(&d, "cmdOk");
  });
  PressCommand(Cmd::kTAssets);
  EXPECT_EQ(program.session.nTAssets, 0);
  EXPECT_TRUE(program.session.sTAssets[1].isEmpty());
  EXPECT_FALSE(program.progress.done(ProgressStep::TangiblesEntered));
  EXPECT_FALSE(Command(Cmd::kPairTT)->isEnabled());
}

TEST_F(IdeasDialogTest, EntryBoxTakesIdeasOfThreeCharactersAndTheMeterFollows) {
  MindStepping([&](QDialog& d) {
    auto* box = Find<QLineEdit>(&d, QStringLiteral("txtAddIdeas(5)"));
    auto* meter = Find<QGroupBox>(&d, QStringLiteral("fraIdeasMeter"));
    auto* bar = Find<QWidget>(&d, QStringLiteral("picIdeasMeter"));
    EXPECT_TRUE(meter->isVisible());
    EXPECT_EQ(meter->title(), QStringLiteral("1"));
    TypeAndEnter(box, QStringLiteral("ab"));
    EXPECT_EQ(box->text(), QStringLiteral("ab")) << "two characters stay in the box";
    EXPECT_EQ(program.session.nIdeas, 1);
    TypeAndEnter(box, QStringLiteral("c"));
    EXPECT_EQ(box->text(), QString());
    EXPECT_EQ(program.session.sIdeas[2], QStringLiteral("abc"));
    EXPECT_EQ(meter->title(), QStringLiteral("2"));
    EXPECT_EQ(bar->height(), 2);  // 31.35 twips
    EXPECT_EQ(bar->y() + bar->height(), 217) << "the bar grows up from a fixed bottom edge";
    Click(&d, "cmdCancel");
  });
  EXPECT_EQ(program.session.nIdeas, 2) << "Cancel keeps the ideas added";
}

TEST_F(IdeasDialogTest, AFullListEmptiesTheBoxAndAddsNothing) {
  for (int i = 1; i <= kMaxIdeas; ++i)
    program.session.sIdeas[static_cast<std::size_t>(i)] = QStringLiteral("idea %1").arg(i);
  program.session.nIdeas = kMaxIdeas;
  MindStepping([&](QDialog& d) {
    auto* bar = Find<QWidget>(&d, QStringLiteral("picIdeasMeter"));
    EXPECT_EQ(bar->y(), 8);
    EXPECT_EQ(bar->height(), 209);
    auto* box = Find<QLineEdit>(&d, QStringLiteral("txtAddIdeas(5)"));
    TypeAndEnter(box, QStringLiteral("one too many"));
    EXPECT_EQ(box->text(), QString());
    Click(&d, "cmdCancel");
  });
  EXPECT_EQ(program.session.nIdeas, kMaxIdeas);
  EXPECT_TRUE(platform.messages.empty());
}

// Before a session begins, as the I Ching command can only be reached then.
using IdeasPageTopicTest = MainWindowTest;

TEST_F(IdeasPageTopicTest, EachPageOpensItsOwnHelpTopicAndStartsInTheControlItIsWorkedFrom) {
  struct Page {
    int command;
    int topic;
    const char* firstControl;
  };
  const Page pages[] = {
      {Cmd::kTAssets, 5100, "txtIdeasTAssets"},    {Cmd::kIAssets, 5150, "txtIdeasIAssets"},
      {Cmd::kAutoSuggest, 5200, "txtAddIdeas(0)"}, {Cmd::kPairTI, 5250, "txtAddIdeas(1)"},
      {Cmd::kPairTT, 5300, "txtAddIdeas(2)"},      {Cmd::kPairII, 5350, "txtAddIdeas(3)"},
      {Cmd::kIChing, 5400, "cmdIdeasIChing"},
  };
  Session& s = program.session;
  s.sGoal = QStringLiteral("a tidier garden");
  for (std::size_t i = 1; i <= 2; ++i) {
    s.sTAssets[i] = QStringLiteral("tool %1").arg(i);
    s.sIAssets[i] = QStringLiteral("skill %1").arg(i);
  }
  s.nTAssets = 2;
  s.nIAssets = 2;
  program.commands.EnableMenu(Menu::kIdeas, true);
  program.commands.EnableFrame(Menu::kIdeas, true);
  PressMenu(Menu::kIdeas);
  std::vector<int> topics;
  for (const Page& page : pages) {
    program.commands.EnableButton(page.command, true);
    std::string focused;
    platform.OnNextDialog([&](QDialog& d) {
      const QWidget* focus = QApplication::focusWidget();
      focused = focus ? focus->objectName().toStdString() : std::string();
      Click(d, "cmdHelp");
      Click(d, "cmdCancel");
    });
    PressCommand(page.command);
    EXPECT_EQ(focused, page.firstControl) << page.topic;
    topics.push_back(page.topic);
  }
  EXPECT_EQ(platform.helpTopics, topics);
}

}  // namespace
}  // namespace quillane::test
