#pragma once

#include "ui/FormDialog.h"
#include "ui/HelpTopics.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace quillane {

class SessionDocument;

// Takes the text of one new idea, or of a changed one.
class frmAddIdea : public FormDialog {
  Q_OBJECT

 public:
  enum class Mode { Add, Edit };

  // `position` is the idea an edit replaces (from 1; 0 when nothing is current).
  frmAddIdea(SessionDocument& document, const HelpBook& help, QWidget* parent, Mode mode, const QString& text,
             int position);

  int HelpTopic() const override { return topic::kIdeaList; }

  void cmdOk_Click();
  void cmdCancel_Click() {
    if (MayDiscardChanges()) Unload(QDialog::Rejected);
  }

 protected:
  void CancelRequested() override { cmdCancel_Click(); }
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  SessionDocument& document_;
  Mode mode_;
  int position_;
  QLabel* lblAddIdea_ = nullptr;
  QLineEdit* txtAddIdea_ = nullptr;
  QPushButton* cmdOk_ = nullptr;
  QPushButton* cmdCancel_ = nullptr;
};

}  // namespace quillane
