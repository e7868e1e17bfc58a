#pragma once

#include "ui/FormDialog.h"
#include "ui/HelpTopics.h"

class QLabel;
class QPixmap;
class QPushButton;

namespace quillane {

// The About box: the program's logo and version, closed with OK.
class frmAbout : public FormDialog {
  Q_OBJECT

 public:
  frmAbout(const HelpBook& help, const QString& version, QWidget* parent);

  int HelpTopic() const override { return topic::kAbout; }

  void SetLogo(const QPixmap& logo);
  void SetAboutTexts();
  void cmdOk_Click() { Unload(QDialog::Accepted); }

 protected:
  // The box has no Cancel: Escape and the close box run OK.
  void CancelRequested() override { cmdOk_Click(); }

 private:
  QLabel* imgLogo_ = nullptr;
  QLabel* lblVersion_ = nullptr;
  QPushButton* cmdOk_ = nullptr;
  QString sVersion_;
};

// The About command: the main window's logo copied in, the texts set, the
// box shown modally.
void ShowAboutBox(const HelpBook& help, const QString& version, QWidget* parent, const QPixmap& logo);

}  // namespace quillane
