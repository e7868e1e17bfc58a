#include "ideas/widgets/frmAddIdea.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/SessionDocument.h"
#include "ideas/IdeaList.h"
#include "resources/Texts.h"
#include "ui/TextEntry.h"

namespace quillane {

frmAddIdea::frmAddIdea(SessionDocument& document, const HelpBook& help, QWidget* parent, Mode mode,
                       const QString& text, int position)
    : FormDialog(help, parent, QStringLiteral("frmAddIdea")),
      document_(document),
      mode_(mode),
      position_(position) {
  AskBeforeDiscarding(true);
  const bool edit = mode == Mode::Edit;
  setWindowTitle(ShownText(edit ? 212 : 210));
  lblAddIdea_ = new QLabel(ShownText(edit ? 213 : 211), this);
  lblAddIdea_->setObjectName(QStringLiteral("lblAddIdea"));
  txtAddIdea_ = new QLineEdit(this);
  txtAddIdea_->setObjectName(QStringLiteral("txtAddIdea"));
  LimitEntry(txtAddIdea_, kMaxTextLength);
  txtAddIdea_->setMinimumWidth(420);
  txtAddIdea_->installEventFilter(this);
  lblAddIdea_->setBuddy(txtAddIdea_);
  cmdOk_ = new QPushButton(Text(120), this);
  cmdOk_->setObjectName(QStringLiteral("cmdOk"));
  cmdOk_->setEnabled(false);
  cmdCancel_ = new QPushButton(Text(121), this);
  cmdCancel_->setObjectName(QStringLiteral("cmdCancel"));

  auto* entry = new QVBoxLayout;
  entry->addWidget(lblAddIdea_);
  entry->addWidget(txtAddIdea_);
  entry->addStretch();
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(cmdOk_);
  buttons->addWidget(cmdCancel_);
  buttons->addStretch();
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(entry, 1);
  layout->addLayout(buttons);

  connect(txtAddIdea_, &QLineEdit::textChanged, this,
          [this](const QString& t) { cmdOk_->setEnabled(t.size() >= kMinIdeaLength); });
  connect(cmdOk_, &QPushButton::clicked, this, &frmAddIdea::cmdOk_Click);
  connect(cmdCancel_, &QPushButton::clicked, this, &frmAddIdea::cmdCancel_Click);
  txtAddIdea_->setText(text);
  txtAddIdea_->selectAll();
}

bool frmAddIdea::eventFilter(QObject* watched, QEvent* event) {
  if (watched == txtAddIdea_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter)) {
      if (cmdOk_->isEnabled()) cmdOk_Click();
      return true;
    }
  }
  return FormDialog::eventFilter(watched, event);
}

void frmAddIdea::cmdOk_Click() {
  if (mode_ == Mode::Edit) {
    document_.ReplaceIdea(position_, txtAddIdea_->text());
  } else {
    AddIdea(document_, txtAddIdea_->text());
  }
  Unload(QDialog::Accepted);
}

}  // namespace quillane
