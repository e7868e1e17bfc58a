#pragma once

#include "ui/FormDialog.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quillane {

class SessionDocument;

// The goal dialog: the user types or changes the session's goal.
class frmStart : public FormDialog {
  Q_OBJECT

 public:
  frmStart(SessionDocument& document, const HelpBook& help, QWidget* parent);

  QGroupBox* fraGoal = nullptr;

  void SetStartTexts();
  void cmdOk_Click();
  void cmdCancel_Click();

  int HelpTopic() const override;
  QWidget* FirstControl() const override;

 protected:
  void FormActivate() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QPushButton* cmdOk_ = nullptr;
  QPushButton* cmdCancel_ = nullptr;
  QPushButton* cmdHelp_ = nullptr;
  QLabel* lblGoal_ = nullptr;
  QLineEdit* txtGoal_ = nullptr;
  SessionDocument& document_;
};

// The Goal command: fraGoal visible, texts set, the goal filled in, help
// contexts set, and the dialog shown modally.
void ShowGoalDialog(SessionDocument& document, const HelpBook& help, QWidget* parent);

}  // namespace quillane
