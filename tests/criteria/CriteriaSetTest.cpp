// The Set page of the criteria dialog: the list editor and what OK stores.
#include "criteria/CriteriaDialogFixture.h"

namespace quillane::test {
namespace {

class CriteriaSetTest : public CriteriaDialogTest {
 protected:
  struct Page {
    QDialog& dialog;
    QLineEdit* text;
    QListWidget* list;
    QPushButton* add;
    QPushButton* edit;
    QPushButton* del;
  };

  void Set(const std::function<void(Page&)>& script) {
    Open(Command::CriteriaSet, [&](QDialog& dialog) {
      Page page{dialog,
                Find<QLineEdit>(&dialog, QStringLiteral("txtCriteriaSet")),
                Find<QListWidget>(&dialog, QStringLiteral("lstCriteriaSet")),
                Button(dialog, "cmdAdd"),
                Button(dialog, "cmdEdit"),
                Button(dialog, "cmdDelete")};
      script(page);
    });
  }

  static QStringList Entries(const QListWidget* list) {
    QStringList entries;
    for (int i = 0; i < list->count(); ++i) entries << list->item(i)->text();
    return entries;
  }
};

TEST_F(CriteriaSetTest, AddAppendsByButtonAndByEnterAndEmptyTextAddsNothing) {
  Set([&](Page& p) {
    QTest::keyClicks(p.text, QStringLiteral("Cost"));
    EXPECT_TRUE(p.add->isEnabled());
    QTest::mouseClick(p.add, Qt::LeftButton);
    EXPECT_EQ(p.text->text(), QString());
    EXPECT_FALSE(p.add->isEnabled());
    EXPECT_TRUE(p.text->hasFocus());
    // No entry is current after an append, so there is nothing to edit yet.
    EXPECT_FALSE(p.edit->isEnabled());
    QTest::keyClick(p.text, Qt::Key_Return);  // Add disabled: nothing happens
    TypeAndEnter(p.text, QStringLiteral("Speed"));
    EXPECT_TRUE(p.dialog.isVisible()) << "Enter must not close the dialog";
    EXPECT_EQ(Entries(p.list), (QStringList{"Cost", "Speed"}));
    Click(p.dialog, "cmdOk");
  });
  EXPECT_EQ(StoredCriteria(), (QStringList{"Cost", "Speed"}));
  EXPECT_TRUE(parts.progress.done(ProgressStep::CriteriaSet));
  EXPECT_TRUE(parts.commands.enabled(Command::CriteriaRate));
  EXPECT_TRUE(parts.document.isModified());
}

TEST_F(CriteriaSetTest, EditStoresInPlaceByButtonAndByDoubleClick) {
  SetCriteria({"a", "b", "c"});
  Set([&](Page& p) {
    ClickRow(p.list, 1);
    EXPECT_TRUE(p.edit->isEnabled());
    EXPECT_TRUE(p.del->isEnabled());
    QTest::mouseClick(p.edit, Qt::LeftButton);
    EXPECT_EQ(p.text->text(), QStringLiteral("b"));
    EXPECT_TRUE(p.text->hasFocus());
    TypeAndEnter(p.text, QStringLiteral("ee"));
    EXPECT_EQ(Entries(p.list), (QStringList{"a", "bee", "c"}));

    DoubleClickRow(p.list, 2);
    EXPECT_EQ(p.text->text(), QStringLiteral("c"));
    p.text->setText(QStringLiteral("sea"));
    QTest::mouseClick(p.add, Qt::LeftButton);
    EXPECT_EQ(Entries(p.list), (QStringList{"a", "bee", "sea"}));
    Click(p.dialog, "cmdOk");
  });
  EXPECT_EQ(StoredCriteria(), (QStringList{"a", "bee", "sea"}));
}

TEST_F(CriteriaSetTest, AClickInTheListAbandonsTheEditAndEscapeCancelsWithoutStoring) {
  SetCriteria({"a", "b", "c"});
  Set([&](Page& p) {
    ClickRow(p.list, 0);
    QTest::mouseClick(p.edit, Qt::LeftButton);
    QTest::keyClicks(p.text, QStringLiteral("ardvark"));
    ClickRow(p.list, 2);
    EXPECT_EQ(p.text->text(), QString());
    EXPECT_FALSE(p.add->isEnabled());
    TypeAndEnter(p.text, QStringLiteral("d"));
    EXPECT_EQ(Entries(p.list), (QStringList{"a", "b", "c", "d"}));
    QTest::keyClick(p.text, Qt::Key_Escape);  // cancels, as Cancel does (CriteriaRateTest)
  });
  EXPECT_EQ(StoredCriteria(), (QStringList{"a", "b", "c"}));
  EXPECT_FALSE(parts.document.isModified());
  EXPECT_FALSE(parts.progress.done(ProgressStep::CriteriaSet));
}

TEST_F(CriteriaSetTest, DeleteRemovesTheCtrlSelectedEntriesAfterAsking) {
  SetCriteria({"1", "2", "3", "4", "5"});
  Set([&](Page& p) {
    ClickRow(p.list, 1);
    ClickRow(p.list, 2, Qt::ControlModifier);
    platform.AnswerNext(Answer::No);
    QTest::mouseClick(p.del, Qt::LeftButton);
    EXPECT_EQ(Entries(p.list), (QStringList{"1", "2", "3", "4", "5"})) << "No changes nothing";
    EXPECT_TRUE(p.dialog.isVisible());
    platform.AnswerNext(Answer::Yes);
    QTest::mouseClick(p.del, Qt::LeftButton);
    EXPECT_EQ(Entries(p.list), (QStringList{"1", "4", "5"}));
    // Entries remain, so Edit stays usable though none is current: it takes
    // an empty text, and what is typed then is kept as a new entry.
    EXPECT_TRUE(p.edit->isEnabled());
    QTest::mouseClick(p.edit, Qt::LeftButton);
    EXPECT_EQ(p.text->text(), QString());
    TypeAndEnter(p.text, QStringLiteral("6"));
    EXPECT_EQ(Entries(p.list), (QStringList{"1", "4", "5", "6"}));
    Click(p.dialog, "cmdOk");
  });
  ASSERT_EQ(platform.messages.size(), 2u);
  EXPECT_EQ(platform.messages[1].text, QStringLiteral("Do you really want to delete this item?"));
  EXPECT_EQ(platform.messages[1].flags, 4 + 32 + 256);
  EXPECT_EQ(platform.messages[1].title, parts.constants.sTitle);
  EXPECT_EQ(StoredCriteria(), (QStringList{"1", "4", "5", "6"}));
  EXPECT_EQ(Content().sCriteria[5], QString());
}

TEST_F(CriteriaSetTest, AFullListTakesNoHundredAndFirstButAnEntryCanStillBeEdited) {
  QStringList hundred;
  for (int i = 1; i <= kMaxCriteria; ++i) hundred << QString::number(i);
  SetCriteria(hundred);
  Set([&](Page& p) {
    QTest::keyClicks(p.text, QStringLiteral("one more"));
    EXPECT_FALSE(p.add->isEnabled());
    QTest::keyClick(p.text, Qt::Key_Return);
    EXPECT_EQ(p.list->count(), kMaxCriteria);
    EXPECT_EQ(p.text->text(), QStringLiteral("one more")) << "a refused Enter leaves the text";

    p.list->scrollToItem(p.list->item(4));
    ClickRow(p.list, 4);
    QTest::mouseClick(p.edit, Qt::LeftButton);
    EXPECT_TRUE(p.add->isEnabled());
    TypeAndEnter(p.text, QStringLiteral("!"));
    EXPECT_EQ(p.list->count(), kMaxCriteria);
    EXPECT_EQ(p.list->item(4)->text(), QStringLiteral("5!"));
    Click(p.dialog, "cmdOk");
  });
  EXPECT_EQ(Content().nCriteria, kMaxCriteria);
  EXPECT_EQ(Content().sCriteria[5], QStringLiteral("5!"));
}

TEST_F(CriteriaSetTest, OkWithAnEmptyListClearsTheCriteriaAndDisablesRateAndView) {
  SetCriteria({"old 1", "old 2"});
  parts.commands.EnableButton(Command::CriteriaRate, true);
  parts.commands.EnableButton(Command::CriteriaView, true);
  Set([&](Page& p) {
    ClickRow(p.list, 0);
    ClickRow(p.list, 1, Qt::ShiftModifier);
    platform.AnswerNext(Answer::Yes);
    QTest::mouseClick(p.del, Qt::LeftButton);
    EXPECT_FALSE(p.edit->isEnabled());
    EXPECT_FALSE(p.del->isEnabled());
    Click(p.dialog, "cmdOk");
  });
  EXPECT_EQ(Content().nCriteria, 0);
  EXPECT_EQ(Content().sCriteria[1], QString());
  EXPECT_EQ(Content().sCriteria[2], QString());
  EXPECT_FALSE(parts.progress.done(ProgressStep::CriteriaSet));
  EXPECT_FALSE(parts.commands.enabled(Command::CriteriaRate));
  EXPECT_FALSE(parts.commands.enabled(Command::CriteriaView));
  EXPECT_TRUE(parts.document.isModified());
}

TEST_F(CriteriaSetTest, AnotherProgramFormBecomingActiveConfirmsTheDialog) {
  Set([&](Page& p) {
    TypeAndEnter(p.text, QStringLiteral("Cost"));
    // A window that is not one of the program's forms, like a message box,
    // leaves the dialog open.
    QDialog foreign(&p.dialog);
    foreign.show();
    foreign.activateWindow();
    QApplication::processEvents();
    EXPECT_TRUE(p.dialog.isVisible());
    foreign.hide();
    p.dialog.activateWindow();
    QApplication::processEvents();

    QDialog own(&p.dialog);
    own.setProperty("quillaneForm", true);
    own.show();
    own.activateWindow();
    QApplication::processEvents();
    EXPECT_FALSE(p.dialog.isVisible());
  });
  EXPECT_EQ(StoredCriteria(), QStringList{"Cost"});
  EXPECT_TRUE(parts.document.isModified());
}

}  // namespace
}  // namespace quillane::test
