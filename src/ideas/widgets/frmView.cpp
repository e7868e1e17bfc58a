#include "ideas/widgets/frmView.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/Program.h"
#include "ideas/IdeaSelection.h"
#include "ideas/widgets/frmAddIdea.h"
#include "platform/Platform.h"
#include "resources/Texts.h"
#include "ui/HelpContexts.h"
#include "ui/HelpTopics.h"

namespace quillane {

frmView::frmView(Program& program, QWidget* parent) : FormDialog(program, parent, QStringLiteral("frmView")) {
  fraView_ = new QGroupBox(this);
  fraView_->setObjectName(QStringLiteral("fraView"));
  lblView_ = new QLabel(fraView_);
  lblView_->setObjectName(QStringLiteral("lblView"));
  lstView_ = new QListWidget(fraView_);
  lstView_->setObjectName(QStringLiteral("lstView"));
  lstView_->setSelectionMode(QAbstractItemView::MultiSelection);
  lstView_->setMinimumSize(480, 300);
  lblView_->setBuddy(lstView_);
  auto* frameLayout = new QVBoxLayout(fraView_);
  frameLayout->addWidget(lblView_);
  frameLayout->addWidget(lstView_);

  auto button = [this](const char* name, int caption) {
    auto* b = new QPushButton(Text(caption), this);
    b->setObjectName(QLatin1String(name));
    return b;
  };
  cmdOk_ = button("cmdOk", 120);
  cmdCancel_ = button("cmdCancel", 121);
  cmdAdd_ = button("cmdAdd", 123);
  cmdEdit_ = button("cmdEdit", 124);
  cmdDelete_ = button("cmdDelete", 125);
  cmdEdit_->setEnabled(false);
  cmdDelete_->setEnabled(false);
  auto* buttons = new QVBoxLayout;
  for (QPushButton* b : {cmdOk_, cmdCancel_}) buttons->addWidget(b);
  buttons->addSpacing(16);
  for (QPushButton* b : {cmdAdd_, cmdEdit_, cmdDelete_}) buttons->addWidget(b);
  buttons->addStretch();
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(fraView_, 1);

  connect(lstView_, &QListWidget::itemClicked, this, &frmView::ShowCurrentState);
  connect(lstView_, &QListWidget::itemDoubleClicked, this, [this] {
    if (cmdEdit_->isEnabled()) cmdEdit_Click();
  });
  connect(cmdOk_, &QPushButton::clicked, this, &frmView::cmdOk_Click);
  connect(cmdCancel_, &QPushButton::clicked, this, &frmView::cmdCancel_Click);
  connect(cmdAdd_, &QPushButton::clicked, this, &frmView::cmdAdd_Click);
  connect(cmdEdit_, &QPushButton::clicked, this, &frmView::cmdEdit_Click);
  connect(cmdDelete_, &QPushButton::clicked, this, &frmView::DeleteSelectedIdeas);
}

bool frmView::Picking() const {
  const Session& s = program().session;
  return s.bMindStepPick || s.bClusterPick || s.bEvalPick;
}

void frmView::SetViewTexts() {
  const Session& s = program().session;
  const int caption = s.bMindStepPick ? 1010 : s.bClusterPick ? 1011 : s.bEvalPick ? 1012 : 1013;
  setWindowTitle(ShownText(caption));
  fraView_->setTitle(Text(Picking() ? 2230 : 2231));
  lblView_->setText(ShownText(2232));
}

void frmView::Fill(const TextList<kMaxIdeas>& list, int count) {
  lstView_->clear();
  for (int i = 1; i <= count; ++i) lstView_->addItem(list[static_cast<std::size_t>(i)]);
  const bool picking = Picking();
  cmdCancel_->setVisible(picking);
  cmdAdd_->setVisible(!picking);
  cmdEdit_->setVisible(!picking);
  cmdDelete_->setVisible(!picking);
}

void frmView::ShowCurrentState() {
  const bool current = lstView_->currentRow() != -1;
  cmdEdit_->setEnabled(current);
  cmdDelete_->setEnabled(current);
}

QStringList frmView::Selected() const {
  QStringList picked;
  for (int i = 0; i < lstView_->count(); ++i) {
    if (lstView_->item(i)->isSelected()) picked << lstView_->item(i)->text();
  }
  return picked;
}

void frmView::Rebuild() {
  const Session& s = program().session;
  Fill(s.sIdeas, s.nIdeas);
}

void frmView::cmdAdd_Click() {
  program().session.bEditMode = false;
  frmAddIdea dialog(program(), this, QString(), 0);
  program().platform.ShowModal(dialog);
  Rebuild();
}

void frmView::cmdEdit_Click() {
  program().session.bEditMode = true;
  QListWidgetItem* current = lstView_->currentItem();
  frmAddIdea dialog(program(), this, current ? current->text() : QString(), lstView_->currentRow() + 1);
  program().platform.ShowModal(dialog);
  program().session.bEditMode = false;
  Rebuild();
}

void frmView::DeleteSelectedIdeas() {
  Program& p = program();
  const int flags = MsgFlags::kYesNo + MsgFlags::kQuestion + MsgFlags::kDefaultButton2;
  if (p.MessageBox(Text(504), flags) == kAnswerNo) return;
  if (p.MessageBox(Text(533), flags) == kAnswerNo) return;
  for (int i = 0; i < lstView_->count(); ++i) {
    p.MarkProgressStep(ProgressStep::IdeasRemoved);
    if (lstView_->item(i)->isSelected()) {
      delete lstView_->takeItem(i);
      --i;
    }
  }
  QStringList remaining;
  for (int i = 0; i < lstView_->count(); ++i) remaining << lstView_->item(i)->text();
  StoreIdeas(p.session, remaining);
  IdeasDeleted(p);
  if (lstView_->count() == 0) {
    cmdEdit_->setEnabled(false);
    cmdDelete_->setEnabled(false);
  }
}

void frmView::cmdOk_Click() {
  Program& p = program();
  Session& s = p.session;
  const QStringList picked = Selected();
  if (s.bMindStepPick) {
    StorePick(s.sMindStep, s.nMindStep, picked);
    s.nMindStepPos = 1;
    if (s.nMindStep == 0) {
      p.MessageBox(Text(505), MsgFlags::kOkOnly);
      return;
    }
    s.bMindStepPick = false;
  } else if (s.bClusterPick) {
    StorePick(s.sCluster, s.nCluster, picked);
    if (s.nCluster == 0) {
      p.MessageBox(Text(505), MsgFlags::kOkOnly);
      return;
    }
    s.bClusterPick = false;
  } else if (s.bEvalPick) {
    StorePick(s.sEvalIdeas, s.nEvalIdeas, picked);
    if (s.nEvalIdeas < 2) {
      p.MessageBox(Text(508), MsgFlags::kOkOnly);
      return;
    }
    s.bEvalPick = false;
  }
  s.bViewShown = false;
  Unload(QDialog::Accepted);
}

void frmView::cmdCancel_Click() {
  Session& s = program().session;
  s.bCancel = true;
  s.bMindStepPick = false;
  s.bClusterPick = false;
  s.bEvalPick = false;
  Unload(QDialog::Rejected);
}

int frmView::HelpTopic() const {
  const Session& s = program().session;
  if (s.bMindStepPick) return topic::kMindStepping;
  if (s.bClusterPick) return topic::kClustering;
  if (s.bEvalPick) return topic::kEvaluation;
  return topic::kIdeaList;
}

void frmView::CancelRequested() {
  // Escape and the close box: Cancel where it is shown, OK in view/edit mode.
  if (Picking()) {
    cmdCancel_Click();
  } else {
    cmdOk_Click();
  }
}

void ShowIdeaList(Program& program, QWidget* parent) {
  frmView dialog(program, parent);
  dialog.SetViewTexts();
  SetHelpContexts();
  dialog.Fill(program.session.sIdeas, program.session.nIdeas);
  program.session.bViewShown = true;
  program.platform.ShowModal(dialog);
}

}  // namespace quillane
