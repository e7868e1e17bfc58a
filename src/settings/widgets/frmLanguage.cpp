#include "settings/widgets/frmLanguage.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/SessionDocument.h"
#include "platform/Platform.h"
#include "resources/Texts.h"
#include "settings/Settings.h"

namespace quillane {

namespace {

constexpr int kFirstLanguageName = 622;  // English, Deutsch, Français, Nederlands
constexpr int kLanguages = 4;

}  // namespace

frmLanguage::frmLanguage(const HelpBook& help, Settings& settings, SessionDocument& document, QWidget* parent)
    : FormDialog(help, parent, QStringLiteral("frmLanguage")), settings_(settings), document_(document) {
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

  if (settings.nLanguage < 1 || settings.nLanguage > kLanguages) settings.nLanguage = 1;
  cboLanguage_->setCurrentIndex(settings.nLanguage - 1);

  connect(cmdOk_, &QPushButton::clicked, this, &frmLanguage::cmdOk_Click);
  connect(cmdCancel_, &QPushButton::clicked, this, &frmLanguage::cmdCancel_Click);
}

void frmLanguage::cmdOk_Click() {
  settings_.nLanguage = static_cast<Integer>(cboLanguage_->currentIndex() + 1);
  // Even an unchanged choice counts as a change of the session.
  document_.MarkModified();
  Unload(QDialog::Accepted);
}

void ShowLanguageDialog(const HelpBook& help, Settings& settings, SessionDocument& document,
                        const QString& settingsPath, QWidget* parent) {
  frmLanguage dialog(help, settings, document, parent);
  help.platform.ShowModal(dialog);
  // The choice is kept for the next run at once, not only on the way out.
  if (dialog.result() == QDialog::Accepted) WriteSettings(settingsPath, settings);
}

}  // namespace quillane
