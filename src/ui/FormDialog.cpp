#include "ui/FormDialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/Platform.h"
#include "resources/Texts.h"
#include "ui/HelpContexts.h"

namespace quillane {

FormDialog::FormDialog(const HelpBook& help, QWidget* parent, const QString& objectName)
    : QDialog(parent), help_(help) {
  setObjectName(objectName);
  setProperty("quillaneForm", true);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  setAttribute(Qt::WA_DeleteOnClose, false);
}

void FormDialog::reject() {
  CancelRequested();
}

void FormDialog::CancelRequested() {
  if (common_.cancel && common_.cancel->isVisibleTo(this)) {
    common_.cancel->click();
  } else if (common_.ok) {
    common_.ok->click();
  }
}

void FormDialog::FocusFirstControl() {
  if (QWidget* control = FirstControl()) control->setFocus(Qt::OtherFocusReason);
}

CommonButtons FormDialog::AddCommonButtons(bool withHelp) {
  CommonButtons buttons;
  auto make = [this](const char* name, int caption) {
    auto* button = new QPushButton(Text(caption), this);
    button->setObjectName(QLatin1String(name));
    return button;
  };
  buttons.ok = make("cmdOk", 120);
  buttons.cancel = make("cmdCancel", 121);
  buttons.column = new QVBoxLayout;
  buttons.column->addWidget(buttons.ok);
  buttons.column->addWidget(buttons.cancel);
  buttons.column->addStretch();
  if (withHelp) {
    buttons.help = make("cmdHelp", 122);
    buttons.column->addWidget(buttons.help);
    connect(buttons.help, &QPushButton::clicked, this, [this] { ShowHelpFor(help_, this); });
  }
  common_ = buttons;
  return buttons;
}

void FormDialog::closeEvent(QCloseEvent* event) {
  // The close box closes only through the dialog's own handler.
  event->ignore();
  if (isVisible()) CancelRequested();
}

void FormDialog::ClearDefaultButtons() {
  for (QPushButton* button : findChildren<QPushButton*>()) {
    button->setAutoDefault(false);
    button->setDefault(false);
  }
}

QStringList FormDialog::EditableState() const {
  QStringList state;
  for (const QLineEdit* box : findChildren<QLineEdit*>())
    state << box->objectName() + QLatin1Char('=') + box->text();
  for (const QListWidget* list : findChildren<QListWidget*>()) {
    state << list->objectName() + QStringLiteral(":");
    for (int i = 0; i < list->count(); ++i) state << list->item(i)->text();
  }
  for (const QAbstractButton* toggle : findChildren<QAbstractButton*>()) {
    if (toggle->isCheckable())
      state << toggle->objectName() + (toggle->isChecked() ? QStringLiteral("+") : QStringLiteral("-"));
  }
  for (const QComboBox* choice : findChildren<QComboBox*>()) {
    state << choice->objectName() + QLatin1Char('#') + QString::number(choice->currentIndex());
  }
  return state;
}

bool FormDialog::MayDiscardChanges() {
  if (!askBeforeDiscarding_ || EditableState() == shownState_) return true;
  const MsgStyle style = MsgButtons::YesNo + MsgIcon::Question + MsgDefault::Second;
  return help_.platform.MessageBox(this, Text(3122), style, QGuiApplication::applicationDisplayName()) ==
         Answer::Yes;
}

void FormDialog::showEvent(QShowEvent* event) {
  ClearDefaultButtons();
  if (!event->spontaneous()) shownState_ = EditableState();
  if (!centred_) {
    centred_ = true;
    FitToTexts();
    const QRect screen = help_.platform.ScreenGeometry();
    move(screen.x() + (screen.width() - width()) / 2, screen.y() + (screen.height() - height()) / 2);
  }
  QDialog::showEvent(event);
  SetHelpContexts();  // F1 finds the dialog's topic from the start
}

void FormDialog::FitToTexts() {
  // A page's own minimum width never squeezes what its texts need.
  for (QWidget* page : findChildren<QWidget*>()) {
    if (page->minimumWidth() > 0 && page->layout() && page->minimumSizeHint().width() > page->minimumWidth())
      page->setMinimumWidth(page->minimumSizeHint().width());
  }
  adjustSize();
  // A layout gives a wrapped label only its one-line minimum when the dialog
  // would otherwise grow past two thirds of the screen; its lines would be
  // cut or overlap what follows. Now that the labels have their widths,
  // each keeps the height its text needs there, and the dialog grows to it.
  bool grown = false;
  for (QLabel* label : findChildren<QLabel*>()) {
    if (!label->wordWrap() || !label->isVisibleTo(this)) continue;
    const int needed = label->heightForWidth(label->width());
    if (needed > label->minimumHeight()) {
      label->setMinimumHeight(needed);
      grown = true;
    }
  }
  if (grown) adjustSize();
}

bool FormDialog::event(QEvent* event) {
  switch (event->type()) {
    case QEvent::WindowActivate:
      if (leftForOwnForm_) FormActivate();
      break;
    case QEvent::WindowDeactivate: {
      QWidget* next = QApplication::activeWindow();
      leftForOwnForm_ = IsProgramForm(next);
      if (leftForOwnForm_ && next != this && isVisible()) FormDeactivate();
      break;
    }
    default: break;
  }
  return QDialog::event(event);
}

bool IsProgramForm(const QWidget* window) {
  return window != nullptr && window->property("quillaneForm").toBool();
}

}  // namespace quillane
