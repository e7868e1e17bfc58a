#include "settings/widgets/frmPassword.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/SessionDocument.h"
#include "files/CodePage.h"
#include "files/TextEncoding.h"
#include "platform/Platform.h"
#include "resources/Texts.h"
#include "session/SessionKey.h"
#include "ui/TextEntry.h"
#include "ui/WrappingLabel.h"

namespace quillane {

frmPassword::frmPassword(const HelpBook& help, QWidget* parent, Mode mode, Protection protection,
                         const QString& current)
    : FormDialog(help, parent, QStringLiteral("frmPassword")), fileProtection_(protection) {
  const bool setMode = mode == Mode::Set;
  AskBeforeDiscarding(setMode);
  fraPassword_ = new QGroupBox(this);
  fraPassword_->setObjectName(QStringLiteral("fraPassword"));
  txtPassword_ = new QLineEdit(fraPassword_);
  txtPassword_->setObjectName(QStringLiteral("txtPassword"));
  // Set mode takes a passphrase; whether it fits the letter-shift format is
  // said when OK is pressed, so switching formats never cuts what was typed.
  LimitEntry(txtPassword_,
             setMode || protection == Protection::Encrypted ? kMaxPassphrase : kMaxLetterShiftPassword);
  txtPassword_->setEchoMode(QLineEdit::Password);
  txtPassword_->installEventFilter(this);
  txtPassword_->setMinimumWidth(200);
  auto* frameLayout = new QVBoxLayout(fraPassword_);
  frameLayout->addWidget(txtPassword_);
  if (setMode) {
    chkEncrypt_ = new QCheckBox(Text(3135), fraPassword_);
    chkEncrypt_->setObjectName(QStringLiteral("chkEncrypt"));
    chkEncrypt_->setChecked(protection == Protection::Encrypted);
    lblProtection_ = new WrappingLabel(fraPassword_);
    lblProtection_->setObjectName(QStringLiteral("lblProtection"));
    lblProtection_->setTextFormat(Qt::PlainText);
    lblProtection_->setWordWrap(true);
    frameLayout->addWidget(chkEncrypt_);
    frameLayout->addWidget(lblProtection_);
    connect(chkEncrypt_, &QCheckBox::toggled, this, &frmPassword::ShowProtection);
    ShowProtection();
  }

  const CommonButtons common = AddCommonButtons(false);
  cmdOk_ = common.ok;
  cmdCancel_ = common.cancel;

  auto* layout = new QHBoxLayout(this);
  layout->addWidget(fraPassword_, 1);
  layout->addLayout(common.column);

  setWindowTitle(ShownText(setMode ? 630 : 300));
  fraPassword_->setTitle(Text(setMode ? 631 : 301));
  txtPassword_->setAccessibleName(ShownText(setMode ? 631 : 301));
  if (setMode) txtPassword_->setText(current);

  connect(cmdOk_, &QPushButton::clicked, this, &frmPassword::cmdOk_Click);
  connect(cmdCancel_, &QPushButton::clicked, this, &frmPassword::cmdCancel_Click);
}

Protection frmPassword::ChosenProtection() const {
  if (chkEncrypt_ == nullptr) return fileProtection_;
  return chkEncrypt_->isChecked() ? Protection::Encrypted : Protection::LetterShift;
}

void frmPassword::ShowProtection() {
  lblProtection_->setText(Text(ChosenProtection() == Protection::Encrypted ? 3136 : 3137));
}

bool frmPassword::eventFilter(QObject* watched, QEvent* event) {
  if (watched == txtPassword_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      if (cmdOk_->isEnabled()) cmdOk_->click();
      return true;
    }
  }
  return FormDialog::eventFilter(watched, event);
}

void frmPassword::cmdOk_Click() {
  const Protection protection = ChosenProtection();
  const QString typed = txtPassword_->text();
  if (protection == Protection::LetterShift && CharacterCount(typed) > kMaxLetterShiftPassword) {
    platform().MessageBox(this, Text(3138), MsgButtons::OkOnly + MsgIcon::Exclamation,
                          QGuiApplication::applicationDisplayName());
    txtPassword_->setFocus();
    return;
  }
  entry_ = {protection == Protection::LetterShift ? UpperCaseInCodePage(typed) : typed, protection};
  Unload(QDialog::Accepted);
}

void frmPassword::cmdCancel_Click() {
  if (!MayDiscardChanges()) return;
  Unload(QDialog::Rejected);
}

namespace {

std::optional<PasswordChoice> AskPassword(const HelpBook& help, QWidget* parent, frmPassword::Mode mode,
                                          Protection protection, const QString& current = QString()) {
  frmPassword dialog(help, parent, mode, protection, current);
  help.platform.ShowModal(dialog);
  if (dialog.result() != QDialog::Accepted) return std::nullopt;
  return dialog.entry();
}

}  // namespace

bool SetPasswordCommand(const HelpBook& help, SessionDocument& document, const KdfLimits& limits,
                        int& fileWork, QWidget* parent) {
  const SessionContent& s = document.content();
  // A session of the letter-shift format keeps it unless the user chooses
  // encryption; every other starts with encryption chosen.
  const Protection shown = s.bPassword ? s.protection : Protection::Encrypted;
  const std::optional<PasswordChoice> entry =
      AskPassword(help, parent, frmPassword::Mode::Set, shown, s.bPassword ? s.sPassword : QString());
  if (!entry) return false;
  // Setting, changing or removing the protection is a change to save; the
  // document tells which.
  const bool sameKey = IsEncrypted(s) && document.sealingKey() && entry->password == s.sPassword;
  if (entry->password.isEmpty() || entry->protection == Protection::LetterShift || sameKey) {
    document.SetPassword(entry->password, entry->protection);
    return true;
  }
  std::shared_ptr<const SealingKey> key =
      DeriveSessionKey(entry->password, NewSalt(), limits, help.platform, fileWork);
  if (!key) {
    help.platform.MessageBox(parent, Text(3139), MsgButtons::OkOnly + MsgIcon::Exclamation,
                             QGuiApplication::applicationDisplayName());
    return false;
  }
  document.SetPassword(entry->password, Protection::Encrypted, std::move(key));
  return true;
}

std::optional<QString> AskPasswordEntry(const HelpBook& help, QWidget* parent, Protection protection) {
  const std::optional<PasswordChoice> entry = AskPassword(help, parent, frmPassword::Mode::Enter, protection);
  if (!entry) return std::nullopt;
  return entry->password;
}

}  // namespace quillane
