// The preferences dialog, opened from the main window.
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QScrollBar>
#include <QTimer>

#include "app/DialogFixture.h"

namespace quillane::test {
namespace {

class PreferencesTest : public MenuOpenTest<Menu::kOptions> {
 protected:
  QByteArray SettingsFile() override {
    return "[Quillane]\r\nHelp at Startup=0\r\nAutomatic Backup=1\r\nAutomatic Backup Time=5\r\nTexteditor=" +
           editor.toUtf8() + "\r\n";
  }
  QString editor = QStringLiteral(QUILLANE_SOURCE_DIR "/app/main.cpp");  // any file that exists

  void Preferences(const std::function<void(QDialog&)>& script) {
    platform.OnNextDialog(script);
    PressCommand(Command::Preferences);
  }
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
  EXPECT_EQ(program.session.nAutoBackupTime, 30);
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
  EXPECT_EQ(program.session.nAutoBackupTime, 5) << "cancelled: nothing changed";
}

TEST_F(PreferencesTest, UncheckingAndOkStopsTheBackupAtOnce) {
  program.session.lBackupTime = 0;
  platform.monotonicMs = 50000400;
  Preferences([&](QDialog& d) {
    Click(d, "chkAutoBackup");
    EXPECT_FALSE(Find<QLineEdit>(&d, QStringLiteral("txtAutoBackup"))->isEnabled());
    Click(d, "cmdOk");
  });
  EXPECT_EQ(program.session.nAutoBackup, 0);
  EXPECT_FALSE(Find<QTimer>(window.get(), QStringLiteral("tmrAutoBackup"))->isActive());
  EXPECT_EQ(program.session.lBackupTime, 50000400) << "the interval starts anew";
}

TEST_F(PreferencesTest, AMissingViewerIsRefusedButTheBackupSettingsStayApplied) {
  Preferences([&](QDialog& d) {
    Click(d, "chkAutoBackup");
    auto* viewer = Find<QLineEdit>(&d, QStringLiteral("txtNotepad"));
    viewer->setText(QStringLiteral("/no/such/viewer"));
    platform.AnswerNext(Answer::Ok);
    Click(d, "cmdOk");
    EXPECT_TRUE(d.isVisible()) << "the dialog stays open";
    Click(d, "cmdCancel");
  });
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, QStringLiteral("File not found: /no/such/viewer"));
  EXPECT_EQ(program.session.nAutoBackup, 0);
  EXPECT_FALSE(program.autoBackupTimer.enabled());
  EXPECT_EQ(program.session.sTextEditor, editor);
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
  EXPECT_EQ(program.session.sTextEditor, chosen);
  ASSERT_EQ(platform.fileDialogs.size(), 2u);
  EXPECT_EQ(platform.fileDialogs[0].filter, QStringLiteral("Programs (*.exe)"));
}

}  // namespace
}  // namespace quillane::test
