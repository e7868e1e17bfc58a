#include "settings/widgets/frmPassword.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/SessionDocument.h"
#include "files/CodePage.h"
#include "platform/Platform.h"
#include "resources/Texts.h"
#include "session/Workfile.h"
#include "ui/TextEntry.h"

namespace quillane {

frmPassword::frmPassword(const HelpBook& help, QWidget* parent, Mode mode, const QString& current)
    : FormDialog(help, parent, QStringLiteral("frmPassword")) {
  AskBeforeDiscarding(mode == Mode::Set);
  fraPassword_ = new QGroupBox(this);
  fraPassword_->setObjectName(QStringLiteral("fraPassword"));
  txtPassword_ = new QLineEdit(fraPassword_);
  txtPassword_->setObjectName(QStringLiteral("txtPassword"));
  LimitEntry(txtPassword_, kMaxPasswordLength);
  txtPassword_->setEchoMode(QLineEdit::Password);
  txtPassword_->installEventFilter(this);
  txtPassword_->setMinimumWidth(200);
  auto* frameLayout = new QVBoxLayout(fraPassword_);
  frameLayout->addWidget(txtPassword_);

  const CommonButtons common = AddCommonButtons(false);
  cmdOk_ = common.ok;
  cmdCancel_ = common.cancel;

  auto* layout = new QHBoxLayout(this);
  layout->addWidget(fraPassword_, 1);
  layout->addLayout(common.column);

  const bool setMode = mode == Mode::Set;
  setWindowTitle(ShownText(setMode ? 630 : 300));
  fraPassword_->setTitle(Text(setMode ? 631 : 301));
  txtPassword_->setAccessibleName(ShownText(setMode ? 631 : 301));
  if (setMode) txtPassword_->setText(current);

  connect(cmdOk_, &QPushButton::clicked, this, &frmPassword::cmdOk_Click);
  connect(cmdCancel_, &QPushButton::clicked, this, &frmPassword::cmdCancel_Click);
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
  entry_ = UpperCaseInCodePage(txtPassword_->text());
  Unload(QDialog::Accepted);
}

void frmPassword::cmdCancel_Click() {
  if (!MayDiscardChanges()) return;
  Unload(QDialog::Rejected);
}

namespace {

std::optional<QString> AskPassword(const HelpBook& help, QWidget* parent, frmPassword::Mode mode,
                                   const QString& current = QString()) {
  frmPassword dialog(help, parent, mode, current);
  help.platform.ShowModal(dialog);
  if (dialog.result() != QDialog::Accepted) return std::nullopt;
  return dialog.entry();
}

}  // namespace

bool SetPasswordCommand(const HelpBook& help, SessionDocument& document, QWidget* parent) {
  const std::optional<QString> entry =
      AskPassword(help, parent, frmPassword::Mode::Set, document.content().sPassword);
  if (!entry) return false;
  // Setting, changing or removing the protection is a change to save; the
  // document tells which.
  document.SetPassword(*entry);
  return true;
}

std::optional<QString> AskPasswordEntry(const HelpBook& help, QWidget* parent) {
  return AskPassword(help, parent, frmPassword::Mode::Enter);
}

}  // namespace quillane
