#include "app/widgets/frmStart.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/SessionDocument.h"
#include "platform/Platform.h"
#include "resources/Texts.h"
#include "ui/HelpContexts.h"
#include "ui/HelpTopics.h"
#include "ui/TextEntry.h"

namespace quillane {

frmStart::frmStart(SessionDocument& document, const HelpBook& help, QWidget* parent)
    : FormDialog(help, parent, QStringLiteral("frmStart")), document_(document) {
  AskBeforeDiscarding(true);
  const CommonButtons common = AddCommonButtons(true);
  cmdOk_ = common.ok;
  cmdCancel_ = common.cancel;
  cmdHelp_ = common.help;

  fraGoal = new QGroupBox(this);
  fraGoal->setObjectName(QStringLiteral("fraGoal"));
  lblGoal_ = new QLabel(fraGoal);
  lblGoal_->setObjectName(QStringLiteral("lblGoal"));
  txtGoal_ = new QLineEdit(fraGoal);
  txtGoal_->setObjectName(QStringLiteral("txtGoal"));
  LimitEntry(txtGoal_, kMaxTextLength);
  txtGoal_->installEventFilter(this);
  lblGoal_->setBuddy(txtGoal_);
  txtGoal_->setMinimumWidth(380);

  auto* goalLayout = new QVBoxLayout(fraGoal);
  goalLayout->addWidget(lblGoal_);
  goalLayout->addWidget(txtGoal_);
  goalLayout->addStretch();

  auto* layout = new QHBoxLayout(this);
  layout->addLayout(common.column);
  layout->addWidget(fraGoal, 1);
  fraGoal->hide();

  connect(cmdOk_, &QPushButton::clicked, this, &frmStart::cmdOk_Click);
  connect(cmdCancel_, &QPushButton::clicked, this, &frmStart::cmdCancel_Click);
}

void frmStart::SetStartTexts() {
  setWindowTitle(ShownText(1000));
  cmdOk_->setText(Text(120));
  cmdCancel_->setText(Text(121));
  cmdHelp_->setText(Text(122));
  fraGoal->setTitle(Text(1001));
  lblGoal_->setText(ShownText(1002));
}

int frmStart::HelpTopic() const {
  return fraGoal->isVisibleTo(this) ? topic::kGoal : topic::kStartMenu;
}

QWidget* frmStart::FirstControl() const {
  return fraGoal->isVisibleTo(this) ? txtGoal_ : nullptr;
}

void frmStart::FormActivate() {
  FocusFirstControl();
  SetHelpContexts();
}

bool frmStart::eventFilter(QObject* watched, QEvent* event) {
  if (watched == txtGoal_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      cmdOk_Click();
      return true;
    }
  }
  return FormDialog::eventFilter(watched, event);
}

void frmStart::cmdOk_Click() {
  document_.SetGoal(txtGoal_->text());
  Unload(QDialog::Accepted);
}

void frmStart::cmdCancel_Click() {
  if (!MayDiscardChanges()) return;
  Unload(QDialog::Rejected);
}

void ShowGoalDialog(SessionDocument& document, const HelpBook& help, QWidget* parent) {
  frmStart dialog(document, help, parent);
  dialog.fraGoal->show();
  dialog.SetStartTexts();
  dialog.findChild<QLineEdit*>(QStringLiteral("txtGoal"))->setText(document.content().sGoal);
  SetHelpContexts();
  help.platform.ShowModal(dialog);
}

}  // namespace quillane
