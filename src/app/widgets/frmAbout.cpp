#include "app/widgets/frmAbout.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/Platform.h"
#include "resources/Texts.h"

namespace quillane {

frmAbout::frmAbout(const HelpBook& help, const QString& version, QWidget* parent)
    : FormDialog(help, parent, QStringLiteral("frmAbout")), sVersion_(version) {
  imgLogo_ = new QLabel(this);
  imgLogo_->setObjectName(QStringLiteral("imgLogo"));
  imgLogo_->setFixedSize(300, 60);
  lblVersion_ = new QLabel(this);
  lblVersion_->setObjectName(QStringLiteral("lblVersion"));
  lblVersion_->setAlignment(Qt::AlignHCenter);
  cmdOk_ = new QPushButton(this);
  cmdOk_->setObjectName(QStringLiteral("cmdOk"));

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(24, 20, 24, 16);
  layout->setSpacing(12);
  layout->addWidget(imgLogo_, 0, Qt::AlignHCenter);
  layout->addWidget(lblVersion_);
  layout->addWidget(cmdOk_, 0, Qt::AlignHCenter);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(cmdOk_, &QPushButton::clicked, this, &frmAbout::cmdOk_Click);
}

void frmAbout::SetLogo(const QPixmap& logo) {
  imgLogo_->setPixmap(logo);
  imgLogo_->setAccessibleName(ShownText(3001));
}

void frmAbout::SetAboutTexts() {
  setWindowTitle(ShownText(200));
  QString version = Text(100);
  version = version.left(1).toUpper() + version.mid(1).toLower();
  lblVersion_->setText(version + QLatin1Char(' ') + sVersion_);
  cmdOk_->setText(Text(120));
}

void ShowAboutBox(const HelpBook& help, const QString& version, QWidget* parent, const QPixmap& logo) {
  frmAbout dialog(help, version, parent);
  dialog.SetLogo(logo);
  dialog.SetAboutTexts();
  help.platform.ShowModal(dialog);
}

}  // namespace quillane
