// The Password command and the password dialog in both modes.
#include <QLineEdit>

#include "MainWindowFixture.h"
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

  void Password(const std::function<void(QDialog&, QLineEdit*)>& script) {
    platform.OnNextDialog(
        [&](QDialog& dialog) { script(dialog, Find<QLineEdit>(&dialog, QStringLiteral("txtPassword"))); });
  }
};

// The Set mode shows the current password hidden; OK stores what the box
// holds in capitals and counts as a change when it differs, since Exit must
// offer to save the protection or its removal. Cancel and the close box
// change nothing.
TEST_F(PasswordTest, SetModeStoresCapitalsOrRemovesTheProtection) {
  const struct {
    const char* way;
    const char* before;
    bool clear;          // the box is emptied first
    const char* typed;   // then this is typed (UTF-8)
    Qt::Key key;         // pressed in the box, or Qt::Key_unknown to click `button`
    const char* button;  // or, with neither, the close box
    const char* after;
    bool stored, changed;
  } cases[] = {
      // "ß" has no capital of one character.
      {"typed", "", false, "abc\xC3\xA9\xC3\x9F", Qt::Key_unknown, "cmdOk", "ABC\xC3\x89\xC3\x9F", true,
       true},
      {"at most fifteen", "", false, "abcdefghijklmnopqrst", Qt::Key_unknown, "cmdOk", "ABCDEFGHIJKLMNO",
       true, true},
      {"emptied, Enter clicks OK", "SECRET", true, "", Qt::Key_Return, nullptr, "", true, true},
      {"the same again", "SECRET", false, "", Qt::Key_unknown, "cmdOk", "SECRET", true, false},
      {"Cancel", "OLD", false, "x", Qt::Key_unknown, "cmdCancel", "OLD", false, false},
      {"Escape", "OLD", false, "x", Qt::Key_Escape, nullptr, "OLD", false, false},
      {"close box", "OLD", false, "x", Qt::Key_unknown, nullptr, "OLD", false, false},
  };
  const SessionContent& s = parts.document.content();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.way);
    Seed(parts.document, [&](SessionContent& content) {
      content.sPassword = QString::fromUtf8(c.before);
      content.bPassword = !content.sPassword.isEmpty();
    });
    parts.progress.MarkProgressStep(ProgressStep::ClearAll);
    if (!c.stored) platform.AnswerNext(Answer::Yes);  // the typed change is let go
    Password([&](QDialog& dialog, QLineEdit* box) {
      EXPECT_EQ(box->echoMode(), QLineEdit::Password);
      EXPECT_EQ(box->text(), s.sPassword);
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
    EXPECT_EQ(parts.progress.done(ProgressStep::PasswordSet), c.stored);
    EXPECT_EQ(parts.document.isModified(), c.changed);
  }
}

TEST_F(PasswordTest, EnterModeAsksEmptyAndReportsTheEntryOrTheCancel) {
  Seed(parts.document, [](SessionContent& s) { s.sPassword = QStringLiteral("SECRET"); });
  Password([&](QDialog& dialog, QLineEdit* box) {
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Enter Password"));
    EXPECT_EQ(box->text(), QString());
    QTest::keyClicks(box, QStringLiteral("Secret"));
    QTest::keyClick(box, Qt::Key_Enter);
  });
  EXPECT_EQ(AskPasswordEntry(parts.help(), window.get()), QStringLiteral("SECRET"));

  Password([&](QDialog&, QLineEdit* box) { QTest::keyClick(box, Qt::Key_Escape); });
  EXPECT_EQ(AskPasswordEntry(parts.help(), window.get()), std::nullopt) << "Escape runs Cancel";
}

}  // namespace
}  // namespace quillane::test
