#include "ideas/widgets/frmView.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "core/Prompter.h"
#include "core/RunEvents.h"
#include "core/SessionDocument.h"
#include "ideas/IdeaSelection.h"
#include "ideas/widgets/frmAddIdea.h"
#include "platform/Platform.h"
#include "resources/Texts.h"
#include "ui/ClickList.h"
#include "ui/HelpContexts.h"
#include "ui/HelpTopics.h"

namespace quillane {

frmView::frmView(SessionDocument& document, Prompter& prompter, RunEvents& events, const HelpBook& help,
                 QWidget* parent, IdeaPick pick)
    : FormDialog(help, parent, QStringLiteral("frmView")),
      document_(document),
      prompter_(prompter),
      events_(events),
      pick_(pick) {
  fraView_ = new QGroupBox(this);
  fraView_->setObjectName(QStringLiteral("fraView"));
  lblView_ = new QLabel(fraView_);
  lblView_->setObjectName(QStringLiteral("lblView"));
  auto* list = new ClickList(fraView_);
  list->onClick = [this] { ShowCurrentState(); };
  lstView_ = list;
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

  connect(lstView_, &QListWidget::itemDoubleClicked, this, [this] {
    if (cmdEdit_->isEnabled()) cmdEdit_Click();
  });
  connect(cmdOk_, &QPushButton::clicked, this, &frmView::cmdOk_Click);
  connect(cmdCancel_, &QPushButton::clicked, this, &frmView::cmdCancel_Click);
  connect(cmdAdd_, &QPushButton::clicked, this, &frmView::cmdAdd_Click);
  connect(cmdEdit_, &QPushButton::clicked, this, &frmView::cmdEdit_Click);
  connect(cmdDelete_, &QPushButton::clicked, this, &frmView::DeleteSelectedIdeas);
  lstView_->installEventFilter(this);
  auto* undo = new QShortcut(QKeySequence::Undo, this);
  connect(undo, &QShortcut::activated, this, &frmView::UndoDelete);
}

bool frmView::eventFilter(QObject* watched, QEvent* event) {
  if (watched == lstView_ && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
    if (cmdDelete_->isEnabled()) DeleteSelectedIdeas();
    return true;
  }
  return FormDialog::eventFilter(watched, event);
}

void frmView::SetViewTexts() {
  constexpr int kCaptions[] = {1013, 1010, 1011, 1012};
  const int caption = kCaptions[static_cast<int>(pick_)];
  setWindowTitle(ShownText(caption));
  fraView_->setTitle(Text(Picking() ? 2230 : 2231));
  lblView_->setText(ShownText(2232));
  lstView_->setAccessibleName(ShownText(2232));  // a list never takes its name from a label
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
  const SessionContent& s = document_.content();
  Fill(s.sIdeas, s.nIdeas);
}

// A confirmed add or edit shows the list anew; a cancelled one leaves the
// list, and the user's picks in it, as they were.
void frmView::cmdAdd_Click() {
  frmAddIdea dialog(document_, help(), this, frmAddIdea::Mode::Add, QString(), 0);
  if (platform().ShowModal(dialog) == QDialog::Accepted) Rebuild();
}

void frmView::cmdEdit_Click() {
  QListWidgetItem* current = lstView_->currentItem();
  frmAddIdea dialog(document_, help(), this, frmAddIdea::Mode::Edit, current ? current->text() : QString(),
                    lstView_->currentRow() + 1);
  if (platform().ShowModal(dialog) == QDialog::Accepted) Rebuild();
}

void frmView::DeleteSelectedIdeas() {
  const MsgStyle flags = MsgButtons::YesNo + MsgIcon::Question + MsgDefault::Second;
  if (prompter_.Ask(Text(504), flags) == Answer::No) return;
  if (prompter_.Ask(Text(533), flags) == Answer::No) return;
  // "Ideas removed" is lit as the list is gone through, row by row.
  for (int i = 0; i < lstView_->count(); ++i) emit events_.ideasRemoved();
  deleted_.TakeSelected(lstView_);
  StoreShownIdeas();
}

void frmView::UndoDelete() {
  if (!deleted_.RestoreLast(lstView_, kMaxIdeas)) return;
  StoreShownIdeas();
}

void frmView::StoreShownIdeas() {
  QStringList shown;
  for (int i = 0; i < lstView_->count(); ++i) shown << lstView_->item(i)->text();
  document_.SetRemainingIdeas(shown);
  cmdEdit_->setEnabled(lstView_->count() != 0);
  cmdDelete_->setEnabled(lstView_->count() != 0);
}

void frmView::cmdOk_Click() {
  const QStringList picked = Selected();
  if (const int refusal = PickRefusal(pick_, static_cast<int>(picked.size()))) {
    prompter_.Tell(Text(refusal));
    return;
  }
  picked_ = picked;
  Unload(QDialog::Accepted);
}

void frmView::cmdCancel_Click() {
  Unload(QDialog::Rejected);
}

int frmView::HelpTopic() const {
  // Picking for a technique shows that technique's help.
  switch (pick_) {
    case IdeaPick::MindStepping: return topic::kMindStepping;
    case IdeaPick::Clustering: return topic::kClustering;
    case IdeaPick::Evaluation: return topic::kEvaluation;
    case IdeaPick::None: break;
  }
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

namespace {

// Shows the dialog for `pick`; true when it closed with OK.
bool ShowSelection(const SessionContent& content, frmView& dialog) {
  dialog.SetViewTexts();
  dialog.Fill(content.sIdeas, content.nIdeas);
  SetHelpContexts();
  dialog.platform().ShowModal(dialog);
  return dialog.result() == QDialog::Accepted;
}

}  // namespace

void ShowIdeaList(SessionDocument& document, Prompter& prompter, RunEvents& events, const HelpBook& help,
                  QWidget* parent) {
  frmView dialog(document, prompter, events, help, parent, IdeaPick::None);
  ShowSelection(document.content(), dialog);
}

std::optional<QStringList> PickIdeas(SessionDocument& document, Prompter& prompter, RunEvents& events,
                                     const HelpBook& help, QWidget* parent, IdeaPick pick) {
  frmView dialog(document, prompter, events, help, parent, pick);
  if (!ShowSelection(document.content(), dialog)) return std::nullopt;
  return dialog.picked();
}

}  // namespace quillane
