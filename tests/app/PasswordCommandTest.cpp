// The Password command and the password dialog in both modes.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

#include "MainWindowFixture.h"
#include "resources/Texts.h"
#include "settings/widgets/frmPassword.h"

namespace quillane::test {
namespace {

class PasswordTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    StartNewSession();
    PressMenu(Menu::kOptions);
  }

  void Password(std::function<void(QDialog&, QLineEdit*)> script) {
    platform.OnNextDialog([script](QDialog& dialog) {
      script(dialog, Find<QLineEdit>(&dialog, QStringLiteral("txtPassword")));
    });
  }
};

// The Set mode shows the current password hidden; OK stores what the box
// holds (in capitals for the letter-shift format) and counts as a change when
// it differs, since Exit must offer to save the protection or its removal.
// Cancel and the close box change nothing.
TEST_F(PasswordTest, SetModeStoresThePasswordOrRemovesTheProtection) {
  const struct {
    const char* way;
    const char* before;  // a letter-shift password, or none
    bool clear;          // the box is emptied first
    bool toggle;         // the encryption box is clicked
    const char* typed;   // then this is typed (UTF-8)
    Qt::Key key;         // pressed in the box, or Qt::Key_unknown to click `button`
    const char* button;  // or, with neither, the close box
    const char* after;
    Protection protection;
    bool stored, changed;
  } cases[] = {
      {"encrypted keeps letter case", "", false, false, "Abc \xC3\xA9\xC3\x9F", Qt::Key_unknown, "cmdOk",
       "Abc \xC3\xA9\xC3\x9F", Protection::Encrypted, true, true},
      // "ß" has no capital of one character.
      {"letter-shift in capitals", "", false, true, "abc\xC3\xA9\xC3\x9F", Qt::Key_unknown, "cmdOk",
       "ABC\xC3\x89\xC3\x9F", Protection::LetterShift, true, true},
      {"a letter-shift session keeps its format", "SECRET", true, false, "new", Qt::Key_Return, nullptr,
       "NEW", Protection::LetterShift, true, true},
      {"and may turn to encryption", "SECRET", false, true, "", Qt::Key_unknown, "cmdOk", "SECRET",
       Protection::Encrypted, true, true},
      {"emptied, Enter clicks OK", "SECRET", true, false, "", Qt::Key_Return, nullptr, "",
       Protection::LetterShift, true, true},
      {"the same again", "SECRET", false, false, "", Qt::Key_unknown, "cmdOk", "SECRET",
       Protection::LetterShift, true, false},
      {"Cancel", "OLD", false, false, "x", Qt::Key_unknown, "cmdCancel", "OLD", Protection::LetterShift,
       false, false},
      {"Escape", "OLD", false, false, "x", Qt::Key_Escape, nullptr, "OLD", Protection::LetterShift, false,
       false},
      {"close box", "OLD", false, false, "x", Qt::Key_unknown, nullptr, "OLD", Protection::LetterShift, false,
       false},
  };
  const SessionContent& s = parts.document.content();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.way);
    Seed(parts.document, [&](SessionContent& content) {
      content.sPassword = QString::fromUtf8(c.before);
      content.bPassword = !content.sPassword.isEmpty();
      content.protection = Protection::LetterShift;
    });
    parts.progress.MarkProgressStep(ProgressStep::ClearAll);
    if (!c.stored) platform.AnswerNext(Answer::Yes);  // the typed change is let go
    Password([&](QDialog& dialog, QLineEdit* box) {
      EXPECT_EQ(box->echoMode(), QLineEdit::Password);
      EXPECT_EQ(box->text(), s.sPassword);
      if (c.toggle) Find<QCheckBox>(&dialog, QStringLiteral("chkEncrypt"))->click();
      if (c.clear) box->clear();
      box->insert(QString::fromUtf8(c.typed));
      if (c.key != Qt::Key_unknown) QTest::keyClick(box, c.key);
      if (c.button) Click(dialog, c.button);
      if (c.key == Qt::Key_unknown && !c.button) dialog.close();
      EXPECT_FALSE(dialog.isVisible());
    });
    PressCommand(Command::Password);
    EXPECT_EQ(s.sPassword, QString::fromUtf8(c.after));
    EXPECT_EQ(s.bPassword, !s.sPassword.isEmpty());
    if (s.bPassword) {
      EXPECT_EQ(s.protection, c.protection);
    }
    EXPECT_EQ(parts.document.sealingKey() != nullptr, s.bPassword && s.protection == Protection::Encrypted);
    EXPECT_EQ(parts.progress.done(ProgressStep::PasswordSet), c.stored);
    EXPECT_EQ(parts.document.isModified(), c.changed);
  }
}

// An encrypted password may be a long passphrase; the letter-shift format
// takes fifteen characters, and says so rather than cutting what was typed.
TEST_F(PasswordTest, APassphraseIsKeptWholeAndTheOriginalFormatSaysItsLimit) {
  const QString passphrase = QStringLiteral("Correct horse, battery staple! ").repeated(8);  // 248 characters
  bool refused = false;
  Password([&](QDialog& dialog, QLineEdit* box) {
    auto* encrypt = Find<QCheckBox>(&dialog, QStringLiteral("chkEncrypt"));
    EXPECT_TRUE(encrypt->isChecked()) << "encryption is the default";
    const QString encryptedText = Find<QLabel>(&dialog, QStringLiteral("lblProtection"))->text();
    TypeText(box, passphrase);
    encrypt->click();
    EXPECT_NE(Find<QLabel>(&dialog, QStringLiteral("lblProtection"))->text(), encryptedText)
        << "the dialog says what each choice does";
    platform.AnswerNext(Answer::Ok);
    Click(dialog, "cmdOk");
    refused = dialog.isVisible();
    encrypt->click();
    Click(dialog, "cmdOk");
  });
  PressCommand(Command::Password);
  EXPECT_TRUE(refused) << "the letter-shift format refused 248 characters";
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, Text(3138));
  EXPECT_EQ(parts.document.content().sPassword, passphrase);
  EXPECT_EQ(parts.document.content().protection, Protection::Encrypted);
}

TEST_F(PasswordTest, EnterModeAsksEmptyAndReportsTheEntryOrTheCancel) {
  Seed(parts.document, [](SessionContent& s) { s.sPassword = QStringLiteral("SECRET"); });
  Password([&](QDialog& dialog, QLineEdit* box) {
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Enter Password"));
    EXPECT_EQ(box->text(), QString());
    QTest::keyClicks(box, QStringLiteral("Secret"));
    QTest::keyClick(box, Qt::Key_Enter);
  });
  EXPECT_EQ(AskPasswordEntry(parts.help(), window.get(), Protection::LetterShift), QStringLiteral("SECRET"));

  Password([&](QDialog&, QLineEdit* box) { QTest::keyClick(box, Qt::Key_Escape); });
  EXPECT_EQ(AskPasswordEntry(parts.help(), window.get(), Protection::LetterShift), std::nullopt)
      << "Escape runs Cancel";
}

}  // namespace
}  // namespace quillane::test
