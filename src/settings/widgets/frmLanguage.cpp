#include "settings/widgets/frmLanguage.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/Program.h"
#include "platform/Platform.h"
#include "resources/Texts.h"
#include "settings/Settings.h"

namespace quillane {

namespace {

constexpr int kFirstLanguageName = 622;  // English, Deutsch, Français, Nederlands
constexpr int kLanguages = 4;

}  // namespace

frmLanguage::frmLanguage(Program& program, QWidget* parent)
    : FormDialog(program, parent, QStringLiteral("frmLanguage")) {
  fraLanguage_ = new QGroupBox(Text(621), this);
  fraLanguage_->setObjectName(QStringLiteral("fraLanguage"));
  cboLanguage_ = new QComboBox(fraLanguage_);
  cboLanguage_->setObjectName(QStringLiteral("cboLanguage"));
  cboLanguage_->setAccessibleName(ShownText(621));
  for (int i = 0; i < kLanguages; ++i) cboLanguage_->addItem(Text(kFirstLanguageName + i));
  auto* frameLayout = new QVBoxLayout(fraLanguage_);
  frameLayout->addWidget(cboLanguage_);

  const CommonButtons common = AddCommonButtons(false);
  cmdOk_ = common.ok;
  cmdCancel_ = common.cancel;

  auto* layout = new QHBoxLayout(this);
  layout->addWidget(fraLanguage_, 1);
  layout->addLayout(common.column);
  setWindowTitle(ShownText(620));

  Session& s = program.session;
  if (s.nLanguage < 1 || s.nLanguage > kLanguages) s.nLanguage = 1;
  cboLanguage_->setCurrentIndex(s.nLanguage - 1);

  connect(cmdOk_, &QPushButton::clicked, this, &frmLanguage::cmdOk_Click);
  connect(cmdCancel_, &QPushButton::clicked, this, &frmLanguage::cmdCancel_Click);
}

void frmLanguage::cmdOk_Click() {
  Session& s = program().session;
  s.nLanguage = static_cast<Integer>(cboLanguage_->currentIndex() + 1);
  // Even an unchanged choice counts as a change of the session.
  s.bChanged = true;
  Unload(QDialog::Accepted);
}

void ShowLanguageDialog(Program& program, QWidget* parent) {
  frmLanguage dialog(program, parent);
  program.platform.ShowModal(dialog);
  // The choice is kept for the next run at once, not only on the way out.
  if (dialog.result() == QDialog::Accepted) WriteSettings(program.settingsPath, program.session);
}

}  // namespace quillane
