#include "app/widgets/FormDialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPushButton>

#include "app/Program.h"
#include "app/widgets/HelpContexts.h"
#include "platform/Platform.h"

namespace quillane {

FormDialog::FormDialog(Program& program, QWidget* parent, const QString& objectName)
    : QDialog(parent), program_(program) {
  setObjectName(objectName);
  setProperty("quillaneForm", true);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  setAttribute(Qt::WA_DeleteOnClose, false);
}

void FormDialog::reject() {
  CancelRequested();
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

void FormDialog::showEvent(QShowEvent* event) {
  ClearDefaultButtons();
  if (!centred_) {
    centred_ = true;
    adjustSize();
    const QRect screen = program_.platform.ScreenGeometry();
    move(screen.x() + (screen.width() - width()) / 2, screen.y() + (screen.height() - height()) / 2);
  }
  QDialog::showEvent(event);
  SetHelpContexts(program_);  // F1 finds the dialog's topic from the start
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
