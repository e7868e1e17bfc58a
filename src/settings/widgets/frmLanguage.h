#pragma once

#include "ui/FormDialog.h"
#include "ui/HelpTopics.h"

class QComboBox;
class QGroupBox;
class QPushButton;

namespace quillane {

// Chooses the language of the headings of the report, the plan and the
// concise report; the program's own texts stay as they are.
class frmLanguage : public FormDialog {
  Q_OBJECT

 public:
  frmLanguage(Program& program, QWidget* parent);

  int HelpTopic() const override { return topic::kLanguage; }

  void cmdOk_Click();
  void cmdCancel_Click() { Unload(QDialog::Rejected); }

 private:
  QGroupBox* fraLanguage_ = nullptr;
  QComboBox* cboLanguage_ = nullptr;
  QPushButton* cmdOk_ = nullptr;
  QPushButton* cmdCancel_ = nullptr;
};

// The Set Language command: shows the dialog on the current heading language.
void ShowLanguageDialog(Program& program, QWidget* parent);

}  // namespace quillane
