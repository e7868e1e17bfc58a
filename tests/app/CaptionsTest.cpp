// Every caption of the main window and the dialogs comes from the text table.
#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>
#include <QSet>

#include "MainWindowFixture.h"
#include "resources/TextTableData.h"
#include "resources/Texts.h"
#include "settings/widgets/frmLanguage.h"

namespace quillane::test {
namespace {

class CaptionsTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    for (std::size_t i = 0; i < kTextTableSize; ++i) {
      stored << Text(kTextTable[i].number);
      shown << ShownText(kTextTable[i].number);
    }
  }

  // Buttons, their tool tips and frames take a text as stored; labels and
  // window titles show a doubled "&&" as one. A caption may join table texts with counts; texts
  // that follow the session are left out.
  void ExpectTableCaptions(QWidget& form, const QStringList& sessionTexts) {
    SCOPED_TRACE(form.objectName().toStdString());
    static const QRegularExpression count(QStringLiteral("\\d+"));
    const auto expect = [&](const QSet<QString>& table, const QObject* control, const QString& caption) {
      bool fromTable = true;
      for (const QString& part : caption.split(count, Qt::SkipEmptyParts)) fromTable &= table.contains(part);
      fromTable |= table.contains(caption);
      EXPECT_TRUE(fromTable || sessionTexts.contains(caption))
          << control->objectName().toStdString() << ": " << caption.toStdString();
    };
    expect(shown, &form, form.windowTitle());
    for (auto* button : form.findChildren<QAbstractButton*>()) {
      expect(stored, button, button->text());
      expect(stored, button, button->toolTip());
    }
    for (auto* frame : form.findChildren<QGroupBox*>()) expect(stored, frame, frame->title());
    for (auto* label : form.findChildren<QLabel*>()) expect(shown, label, label->text());
  }

  QSet<QString> stored, shown;
};

// Enter does only what each dialog's rules say: no default button anywhere.
TEST_F(CaptionsTest, EveryCaptionIsATableTextAndNoDialogAsOpenedHasADefaultButton) {
  const auto panel = [&](int i) {
    return Find<QLabel>(window.get(), QStringLiteral("winStatusBar.Panels(%1)").arg(i))->text();
  };
  // Put together from texts and the session (MainWindowTest checks them).
  // The title names the workfile; a key is named as the desktop names it.
  ExpectTableCaptions(
      *window, {window->windowTitle(), QStringLiteral("Version 1.01"),
                CommandButton(Command::HowToUse)->toolTip(), CommandButton(Command::About)->toolTip(),
                panel(2), panel(3), panel(4), CommandButton(Command::NewSession)->toolTip(),
                CommandButton(Command::OpenSession)->toolTip(), CommandButton(Command::Save)->toolTip(),
                CommandButton(Command::SaveAs)->toolTip(), MenuButton(Menu::kExit)->toolTip()});
  StartNewSession();
  Seed(parts.document, [](SessionContent& s) {
    s.sGoal = QStringLiteral("Sell more books");
    Fill(s.sIdeas, s.nIdeas, {"Readings"});
  });
  const std::pair<int, Command> commands[] = {
      {Menu::kStart, Command::Goal},          {Menu::kOptions, Command::Password},
      {Menu::kOptions, Command::Preferences}, {Menu::kCriteria, Command::CriteriaSet},
      {Menu::kIdeas, Command::TAssets},       {Menu::kIdeas, Command::ViewEditIdeas},
      {Menu::kHelp, Command::About}};
  const auto checkAndClose = [&](QDialog& dialog) {
    ExpectTableCaptions(dialog, {parts.document.content().sGoal, QStringLiteral("Version 1.01")});
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
      EXPECT_FALSE(button->isDefault() || button->autoDefault()) << button->objectName().toStdString();
    }
    dialog.reject();
  };
  for (const auto& [menu, command] : commands) RunDialog(menu, command, checkAndClose);
  platform.OnNextDialog(checkAndClose);
  ShowLanguageDialog(parts.help(), parts.settings, parts.document, parts.settingsPath,
                     window.get());  // its command is hidden
  EXPECT_EQ(platform.dialogsShown.size(), std::size(commands) + 1);
}

}  // namespace
}  // namespace quillane::test
