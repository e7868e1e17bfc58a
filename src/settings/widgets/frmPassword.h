#pragma once

#include <QString>
#include <optional>

#include "ui/FormDialog.h"
#include "ui/HelpTopics.h"

class QGroupBox;
class QLineEdit;
class QPushButton;

namespace quillane {

class SessionDocument;

// The password dialog. It only captures the typed text, in capitals; the
// callers decide what it means.
class frmPassword : public FormDialog {
  Q_OBJECT

 public:
  enum class Mode { Set, Enter };

  // Set mode shows `current`, the session's password, to be changed.
  frmPassword(const HelpBook& help, QWidget* parent, Mode mode, const QString& current = QString());

  int HelpTopic() const override { return topic::kPassword; }

  void cmdOk_Click();
  void cmdCancel_Click();

  // The typed password in capitals once OK closed the dialog.
  const QString& entry() const { return entry_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QString entry_;
  QGroupBox* fraPassword_ = nullptr;
  QLineEdit* txtPassword_ = nullptr;
  QPushButton* cmdOk_ = nullptr;
  QPushButton* cmdCancel_ = nullptr;
};

// The Password command: the dialog in set mode, pre-filled with the current
// password. Confirming sets or (with an empty text) removes the protection.
// True when the user confirmed.
bool SetPasswordCommand(const HelpBook& help, SessionDocument& document, QWidget* parent);

// The dialog in enter mode, as opening a protected workfile asks for it:
// the typed password in capitals, or nothing when cancelled.
std::optional<QString> AskPasswordEntry(const HelpBook& help, QWidget* parent);

}  // namespace quillane
