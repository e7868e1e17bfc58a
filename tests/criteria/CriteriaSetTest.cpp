// The Set page of the criteria dialog: the list editor and what OK stores.
#include "criteria/CriteriaDialogFixture.h"

namespace quillane::test {
namespace {

class CriteriaSetTest : public CriteriaDialogTest {
 protected:
  // Opens the Set page and lets `script` work its list editor.
  void Set(const std::function<void(QDialog&)>& script) {
    Open(Command::CriteriaSet, [&](QDialog& dialog) {
      text = Find<QLineEdit>(&dialog, "txtCriteriaSet");
      list = Find<QListWidget>(&dialog, "lstCriteriaSet");
      add = Find<QPushButton>(&dialog, "cmdAdd");
      edit = Find<QPushButton>(&dialog, "cmdEdit");
      del = Find<QPushButton>(&dialog, "cmdDelete");
      script(dialog);
    });
  }
  QStringList Entries() const {
    QStringList entries;
    for (int i = 0; i < list->count(); ++i) entries << list->item(i)->text();
    return entries;
  }

  QLineEdit* text = nullptr;
  QListWidget* list = nullptr;
  QPushButton *add = nullptr, *edit = nullptr, *del = nullptr;
};

TEST_F(CriteriaSetTest, AddAppendsByButtonAndByEnterAndEmptyTextAddsNothing) {
  Set([&](QDialog& dialog) {
    QTest::keyClicks(text, QStringLiteral("Cost"));
    EXPECT_TRUE(add->isEnabled());
    QTest::mouseClick(add, Qt::LeftButton);
    EXPECT_EQ(text->text(), QString());
    EXPECT_FALSE(add->isEnabled());
    EXPECT_TRUE(text->hasFocus());
    // No entry is current after an append, so there is nothing to edit yet.
    EXPECT_FALSE(edit->isEnabled());
    QTest::keyClick(text, Qt::Key_Return);  // Add disabled: nothing happens
    TypeAndEnter(text, QStringLiteral("Speed"));
    EXPECT_TRUE(dialog.isVisible()) << "Enter must not close the dialog";
    EXPECT_EQ(Entries(), (QStringList{"Cost", "Speed"}));
    Click(dialog, "cmdOk");
  });
  EXPECT_EQ(StoredCriteria(), (QStringList{"Cost", "Speed"}));
  EXPECT_TRUE(parts.progress.done(ProgressStep::CriteriaSet));
  EXPECT_TRUE(parts.commands.enabled(Command::CriteriaRate));
  EXPECT_TRUE(parts.document.isModified());
}

TEST_F(CriteriaSetTest, EditStoresInPlaceByButtonAndByDoubleClick) {
  SetCriteria({"a", "b", "c"});
  Set([&](QDialog& dialog) {
    ClickRow(list, 1);
    EXPECT_TRUE(edit->isEnabled());
    EXPECT_TRUE(del->isEnabled());
    QTest::mouseClick(edit, Qt::LeftButton);
    EXPECT_EQ(text->text(), QStringLiteral("b"));
    EXPECT_TRUE(text->hasFocus());
    TypeAndEnter(text, QStringLiteral("ee"));
    EXPECT_EQ(Entries(), (QStringList{"a", "bee", "c"}));

    DoubleClickRow(list, 2);
    EXPECT_EQ(text->text(), QStringLiteral("c"));
    text->setText(QStringLiteral("sea"));
    QTest::mouseClick(add, Qt::LeftButton);
    EXPECT_EQ(Entries(), (QStringList{"a", "bee", "sea"}));
    Click(dialog, "cmdOk");
  });
  EXPECT_EQ(StoredCriteria(), (QStringList{"a", "bee", "sea"}));
}

TEST_F(CriteriaSetTest, AClickInTheListAbandonsTheEditAndEscapeCancelsWithoutStoring) {
  SetCriteria({"a", "b", "c"});
  Set([&](QDialog&) {
    ClickRow(list, 0);
    QTest::mouseClick(edit, Qt::LeftButton);
    QTest::keyClicks(text, QStringLiteral("ardvark"));
    ClickRow(list, 2);
    EXPECT_EQ(text->text(), QString());
    EXPECT_FALSE(add->isEnabled());
    TypeAndEnter(text, QStringLiteral("d"));
    EXPECT_EQ(Entries(), (QStringList{"a", "b", "c", "d"}));
    platform.AnswerNext(Answer::Yes);       // the changed list is let go
    QTest::keyClick(text, Qt::Key_Escape);  // cancels, as Cancel does (CriteriaRateTest)
  });
  EXPECT_EQ(StoredCriteria(), (QStringList{"a", "b", "c"}));
  EXPECT_FALSE(parts.document.isModified());
  EXPECT_FALSE(parts.progress.done(ProgressStep::CriteriaSet));
}

TEST_F(CriteriaSetTest, DeleteRemovesTheCtrlSelectedEntriesAfterAsking) {
  SetCriteria({"1", "2", "3", "4", "5"});
  Set([&](QDialog& dialog) {
    ClickRow(list, 1);
    ClickRow(list, 2, Qt::ControlModifier);
    platform.AnswerNext(Answer::No);
    QTest::mouseClick(del, Qt::LeftButton);
    EXPECT_EQ(Entries(), (QStringList{"1", "2", "3", "4", "5"})) << "No changes nothing";
    EXPECT_TRUE(dialog.isVisible());
    platform.AnswerNext(Answer::Yes);
    QTest::mouseClick(del, Qt::LeftButton);
    EXPECT_EQ(Entries(), (QStringList{"1", "4", "5"}));
    // Entries remain, so Edit stays usable though none is current: it takes
    // an empty text, and what is typed then is kept as a new entry.
    EXPECT_TRUE(edit->isEnabled());
    QTest::mouseClick(edit, Qt::LeftButton);
    EXPECT_EQ(text->text(), QString());
    TypeAndEnter(text, QStringLiteral("6"));
    EXPECT_EQ(Entries(), (QStringList{"1", "4", "5", "6"}));
    Click(dialog, "cmdOk");
  });
  ASSERT_EQ(platform.messages.size(), 2u);
  EXPECT_EQ(platform.messages[1].flags, 4 + 32 + 256);
  EXPECT_EQ(StoredCriteria(), (QStringList{"1", "4", "5", "6"}));
  EXPECT_EQ(Content().sCriteria[5], QString());
}

TEST_F(CriteriaSetTest, AFullListTakesNoHundredAndFirstButAnEntryCanStillBeEdited) {
  SetCriteria(Numbered(QStringLiteral("%1"), kMaxCriteria));
  Set([&](QDialog& dialog) {
    QTest::keyClicks(text, QStringLiteral("one more"));
    EXPECT_FALSE(add->isEnabled());
    QTest::keyClick(text, Qt::Key_Return);
    EXPECT_EQ(list->count(), kMaxCriteria);
    EXPECT_EQ(text->text(), QStringLiteral("one more")) << "a refused Enter leaves the text";

    list->scrollToItem(list->item(4));
    ClickRow(list, 4);
    QTest::mouseClick(edit, Qt::LeftButton);
    EXPECT_TRUE(add->isEnabled());
    TypeAndEnter(text, QStringLiteral("!"));
    EXPECT_EQ(list->count(), kMaxCriteria);
    EXPECT_EQ(list->item(4)->text(), QStringLiteral("5!"));
    Click(dialog, "cmdOk");
  });
  EXPECT_EQ(Content().nCriteria, kMaxCriteria);
  EXPECT_EQ(Content().sCriteria[5], QStringLiteral("5!"));
}

TEST_F(CriteriaSetTest, OkWithAnEmptyListClearsTheCriteriaAndDisablesRateAndView) {
  SetCriteria({"old 1", "old 2"});
  parts.commands.EnableButton(Command::CriteriaRate, true);
  parts.commands.EnableButton(Command::CriteriaView, true);
  Set([&](QDialog& dialog) {
    ClickRow(list, 0);
    ClickRow(list, 1, Qt::ShiftModifier);
    platform.AnswerNext(Answer::Yes);
    QTest::mouseClick(del, Qt::LeftButton);
    EXPECT_FALSE(edit->isEnabled());
    EXPECT_FALSE(del->isEnabled());
    Click(dialog, "cmdOk");
  });
  EXPECT_EQ(Content().nCriteria, 0);
  EXPECT_EQ(Texts(Content().sCriteria, 2), QStringList(2, QString()));
  EXPECT_FALSE(parts.progress.done(ProgressStep::CriteriaSet));
  EXPECT_FALSE(parts.commands.enabled(Command::CriteriaRate));
  EXPECT_FALSE(parts.commands.enabled(Command::CriteriaView));
  EXPECT_TRUE(parts.document.isModified());
}

TEST_F(CriteriaSetTest, AnotherProgramFormBecomingActiveConfirmsTheDialog) {
  Set([&](QDialog& dialog) {
    TypeAndEnter(text, QStringLiteral("Cost"));
    // A window that is not one of the program's forms, like a message box,
    // leaves the dialog open.
    QDialog foreign(&dialog);
    foreign.show();
    foreign.activateWindow();
    QApplication::processEvents();
    EXPECT_TRUE(dialog.isVisible());
    foreign.hide();
    dialog.activateWindow();
    QApplication::processEvents();

    QDialog own(&dialog);
    own.setProperty("quillaneForm", true);
    own.show();
    own.activateWindow();
    QApplication::processEvents();
    EXPECT_FALSE(dialog.isVisible());
  });
  EXPECT_EQ(StoredCriteria(), QStringList{"Cost"});
  EXPECT_TRUE(parts.document.isModified());
}

}  // namespace
}  // namespace quillane::test
