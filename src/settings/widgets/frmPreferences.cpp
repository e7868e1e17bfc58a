#include "settings/widgets/frmPreferences.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

#include "core/Prompter.h"
#include "core/TimerSwitch.h"
#include "files/FileChoice.h"
#include "platform/Platform.h"
#include "resources/Texts.h"
#include "session/AutoBackup.h"
#include "settings/Settings.h"
#include "ui/HelpContexts.h"

namespace quillane {

namespace {
constexpr int kMaxEditorPath = 254;
}  // namespace

frmPreferences::frmPreferences(const HelpBook& help, Settings& settings, TimerSwitch& backupTimer,
                               AutoBackup& autoBackup, Prompter& prompter, QWidget* parent)
    : FormDialog(help, parent, QStringLiteral("frmPreferences")),
      settings_(settings),
      backupTimer_(backupTimer),
      autoBackup_(autoBackup),
      prompter_(prompter) {
  AskBeforeDiscarding(true);
  auto named = [](QWidget* w, const char* name) {
    w->setObjectName(QLatin1String(name));
    return w;
  };
  fraAutoBackup_ = static_cast<QGroupBox*>(named(new QGroupBox(this), "fraAutoBackup"));
  chkAutoBackup_ = static_cast<QCheckBox*>(named(new QCheckBox(fraAutoBackup_), "chkAutoBackup"));
  txtAutoBackup_ = static_cast<QLineEdit*>(named(new QLineEdit(fraAutoBackup_), "txtAutoBackup"));
  txtAutoBackup_->setMaxLength(2);
  txtAutoBackup_->setFixedWidth(std::max(40, txtAutoBackup_->minimumSizeHint().width()));
  txtAutoBackup_->installEventFilter(this);
  vsbAutoBackup_ =
      static_cast<QScrollBar*>(named(new QScrollBar(Qt::Vertical, fraAutoBackup_), "vsbAutoBackup"));
  vsbAutoBackup_->setRange(-1, 1);
  vsbAutoBackup_->setValue(0);
  vsbAutoBackup_->setFixedHeight(txtAutoBackup_->sizeHint().height());
  lblAutoBackup_ = static_cast<QLabel*>(named(new QLabel(fraAutoBackup_), "lblAutoBackup"));
  auto* backupRow = new QHBoxLayout(fraAutoBackup_);
  backupRow->addWidget(chkAutoBackup_);
  backupRow->addWidget(txtAutoBackup_);
  backupRow->addWidget(vsbAutoBackup_);
  backupRow->addWidget(lblAutoBackup_);
  backupRow->addStretch();

  fraExtProg_ = static_cast<QGroupBox*>(named(new QGroupBox(this), "fraExtProg"));
  lblViewer_ = static_cast<QLabel*>(named(new QLabel(fraExtProg_), "lblViewer"));
  txtNotepad_ = static_cast<QLineEdit*>(named(new QLineEdit(fraExtProg_), "txtNotepad"));
  txtNotepad_->setMaxLength(kMaxEditorPath);
  txtNotepad_->setMinimumWidth(320);
  lblViewer_->setBuddy(txtNotepad_);
  cmdBrowse_ = static_cast<QPushButton*>(named(new QPushButton(fraExtProg_), "cmdBrowse"));
  auto* programRow = new QHBoxLayout(fraExtProg_);
  programRow->addWidget(lblViewer_);
  programRow->addWidget(txtNotepad_, 1);
  programRow->addWidget(cmdBrowse_);

  const CommonButtons common = AddCommonButtons(true);
  cmdOk_ = common.ok;
  cmdCancel_ = common.cancel;
  cmdHelp_ = common.help;
  auto* frames = new QVBoxLayout;
  frames->addWidget(fraAutoBackup_);
  frames->addWidget(fraExtProg_);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(common.column);
  layout->addLayout(frames, 1);

  SetPreferencesTexts();
  chkAutoBackup_->setChecked(settings.nAutoBackup != 0);
  txtAutoBackup_->setText(QString::number(settings.nAutoBackupTime));
  txtAutoBackup_Change();
  chkAutoBackup_Click();
  txtNotepad_->setText(settings.sTextEditor);

  connect(chkAutoBackup_, &QCheckBox::clicked, this, &frmPreferences::chkAutoBackup_Click);
  connect(txtAutoBackup_, &QLineEdit::textChanged, this, &frmPreferences::txtAutoBackup_Change);
  connect(vsbAutoBackup_, &QScrollBar::valueChanged, this, &frmPreferences::vsbAutoBackup_Change);
  connect(cmdBrowse_, &QPushButton::clicked, this, &frmPreferences::cmdBrowse_Click);
  connect(cmdOk_, &QPushButton::clicked, this, &frmPreferences::cmdOk_Click);
  connect(cmdCancel_, &QPushButton::clicked, this, &frmPreferences::cmdCancel_Click);
}

void frmPreferences::SetPreferencesTexts() {
  setWindowTitle(ShownText(600));
  fraAutoBackup_->setTitle(Text(601));
  fraExtProg_->setTitle(Text(602));
  chkAutoBackup_->setText(Text(603));
  lblAutoBackup_->setText(ShownText(604));
  txtAutoBackup_->setAccessibleName(ShownText(603));
  vsbAutoBackup_->setAccessibleName(ShownText(603));
  lblViewer_->setText(ShownText(605));
  cmdBrowse_->setText(Text(606));
  cmdOk_->setText(Text(120));
  cmdCancel_->setText(Text(121));
  cmdHelp_->setText(Text(122));
}

void frmPreferences::chkAutoBackup_Click() {
  const bool on = chkAutoBackup_->isChecked();
  txtAutoBackup_->setEnabled(on);
  vsbAutoBackup_->setEnabled(on);
}

bool frmPreferences::eventFilter(QObject* watched, QEvent* event) {
  if (watched == txtAutoBackup_) {
    if (event->type() == QEvent::KeyPress) {
      // Only printable characters that are not digits are kept out: the
      // arrows, Home, End, Delete, Backspace and Tab work as in any box, and
      // Escape reaches the dialog, which cancels.
      const auto* key = static_cast<QKeyEvent*>(event);
      const QString typed = key->text();
      const bool printable = !typed.isEmpty() && typed.at(0).isPrint();
      const bool digit =
          typed.size() == 1 && typed.at(0) >= QLatin1Char('0') && typed.at(0) <= QLatin1Char('9');
      if (printable && !digit) return true;
    } else if (event->type() == QEvent::FocusIn) {
      // Selected after Qt's own focus handling, which would otherwise place the cursor.
      QTimer::singleShot(0, txtAutoBackup_, &QLineEdit::selectAll);
    }
  }
  return FormDialog::eventFilter(watched, event);
}

void frmPreferences::txtAutoBackup_Change() {
  bool ok = false;
  int minutes = txtAutoBackup_->text().toInt(&ok);
  if (!ok) minutes = 0;
  if (minutes > kLongestBackupTime) {
    txtAutoBackup_->setText(QString::number(kLongestBackupTime));
  } else if (minutes < kShortestBackupTime) {
    txtAutoBackup_->setText(QString::number(kShortestBackupTime));
  }
}

void frmPreferences::vsbAutoBackup_Change(int value) {
  if (value == 0) return;  // the bar returning to rest
  const int minutes = txtAutoBackup_->text().toInt();
  // The arrow towards -1 raises the minutes, the one towards 1 lowers them.
  txtAutoBackup_->setText(QString::number(value >= 1 ? minutes - 1 : minutes + 1));
  vsbAutoBackup_->setValue(0);
  if (txtAutoBackup_->isEnabled()) txtAutoBackup_->setFocus();
}

void frmPreferences::cmdBrowse_Click() {
  const auto chosen =
      ChooseFile(prompter_, FileDialogMode::Open, {Text(901), Text(902)}, txtNotepad_->text());
  if (chosen && FileExists(*chosen)) txtNotepad_->setText(*chosen);
}

void frmPreferences::cmdOk_Click() {
  settings_.nAutoBackup = chkAutoBackup_->isChecked() ? 1 : 0;
  backupTimer_.SetEnabled(chkAutoBackup_->isChecked());
  settings_.nAutoBackupTime = static_cast<std::int16_t>(txtAutoBackup_->text().toInt());
  autoBackup_.StartInterval();
  // No viewer at all is an answer too: the desktop's own application then
  // shows reports and plans.
  const QString editor = txtNotepad_->text().trimmed();
  if (editor.isEmpty() || FileExists(editor)) {
    settings_.sTextEditor = editor;
    Unload(QDialog::Accepted);
    return;
  }
  prompter_.Tell(Text(501) + QLatin1Char(' ') + editor, MsgButtons::OkOnly);
}

void ShowPreferencesDialog(const HelpBook& help, Settings& settings, TimerSwitch& backupTimer,
                           AutoBackup& autoBackup, Prompter& prompter, QWidget* parent) {
  frmPreferences dialog(help, settings, backupTimer, autoBackup, prompter, parent);
  help.platform.ShowModal(dialog);
}

}  // namespace quillane
