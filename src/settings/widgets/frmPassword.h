#pragma once

#include <QString>
#include <optional>

#include "core/Session.h"
#include "ui/FormDialog.h"
#include "ui/HelpTopics.h"

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace quillane {

class SessionDocument;
class WrappingLabel;
struct KdfLimits;

// A password as the dialog gives it: in capitals for the letter-shift
// format, as typed for an encrypted one.
struct PasswordChoice {
  QString password;
  Protection protection = Protection::Encrypted;
};

// The password dialog. It only captures the typed text and the protection;
// the callers decide what they mean.
class frmPassword : public FormDialog {
  Q_OBJECT

 public:
  enum class Mode { Set, Enter };

  // Set mode shows `current`, the session's password, to be changed, and
  // lets the user choose its protection, starting at `protection`. Enter
  // mode asks for the password of a file of `protection`.
  frmPassword(const HelpBook& help, QWidget* parent, Mode mode, Protection protection,
              const QString& current = QString());

  int HelpTopic() const override { return topic::kPassword; }

  void cmdOk_Click();
  void cmdCancel_Click();

  // The typed password and its protection once OK closed the dialog.
  const PasswordChoice& entry() const { return entry_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Protection ChosenProtection() const;
  void ShowProtection();

  PasswordChoice entry_;
  Protection fileProtection_;
  QGroupBox* fraPassword_ = nullptr;
  QLineEdit* txtPassword_ = nullptr;
  QCheckBox* chkEncrypt_ = nullptr;
  WrappingLabel* lblProtection_ = nullptr;
  QPushButton* cmdOk_ = nullptr;
  QPushButton* cmdCancel_ = nullptr;
};

// The Password command: the dialog in set mode, pre-filled with the current
// password, encryption chosen unless the session keeps the letter-shift
// format. Confirming sets or (with an empty text) removes the protection;
// a new encrypted password gets its key (of `limits`, a fresh salt) before
// the session takes it. True when the session took what was confirmed.
bool SetPasswordCommand(const HelpBook& help, SessionDocument& document, const KdfLimits& limits,
                        int& fileWork, QWidget* parent);

// The dialog in enter mode, as opening a protected workfile of `protection`
// asks for it: the typed password (in capitals for the letter-shift format),
// or nothing when cancelled.
std::optional<QString> AskPasswordEntry(const HelpBook& help, QWidget* parent, Protection protection);

}  // namespace quillane
