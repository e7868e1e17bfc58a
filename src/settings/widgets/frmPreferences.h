#pragma once

#include "ui/FormDialog.h"
#include "ui/HelpTopics.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace quillane {

class AutoBackup;
class Prompter;
class TimerSwitch;
struct Settings;

// The preferences: the automatic backup and its interval, and the program
// that shows and edits reports and plans.
class frmPreferences : public FormDialog {
  Q_OBJECT

 public:
  frmPreferences(const HelpBook& help, Settings& settings, TimerSwitch& backupTimer, AutoBackup& autoBackup,
                 Prompter& prompter, QWidget* parent);

  int HelpTopic() const override { return topic::kPreferences; }

  void cmdOk_Click();
  void cmdCancel_Click() {
    if (MayDiscardChanges()) Unload(QDialog::Rejected);
  }
  void cmdBrowse_Click();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void SetPreferencesTexts();
  void chkAutoBackup_Click();
  void txtAutoBackup_Change();
  void vsbAutoBackup_Change(int value);

  QGroupBox* fraAutoBackup_ = nullptr;
  QCheckBox* chkAutoBackup_ = nullptr;
  QLineEdit* txtAutoBackup_ = nullptr;
  QScrollBar* vsbAutoBackup_ = nullptr;
  QLabel* lblAutoBackup_ = nullptr;
  QGroupBox* fraExtProg_ = nullptr;
  QLabel* lblViewer_ = nullptr;
  QLineEdit* txtNotepad_ = nullptr;
  QPushButton* cmdBrowse_ = nullptr;
  QPushButton* cmdOk_ = nullptr;
  QPushButton* cmdCancel_ = nullptr;
  QPushButton* cmdHelp_ = nullptr;
  Settings& settings_;
  TimerSwitch& backupTimer_;
  AutoBackup& autoBackup_;
  Prompter& prompter_;
};

// The Preferences command: fills the dialog from the settings and shows it.
// OK takes the backup settings, switches `backupTimer` and starts the
// backup's interval anew, even when a missing viewer keeps the dialog open.
void ShowPreferencesDialog(const HelpBook& help, Settings& settings, TimerSwitch& backupTimer,
                           AutoBackup& autoBackup, Prompter& prompter, QWidget* parent);

}  // namespace quillane
