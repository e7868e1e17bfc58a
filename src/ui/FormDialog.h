#pragma once

#include <QDialog>
#include <QStringList>

#include "ui/HelpContexts.h"

class QPushButton;
class QVBoxLayout;

namespace quillane {

class Platform;

// The base of every dialog of the program. It behaves as the program's own
// handlers say, not as Qt's defaults would:
//  - no button is a default or auto-default button, so Enter does only what
//    the dialog's own key handling says;
//  - Escape and the title bar's close box run the dialog's cancel handler,
//    so the shared cancel flag is set exactly as a click on Cancel sets it;
//  - the dialog centres itself on the screen when it is first shown;
//  - FormActivate runs when the dialog becomes active, unless it was only a
//    message box or a file dialog that was active in between;
//  - FormDeactivate runs when another form of the program becomes active.
// A dialog's column of common buttons: OK and Cancel at the top and, where
// the dialog has one, Help at the foot.
struct CommonButtons {
  QPushButton* ok = nullptr;
  QPushButton* cancel = nullptr;
  QPushButton* help = nullptr;
  QVBoxLayout* column = nullptr;
};

class FormDialog : public QDialog, public HelpTopicOwner {
  Q_OBJECT

 public:
  FormDialog(const HelpBook& help, QWidget* parent, const QString& objectName);

  Platform& platform() const { return help_.platform; }
  const HelpBook& help() const { return help_; }

  // Closes the dialog from one of its own handlers.
  void Unload(int result = QDialog::Accepted) { QDialog::done(result); }

  // Escape and the close box: the cancel handler.
  void reject() override;

  // The control that takes the focus on the page shown now, or nullptr
  // where the page leaves the focus as Qt places it.
  virtual QWidget* FirstControl() const { return nullptr; }

 protected:
  // What Escape and the close box run: the Cancel button where it is shown,
  // the OK button where it is hidden. Dialogs without the common buttons
  // say what they run themselves.
  virtual void CancelRequested();
  // Runs when the dialog becomes active.
  virtual void FormActivate() {}
  // Gives the focus to FirstControl, where the page has one.
  void FocusFirstControl();
  // Runs when another of the program's own forms becomes active while this
  // dialog is open (message boxes, file dialogs and help never count).
  virtual void FormDeactivate() {}

  // Cancel, Escape and the close box ask before they throw away what was
  // typed or changed since the dialog was shown: its text boxes, lists,
  // toggles and choices. Dialogs whose page holds the user's work turn it on.
  void AskBeforeDiscarding(bool on) { askBeforeDiscarding_ = on; }
  // True when the dialog may close without keeping its changes: nothing
  // changed, or the user said Yes to letting the changes go (No, the
  // default, keeps the dialog open).
  bool MayDiscardChanges();

  // Makes `cmdOk`, `cmdCancel` and (with `withHelp`) `cmdHelp`, captioned;
  // Help opens the topic of this dialog.
  CommonButtons AddCommonButtons(bool withHelp);

  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void ClearDefaultButtons();
  // Sizes the dialog to its page, every wrapped text whole.
  void FitToTexts();
  // What the user can change in the dialog now, one entry a control.
  QStringList EditableState() const;

  HelpBook help_;
  CommonButtons common_;
  bool centred_ = false;
  bool askBeforeDiscarding_ = false;
  QStringList shownState_;      // EditableState() when the dialog was shown
  bool leftForOwnForm_ = true;  // the last deactivation handed over to one of our forms
};

// True for the program's own forms: the main window and its dialogs, not
// message boxes, file dialogs or the help viewer.
bool IsProgramForm(const QWidget* window);

}  // namespace quillane
