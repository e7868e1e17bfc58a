// The preferences dialog, driven through its widgets.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <functional>

#include "session/AutoBackup.h"
#include "settings/widgets/frmPreferences.h"
#include "support/Parts.h"
#include "support/ScriptedPlatform.h"
#include "support/Widgets.h"

namespace quillane::test {
namespace {

class PreferencesTest : public ::testing::Test {
 protected:
  // Backup every five minutes, with a viewer that exists.
  PreferencesTest() {
    parts->settings = {.nAutoBackup = 1, .nAutoBackupTime = 5, .sTextEditor = editor};
    parts->autoBackupTimer.SetEnabled(true);
  }
  void TearDown() override {
    EXPECT_TRUE(platform.answers.empty()) << "scripted answers left unused";
    EXPECT_TRUE(platform.dialogScripts.empty()) << "scripted dialogs never shown";
  }

  void Preferences(const std::function<void(QDialog&)>& script) {
    platform.OnNextDialog(script);
    ShowPreferencesDialog(parts->help(), parts->settings, parts->autoBackupTimer, backup, parts->prompter,
                          nullptr);
  }

  QString editor = QStringLiteral(QUILLANE_SOURCE_DIR "/app/main.cpp");  // any file that exists
  ScriptedPlatform platform;
  std::unique_ptr<MainParts> parts = MakeParts(platform);
  AutoBackup backup{parts->document, parts->states.evaluation, parts->settings, parts->constants, platform,
                    parts->status,   parts->autoBackupTimer,   parts->fileWork, parts->dataFolder};
};

TEST_F(PreferencesTest, OpensWithTheSettingsAndKeepsTheIntervalBetweenOneAndThirty) {
  Preferences([&](QDialog& d) {
    auto* minutes = Find<QLineEdit>(&d, QStringLiteral("txtAutoBackup"));
    EXPECT_TRUE(Find<QCheckBox>(&d, QStringLiteral("chkAutoBackup"))->isChecked());
    EXPECT_EQ(minutes->text(), QStringLiteral("5"));
    EXPECT_EQ(Find<QLineEdit>(&d, QStringLiteral("txtNotepad"))->text(), editor);
    minutes->clear();
    EXPECT_EQ(minutes->text(), QStringLiteral("1")) << "no digits gives 1";
    minutes->selectAll();
    QTest::keyClicks(minutes, QStringLiteral("4x5"));
    EXPECT_EQ(minutes->text(), QStringLiteral("30")) << "45 gives 30, the x is discarded";
    // The spin bar: towards 1 lowers, towards -1 raises, and it rests at 0.
    auto* spin = Find<QScrollBar>(&d, QStringLiteral("vsbAutoBackup"));
    spin->setValue(1);
    EXPECT_EQ(minutes->text(), QStringLiteral("29"));
    EXPECT_EQ(spin->value(), 0);
    spin->setValue(-1);
    spin->setValue(-1);
    EXPECT_EQ(minutes->text(), QStringLiteral("30"));
    Click(d, "cmdOk");
  });
  EXPECT_EQ(parts->settings.nAutoBackupTime, 30);
}

TEST_F(PreferencesTest, TheMinutesBoxTakesTheEditingKeysAndEscapeCancels) {
  Preferences([&](QDialog& d) {
    auto* minutes = Find<QLineEdit>(&d, QStringLiteral("txtAutoBackup"));
    minutes->setFocus();
    minutes->setText(QStringLiteral("12"));
    QTest::keyClick(minutes, Qt::Key_Home);
    EXPECT_EQ(minutes->cursorPosition(), 0);
    QTest::keyClick(minutes, Qt::Key_Right);
    EXPECT_EQ(minutes->cursorPosition(), 1);
    QTest::keyClick(minutes, Qt::Key_Delete);
    EXPECT_EQ(minutes->text(), QStringLiteral("1"));
    QTest::keyClick(minutes, Qt::Key_End);
    QTest::keyClicks(minutes, QStringLiteral("5 -"));
    EXPECT_EQ(minutes->text(), QStringLiteral("15")) << "a blank and a minus are kept out";
    QTest::keyClick(minutes, Qt::Key_Left);
    QTest::keyClick(minutes, Qt::Key_Backspace);
    EXPECT_EQ(minutes->text(), QStringLiteral("5"));
    QTest::keyClick(minutes, Qt::Key_Escape);
    EXPECT_FALSE(d.isVisible()) << "Escape in the box cancels the dialog";
  });
  EXPECT_EQ(parts->settings.nAutoBackupTime, 5) << "cancelled: nothing changed";
}

TEST_F(PreferencesTest, UncheckingAndOkStopsTheBackupAtOnce) {
  platform.monotonicMs = 50000400;
  Preferences([&](QDialog& d) {
    Click(d, "chkAutoBackup");
    EXPECT_FALSE(Find<QLineEdit>(&d, QStringLiteral("txtAutoBackup"))->isEnabled());
    Click(d, "cmdOk");
  });
  EXPECT_EQ(parts->settings.nAutoBackup, 0);
  EXPECT_FALSE(parts->autoBackupTimer.enabled());
  EXPECT_EQ(backup.intervalStart(), 50000400) << "the interval starts anew";
}

TEST_F(PreferencesTest, AMissingViewerIsRefusedButTheBackupSettingsStayApplied) {
  Preferences([&](QDialog& d) {
    Click(d, "chkAutoBackup");
    auto* viewer = Find<QLineEdit>(&d, QStringLiteral("txtNotepad"));
    viewer->setText(QStringLiteral("/no/such/viewer"));
    platform.AnswerNext(Answer::Ok);
    Click(d, "cmdOk");
    EXPECT_TRUE(d.isVisible()) << "the dialog stays open";
    platform.AnswerNext(Answer::Yes);  // the changes are let go
    Click(d, "cmdCancel");
  });
  ASSERT_EQ(platform.messages.size(), 2u);
  EXPECT_EQ(platform.messages[0].text, QStringLiteral("File not found: /no/such/viewer"));
  EXPECT_EQ(parts->settings.nAutoBackup, 0);
  EXPECT_FALSE(parts->autoBackupTimer.enabled());
  EXPECT_EQ(parts->settings.sTextEditor, editor);
}

TEST_F(PreferencesTest, BrowseTakesAChosenProgramThatExists) {
  const QString chosen = QStringLiteral(QUILLANE_SOURCE_DIR "/app/widgets/frmMain.cpp");
  Preferences([&](QDialog& d) {
    platform.ChooseFile(QStringLiteral("/no/such/program"));
    Click(d, "cmdBrowse");
    EXPECT_EQ(Find<QLineEdit>(&d, QStringLiteral("txtNotepad"))->text(), editor);
    platform.ChooseFile(chosen);
    Click(d, "cmdBrowse");
    EXPECT_EQ(Find<QLineEdit>(&d, QStringLiteral("txtNotepad"))->text(), chosen);
    Click(d, "cmdOk");
  });
  EXPECT_EQ(parts->settings.sTextEditor, chosen);
  ASSERT_EQ(platform.fileDialogs.size(), 2u);
}

}  // namespace
}  // namespace quillane::test
