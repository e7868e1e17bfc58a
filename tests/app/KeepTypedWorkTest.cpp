// Typed work survives: a milestone's encouragement takes no key, and a
// dialog with changes asks before Cancel, Escape or the close box throws
// them away.
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include "MainWindowFixture.h"
#include "ideas/IdeaList.h"
#include "resources/Texts.h"

namespace quillane::test {
namespace {

class KeepTypedWorkTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    StartNewSession();
    Seed(parts.document, [](SessionContent& s) { s.sGoal = QStringLiteral("Shorter meetings"); });
  }
};

TEST_F(KeepTypedWorkTest, TypingStraightOnPastTheTenthIdeaLosesNoKey) {
  PressMenu(Menu::kIdeas);
  QString shown;
  platform.OnNextDialog([&](QDialog& ideas) {
    auto* box = Find<QLineEdit>(&ideas, QStringLiteral("txtAddIdeas(0)"));
    for (int i = 1; i <= 10; ++i) TypeAndEnter(box, QStringLiteral("Idea number %1").arg(i));
    // The next sentence follows at once, as a fast typist goes on.
    QTest::keyClicks(box, QStringLiteral("Parking lot for off-topic items"));
    EXPECT_EQ(box->text(), QStringLiteral("Parking lot for off-topic items"));
    QTest::keyClick(box, Qt::Key_Return);
    shown = Find<QLabel>(&ideas, QStringLiteral("lblIdeasEncouragement"))->text();
    Click(ideas, "cmdOk");
  });
  PressCommand(Command::AutoSuggest);
  const SessionContent& s = parts.document.content();
  ASSERT_EQ(s.nIdeas, 11);
  EXPECT_EQ(s.sIdeas[11], QStringLiteral("Parking lot for off-topic items"));
  EXPECT_TRUE(platform.messages.empty()) << "no box takes the keyboard";
  EXPECT_EQ(shown, EncouragementFor(parts.constants.sUserFirstName, 10));
}

// Each dialog that holds typed work: how to open it and how to change it.
struct Changeable {
  const char* what;
  int menu;
  Command command;
  std::function<void(QDialog&)> change;
  std::function<bool(const SessionContent&)> unchanged;
};

TEST_F(KeepTypedWorkTest, CancelEscapeAndTheCloseBoxAskBeforeThrowingChangesAway) {
  Seed(parts.document, [](SessionContent& s) { Fill(s.sCriteria, s.nCriteria, {"Cost"}); });
  const QString settingsBefore = QString::fromLatin1(ReadFileBytes(parts.settingsPath));
  const Changeable dialogs[] = {
      {"goal", Menu::kStart, Command::Goal,
       [](QDialog& d) {
         QTest::keyClicks(Find<QLineEdit>(&d, QStringLiteral("txtGoal")), QStringLiteral("!"));
       },
       [](const SessionContent& s) { return s.sGoal == QStringLiteral("Shorter meetings"); }},
      {"criteria", Menu::kCriteria, Command::CriteriaSet,
       [](QDialog& d) {
         TypeAndEnter(Find<QLineEdit>(&d, QStringLiteral("txtCriteriaSet")), QStringLiteral("Fun"));
       },
       [](const SessionContent& s) { return s.nCriteria == 1; }},
      {"tangible assets", Menu::kIdeas, Command::TAssets,
       [](QDialog& d) {
         TypeAndEnter(Find<QLineEdit>(&d, QStringLiteral("txtIdeasTAssets")), QStringLiteral("Van"));
       },
       [](const SessionContent& s) { return s.nTAssets == 0; }},
      {"password", Menu::kOptions, Command::Password,
       [](QDialog& d) {
         QTest::keyClicks(Find<QLineEdit>(&d, QStringLiteral("txtPassword")), QStringLiteral("K"));
       },
       [](const SessionContent& s) { return !s.bPassword; }},
      {"preferences", Menu::kOptions, Command::Preferences,
       [](QDialog& d) { Find<QCheckBox>(&d, QStringLiteral("chkAutoBackup"))->click(); },
       [](const SessionContent&) { return true; }},
  };
  const auto closings = std::vector<std::pair<const char*, std::function<void(QDialog&)>>>{
      {"Cancel", [](QDialog& d) { Click(d, "cmdCancel"); }},
      {"Escape", [](QDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); }},
      {"close box", [](QDialog& d) { d.close(); }},
  };
  for (const Changeable& c : dialogs) {
    for (const auto& [way, closing] : closings) {
      SCOPED_TRACE(std::string(c.what) + ", " + way);
      platform.messages.clear();
      if (!window->frame(c.menu)->isVisible()) PressMenu(c.menu);
      platform.OnNextDialog([&, closing = closing](QDialog& d) {
        closing(d);
        EXPECT_FALSE(d.isVisible()) << "nothing changed: it closes at once";
      });
      PressCommand(c.command);
      EXPECT_TRUE(platform.messages.empty());

      platform.AnswerNext(Answer::No);
      platform.AnswerNext(Answer::Yes);
      platform.OnNextDialog([&, closing = closing](QDialog& d) {
        c.change(d);
        closing(d);
        EXPECT_TRUE(d.isVisible()) << "No keeps the dialog and the change";
        closing(d);
        EXPECT_FALSE(d.isVisible());
      });
      PressCommand(c.command);
      ASSERT_EQ(platform.messages.size(), 2u);
      EXPECT_EQ(platform.messages[0].text, Text(3122));
      EXPECT_EQ(platform.messages[0].flags,
                (MsgButtons::YesNo + MsgIcon::Question + MsgDefault::Second).code());
      EXPECT_TRUE(c.unchanged(parts.document.content()));
      EXPECT_FALSE(parts.document.isModified());
    }
  }
  EXPECT_FALSE(parts.autoBackupTimer.enabled()) << "the preferences were let go";
  EXPECT_EQ(QString::fromLatin1(ReadFileBytes(parts.settingsPath)), settingsBefore);
}

TEST_F(KeepTypedWorkTest, AnEditedIdeaAsksBeforeTheEditIsLetGo) {
  Seed(parts.document, [](SessionContent& s) { Fill(s.sIdeas, s.nIdeas, {"Walk and talk"}); });
  PressMenu(Menu::kIdeas);
  platform.AnswerNext(Answer::No);
  platform.AnswerNext(Answer::Yes);
  platform.OnNextDialog([&](QDialog& view) {
    ClickRow(Find<QListWidget>(&view, QStringLiteral("lstView")), 0);
    platform.OnNextDialog([](QDialog& edit) {
      QTest::keyClicks(Find<QLineEdit>(&edit, QStringLiteral("txtAddIdea")), QStringLiteral(" outside"));
      QTest::keyClick(&edit, Qt::Key_Escape);
      EXPECT_TRUE(edit.isVisible());
      QTest::keyClick(&edit, Qt::Key_Escape);
      EXPECT_FALSE(edit.isVisible());
    });
    Click(view, "cmdEdit");
    Click(view, "cmdOk");
  });
  PressCommand(Command::ViewEditIdeas);
  EXPECT_EQ(platform.messages.size(), 2u);
  EXPECT_EQ(parts.document.content().sIdeas[1], QStringLiteral("Walk and talk"));
}

TEST_F(KeepTypedWorkTest, TheDeleteKeyDeletesAndCtrlZBringsTheDeletedBack) {
  Seed(parts.document, [](SessionContent& s) {
    Fill(s.sCriteria, s.nCriteria, {"Cost", "Speed", "Fun"});
    Fill(s.sIdeas, s.nIdeas, {"Walk and talk", "Stand-up only", "No laptops"});
  });
  PressMenu(Menu::kCriteria);
  platform.AnswerNext(Answer::Yes);  // delete the selected entry?
  platform.OnNextDialog([](QDialog& d) {
    auto* list = Find<QListWidget>(&d, QStringLiteral("lstCriteriaSet"));
    ClickRow(list, 1);
    QTest::keyClick(list, Qt::Key_Delete);
    EXPECT_EQ(list->count(), 2);
    QTest::keyClick(list, Qt::Key_Z, Qt::ControlModifier);
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(1)->text(), QStringLiteral("Speed")) << "back in its place";
    Click(d, "cmdOk");
  });
  PressCommand(Command::CriteriaSet);
  EXPECT_EQ(parts.document.content().sCriteria[2], QStringLiteral("Speed"));

  PressMenu(Menu::kIdeas);
  platform.AnswerNext(Answer::Yes);  // delete the selected ideas?
  platform.AnswerNext(Answer::Yes);  // for good?
  platform.OnNextDialog([&](QDialog& view) {
    auto* list = Find<QListWidget>(&view, QStringLiteral("lstView"));
    ClickRow(list, 0);
    QTest::keyClick(list, Qt::Key_Delete);
    EXPECT_EQ(parts.document.content().nIdeas, 2);
    QTest::keyClick(list, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(parts.document.content().nIdeas, 3);
    EXPECT_EQ(parts.document.content().sIdeas[1], QStringLiteral("Walk and talk"));
    Click(view, "cmdOk");
  });
  PressCommand(Command::ViewEditIdeas);
  EXPECT_EQ(platform.messages.size(), 3u);
}

TEST_F(KeepTypedWorkTest, APastedListAddsEachLineUpToTheListsCapacity) {
  QGuiApplication::clipboard()->setText(QStringLiteral("Cost\n\tSpeed \r\n\nFun\r"));
  PressMenu(Menu::kCriteria);
  platform.OnNextDialog([](QDialog& d) {
    auto* box = Find<QLineEdit>(&d, QStringLiteral("txtCriteriaSet"));
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box->text(), QString());
    Click(d, "cmdOk");
  });
  PressCommand(Command::CriteriaSet);
  const SessionContent& s = parts.document.content();
  ASSERT_EQ(s.nCriteria, 3);
  EXPECT_EQ((QStringList{s.sCriteria[1], s.sCriteria[2], s.sCriteria[3]}),
            (QStringList{"Cost", "Speed", "Fun"}));

  Seed(parts.document,
       [](SessionContent& c) { Fill(c.sIdeas, c.nIdeas, Numbered("Idea %1", kMaxIdeas - 1)); });
  QGuiApplication::clipboard()->setText(QStringLiteral("The last one\nab\nOne too many\n"));
  platform.AnswerNext(Answer::Ok);
  PressMenu(Menu::kIdeas);
  platform.OnNextDialog([](QDialog& d) {
    QTest::keyClick(Find<QLineEdit>(&d, QStringLiteral("txtAddIdeas(0)")), Qt::Key_V, Qt::ControlModifier);
    Click(d, "cmdOk");
  });
  PressCommand(Command::AutoSuggest);
  ASSERT_EQ(s.nIdeas, kMaxIdeas);
  EXPECT_EQ(s.sIdeas[kMaxIdeas], QStringLiteral("The last one"));
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_TRUE(platform.messages[0].text.startsWith(QStringLiteral("1 of the 3 pasted lines were added.")));
}

}  // namespace
}  // namespace quillane::test
