#include "criteria/widgets/frmCriteria.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

#include "core/SessionDocument.h"
#include "criteria/PairRating.h"
#include "platform/Platform.h"
#include "resources/Texts.h"
#include "ui/GoalLine.h"
#include "ui/HelpContexts.h"
#include "ui/HelpTopics.h"
#include "ui/ListEditor.h"
#include "ui/PageLabel.h"

namespace quillane {

frmCriteria::frmCriteria(SessionDocument& document, Prompter& prompter, RunEvents& events,
                         RatingState& rating, const HelpBook& help, QWidget* parent)
    : FormDialog(help, parent, QStringLiteral("frmCriteria")),
      document_(document),
      prompter_(prompter),
      events_(events),
      rating_(rating) {
  AskBeforeDiscarding(true);
  const CommonButtons common = AddCommonButtons(true);
  cmdOk_ = common.ok;
  cmdCancel_ = common.cancel;
  cmdHelp_ = common.help;

  fraCriteriaSet = BuildSetPage();
  fraCriteriaRate = BuildRatePage();
  fraCriteriaView = BuildViewPage();

  // The three pages share one place; the opening shows one of them.
  auto* pages = new QGridLayout;
  for (QGroupBox* page : {fraCriteriaSet, fraCriteriaRate, fraCriteriaView}) {
    pages->addWidget(page, 0, 0);
    page->hide();
  }

  auto* layout = new QHBoxLayout(this);
  layout->addLayout(common.column);
  layout->addLayout(pages, 1);

  connect(cmdOk_, &QPushButton::clicked, this, &frmCriteria::cmdOk_Click);
  connect(cmdCancel_, &QPushButton::clicked, this, &frmCriteria::cmdCancel_Click);
}

void frmCriteria::AddGoalRow(QWidget* page, QBoxLayout* layout, const QString& namePrefix) {
  const QByteArray caption = namePrefix.toLatin1();
  const QByteArray goal = caption + "Goal";
  const GoalLine line = AddGoalLine(page, layout, caption.constData(), goal.constData());
  goalCaptions_ << line.caption;
  goalLabels_ << line.goal;
}

void frmCriteria::SetCriteriaTexts() {
  setWindowTitle(ShownText(250));
  cmdOk_->setText(Text(120));
  cmdCancel_->setText(Text(121));
  cmdHelp_->setText(Text(122));

  for (QLabel* caption : goalCaptions_) caption->setText(ShownText(257));

  fraCriteriaSet->setTitle(Text(2200));
  lblCriteriaSet_->setText(ShownText(251));
  // The label stands outside the list editor: the box takes its name itself.
  criteriaList_->textBox()->setAccessibleName(ShownText(251));
  criteriaList_->SetButtonTexts();

  fraCriteriaRate->setTitle(Text(2201));
  lblCriteriaRate_->setText(ShownText(252));
  lblCriteriaMuchLess_->setText(ShownText(253));
  lblCriteriaMuchMore_->setText(ShownText(254));
  lblCriteriaRateImportantThan_->setText(ShownText(255));
  cmdCriteriaRate_->setText(Text(126));

  fraCriteriaView->setTitle(Text(2202));
  lblCriteriaView_->setText(ShownText(256));
  FitWrappedLabels();
}

void frmCriteria::FitWrappedLabels() {
  const int width = PageTextWidth(this);
  for (qsizetype i = 0; i < goalLabels_.size(); ++i) {
    const int captionWidth =
        goalCaptions_[i]->sizeHint().width() + goalCaptions_[i]->parentWidget()->layout()->spacing();
    FitWrappedLabel(goalLabels_[i], width - captionWidth);
  }
  FitWrappedLabel(lblCriteriaRate_, width);
  // The pair changes at every Next: room for the tallest criterion keeps
  // the dialog one size.
  const SessionContent& s = document_.content();
  QStringList criteria;
  for (int i = 1; i <= s.nCriteria; ++i) criteria << s.sCriteria[static_cast<std::size_t>(i)];
  for (QLabel* label : {lblCriteriaA_, lblCriteriaB_}) FitWrappedLabel(label, width, criteria);
}

int frmCriteria::HelpTopic() const {
  int number = topic::kCriteriaMenu;
  if (fraCriteriaSet->isVisibleTo(this)) number = topic::kCriteriaSet;
  if (fraCriteriaRate->isVisibleTo(this)) number = topic::kCriteriaRate;
  if (fraCriteriaView->isVisibleTo(this)) number = topic::kCriteriaView;
  return number;
}

QWidget* frmCriteria::FirstControl() const {
  QWidget* control = nullptr;  // the View page has nothing to enter
  if (fraCriteriaSet->isVisibleTo(this)) control = criteriaList_->textBox();
  if (fraCriteriaRate->isVisibleTo(this)) control = sliCriteriaRate_;
  return control;
}

void frmCriteria::FormActivate() {
  FocusFirstControl();
  SetHelpContexts();
}

void frmCriteria::FormDeactivate() {
  // Another of the program's own windows taking over confirms the dialog.
  if (!unloading_) cmdOk_Click();
}

void frmCriteria::cmdOk_Click() {
  if (fraCriteriaSet->isVisibleTo(this)) document_.SetCriteria(criteriaList_->Entries());
  if (fraCriteriaRate->isVisibleTo(this)) SettleRating(document_, rating_);
  // OK counts as a change on every page, the View page included.
  document_.MarkModified();
  Close(QDialog::Accepted);
}

void frmCriteria::cmdCancel_Click() {
  if (!MayDiscardChanges()) return;
  if (fraCriteriaRate->isVisibleTo(this)) SettleRating(document_, rating_);
  Close(QDialog::Rejected);
}

void frmCriteria::Close(int result) {
  unloading_ = true;
  Unload(result);
}

void ShowCriteriaDialog(SessionDocument& document, Prompter& prompter, RunEvents& events, RatingState& rating,
                        const HelpBook& help, QWidget* parent, int mode) {
  frmCriteria dialog(document, prompter, events, rating, help, parent);
  switch (mode) {
    case kCriteriaSetMode:
      dialog.fraCriteriaSet->show();
      dialog.PrepareSetPage();
      break;
    case kCriteriaRateMode:
      dialog.fraCriteriaRate->show();
      dialog.PrepareRatePage();
      break;
    case kCriteriaViewMode:
      dialog.fraCriteriaView->show();
      dialog.PrepareViewPage();
      break;
    default: Q_ASSERT_X(false, "ShowCriteriaDialog", "unknown mode"); return;
  }
  dialog.SetCriteriaTexts();
  SetHelpContexts();
  dialog.platform().ShowModal(dialog);
}

}  // namespace quillane
