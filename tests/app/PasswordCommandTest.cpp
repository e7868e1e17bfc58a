// The Password command and the password dialog in both modes.
#include <QGroupBox>
#include <QLineEdit>

#include "MainWindowFixture.h"
#include "settings/widgets/frmPassword.h"
#include "ui/HelpContexts.h"

namespace quillane::test {
namespace {

class PasswordTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    StartNewSession();
    PressMenu(Menu::kOptions);
  }

  void Password(const std::function<void(QDialog&, QLineEdit*)>& script) {
    platform.OnNextDialog(
        [&](QDialog& dialog) { script(dialog, Find<QLineEdit>(&dialog, QStringLiteral("txtPassword"))); });
  }
  static void Ok(QDialog& dialog) {
    QTest::mouseClick(Find<QPushButton>(&dialog, QStringLiteral("cmdOk")), Qt::LeftButton);
  }
};

TEST_F(PasswordTest, SetModeStoresCapitalsLightsStepTwoAndMarksTheSessionChanged) {
  Password([&](QDialog& dialog, QLineEdit* box) {
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Set Password"));
    EXPECT_EQ(Find<QGroupBox>(&dialog, QStringLiteral("fraPassword"))->title(), QStringLiteral("Password:"));
    EXPECT_EQ(box->echoMode(), QLineEdit::Password);
    EXPECT_EQ(box->text(), QString());
    EXPECT_EQ(HelpContextOf(&dialog), 3200);
    QTest::keyClicks(box, QStringLiteral("abc"));
    box->insert(QString::fromUtf8("\xC3\xA9\xC3\x9F"));  // éß
    Ok(dialog);
  });
  PressCommand(Cmd::kPassword);
  EXPECT_EQ(program.session.sPassword, QString::fromUtf8("ABC\xC3\x89\xC3\x9F"))
      << "ß has no one-letter capital";
  EXPECT_TRUE(program.session.bPassword);
  EXPECT_TRUE(program.progress.done(ProgressStep::PasswordSet));
  EXPECT_TRUE(program.session.bChanged) << "so Exit offers to save the protection";
}

TEST_F(PasswordTest, SetModeShowsTheCurrentPasswordAndAnEmptyEntryRemovesIt) {
  program.session.sPassword = QStringLiteral("SECRET");
  program.session.bPassword = true;
  Password([&](QDialog& dialog, QLineEdit* box) {
    EXPECT_EQ(box->text(), QStringLiteral("SECRET"));
    box->clear();
    QTest::keyClick(box, Qt::Key_Return);  // Enter clicks OK
    EXPECT_FALSE(dialog.isVisible());
  });
  PressCommand(Cmd::kPassword);
  EXPECT_EQ(program.session.sPassword, QString());
  EXPECT_FALSE(program.session.bPassword);
  EXPECT_TRUE(program.progress.done(ProgressStep::PasswordSet));
  EXPECT_TRUE(program.session.bChanged) << "removing the protection is a change too";

  // Confirming the same password again changes nothing.
  program.session.bChanged = false;
  Password([&](QDialog& dialog, QLineEdit*) { Ok(dialog); });
  PressCommand(Cmd::kPassword);
  EXPECT_FALSE(program.session.bChanged);
}

TEST_F(PasswordTest, CancelAndCloseBoxChangeNothing) {
  program.session.sPassword = QStringLiteral("OLD");
  program.session.bPassword = true;
  Password([&](QDialog& dialog, QLineEdit* box) {
    QTest::keyClicks(box, QStringLiteral("x"));
    QTest::mouseClick(Find<QPushButton>(&dialog, QStringLiteral("cmdCancel")), Qt::LeftButton);
  });
  PressCommand(Cmd::kPassword);
  Password([&](QDialog& dialog, QLineEdit*) { dialog.close(); });
  PressCommand(Cmd::kPassword);
  EXPECT_EQ(program.session.sPassword, QStringLiteral("OLD"));
  EXPECT_FALSE(program.progress.done(ProgressStep::PasswordSet));
}

TEST_F(PasswordTest, TakesAtMostFifteenCharacters) {
  Password([&](QDialog& dialog, QLineEdit* box) {
    QTest::keyClicks(box, QStringLiteral("abcdefghijklmnopqrst"));
    Ok(dialog);
  });
  PressCommand(Cmd::kPassword);
  EXPECT_EQ(program.session.sPassword, QStringLiteral("ABCDEFGHIJKLMNO"));
}

TEST_F(PasswordTest, EnterModeAsksEmptyAndReportsTheEntryOrTheCancel) {
  program.session.sPassword = QStringLiteral("SECRET");
  Password([&](QDialog& dialog, QLineEdit* box) {
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Enter Password"));
    EXPECT_EQ(box->text(), QString());
    QTest::keyClicks(box, QStringLiteral("Secret"));
    QTest::keyClick(box, Qt::Key_Enter);
  });
  EXPECT_EQ(AskPasswordEntry(program, window.get()), QStringLiteral("SECRET"));

  Password([&](QDialog&, QLineEdit* box) { QTest::keyClick(box, Qt::Key_Escape); });
  EXPECT_EQ(AskPasswordEntry(program, window.get()), std::nullopt) << "Escape runs Cancel";
}

}  // namespace
}  // namespace quillane::test
