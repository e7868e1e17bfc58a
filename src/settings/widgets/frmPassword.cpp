#include "settings/widgets/frmPassword.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/Program.h"
#include "platform/Platform.h"
#include "resources/Texts.h"
#include "session/CodePage.h"
#include "ui/TextEntry.h"

namespace quillane {

namespace {
constexpr int kMaxPasswordLength = 15;

}  // namespace

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
  program().session.sPasswordEntry = UpperCaseInCodePage(txtPassword_->text());
  Unload(QDialog::Accepted);
}

void frmPassword::cmdCancel_Click() {
  program().session.bCancel = true;
  Unload(QDialog::Rejected);
}

void SetPasswordCommand(Program& program, QWidget* parent) {
  Session& s = program.session;
  frmPassword dialog(program, parent, frmPassword::Mode::Set);
  program.platform.ShowModal(dialog);
  if (s.bCancel) {
    s.bCancel = false;
    return;
  }
  s.sPassword = s.sPasswordEntry;
  s.bPassword = !s.sPassword.isEmpty();
  program.MarkProgressStep(ProgressStep::PasswordSet);
}

void AskPasswordEntry(Program& program, QWidget* parent) {
  frmPassword dialog(program, parent, frmPassword::Mode::Enter);
  program.platform.ShowModal(dialog);
}

}  // namespace quillane
