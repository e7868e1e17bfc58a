#include "settings/widgets/frmPassword.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/Program.h"
#include "files/CodePage.h"
#include "platform/Platform.h"
#include "resources/Texts.h"
#include "session/Workfile.h"
#include "ui/TextEntry.h"

namespace quillane {

frmPassword::frmPassword(Program& program, QWidget* parent, Mode mode)
    : FormDialog(program, parent, QStringLiteral("frmPassword")) {
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
  if (setMode) txtPassword_->setText(program.session.sPassword);

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
  Unload(QDialog::Rejected);
}

namespace {

std::optional<QString> AskPassword(Program& program, QWidget* parent, frmPassword::Mode mode) {
  frmPassword dialog(program, parent, mode);
  program.platform.ShowModal(dialog);
  if (dialog.result() != QDialog::Accepted) return std::nullopt;
  return dialog.entry();
}

}  // namespace

bool SetPasswordCommand(Program& program, QWidget* parent) {
  const std::optional<QString> entry = AskPassword(program, parent, frmPassword::Mode::Set);
  if (!entry) return false;
  Session& s = program.session;
  // Setting, changing or removing the protection is a change to save.
  if (*entry != s.sPassword || s.bPassword == entry->isEmpty()) s.bChanged = true;
  s.sPassword = *entry;
  s.bPassword = !s.sPassword.isEmpty();
  program.MarkProgressStep(ProgressStep::PasswordSet);
  return true;
}

std::optional<QString> AskPasswordEntry(Program& program, QWidget* parent) {
  return AskPassword(program, parent, frmPassword::Mode::Enter);
}

}  // namespace quillane
