#pragma once

#include "ui/FormDialog.h"
#include "ui/HelpTopics.h"

class QComboBox;
class QGroupBox;
class QPushButton;

namespace quillane {

class SessionDocument;
struct Settings;

// Chooses the language of the headings of the report, the plan and the
// concise report; the program's own texts stay as they are.
class frmLanguage : public FormDialog {
  Q_OBJECT

 public:
  frmLanguage(const HelpBook& help, Settings& settings, SessionDocument& document, QWidget* parent);

  int HelpTopic() const override { return topic::kLanguage; }

  void cmdOk_Click();
  void cmdCancel_Click() { Unload(QDialog::Rejected); }

 private:
  QGroupBox* fraLanguage_ = nullptr;
  QComboBox* cboLanguage_ = nullptr;
  QPushButton* cmdOk_ = nullptr;
  QPushButton* cmdCancel_ = nullptr;
  Settings& settings_;
  SessionDocument& document_;
};

// The Set Language command: shows the dialog on the current heading language;
// a confirmed choice is written at once into the settings file at
// `settingsPath`.
void ShowLanguageDialog(const HelpBook& help, Settings& settings, SessionDocument& document,
                        const QString& settingsPath, QWidget* parent);

}  // namespace quillane
