// The three pages of the criteria dialog: the list editor, the pairwise
// rating and the weight view.
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

#include "core/RunEvents.h"
#include "core/SessionDocument.h"
#include "criteria/PairRating.h"
#include "criteria/widgets/frmCriteria.h"
#include "resources/Texts.h"
#include "ui/ListEditor.h"
#include "ui/RatingSlider.h"
#include "ui/WeightBarGrid.h"
#include "ui/WrappingLabel.h"

namespace quillane {

namespace {

// Accessible names and descriptions of controls that carry no caption.
constexpr int kCriteriaListName = 3200;
constexpr int kSliderName = 3201;
constexpr int kGridName = 3202;
constexpr int kGridDescription = 3203;

QLabel* NameLabel(QWidget* page, const QString& objectName) {
  auto* label = new WrappingLabel(page);
  label->setObjectName(objectName);
  label->setAlignment(Qt::AlignCenter);
  label->setWordWrap(true);
  QFont strong = label->font();
  strong.setBold(true);
  label->setFont(strong);
  return label;
}

}  // namespace

QGroupBox* frmCriteria::BuildSetPage() {
  auto* page = new QGroupBox(this);
  page->setObjectName(QStringLiteral("fraCriteriaSet"));
  auto* layout = new QVBoxLayout(page);
  AddGoalRow(page, layout, QStringLiteral("lblCriteria"));

  lblCriteriaSet_ = new QLabel(page);
  lblCriteriaSet_->setObjectName(QStringLiteral("lblCriteriaSet"));
  criteriaList_ =
      new ListEditor(prompter_,
                     {QStringLiteral("txtCriteriaSet"), QStringLiteral("lstCriteriaSet"),
                      QStringLiteral("cmdAdd"), QStringLiteral("cmdEdit"), QStringLiteral("cmdDelete")},
                     kMaxCriteria, page);
  lblCriteriaSet_->setBuddy(criteriaList_->textBox());
  criteriaList_->list()->setAccessibleName(Text(kCriteriaListName));
  criteriaList_->setMinimumHeight(260);
  layout->addWidget(lblCriteriaSet_);
  layout->addWidget(criteriaList_, 1);
  return page;
}

QGroupBox* frmCriteria::BuildRatePage() {
  auto* page = new QGroupBox(this);
  page->setObjectName(QStringLiteral("fraCriteriaRate"));
  auto* layout = new QVBoxLayout(page);
  AddGoalRow(page, layout, QStringLiteral("lblCriteriaRateYourGoal"));

  lblCriteriaRate_ = new WrappingLabel(page);
  lblCriteriaRate_->setObjectName(QStringLiteral("lblCriteriaRate"));
  lblCriteriaRate_->setWordWrap(true);
  lblCriteriaA_ = NameLabel(page, QStringLiteral("lblCriteriaA"));
  lblCriteriaB_ = NameLabel(page, QStringLiteral("lblCriteriaB"));

  const RatingSlider rating(page, "sliCriteriaRate", "lblCriteriaMuchLess", "lblCriteriaMuchMore",
                            Text(kSliderName));
  sliCriteriaRate_ = rating.slider;
  lblCriteriaMuchLess_ = rating.left;
  lblCriteriaMuchMore_ = rating.right;
  QHBoxLayout* sliderRow = rating.row;

  lblCriteriaRateImportantThan_ = new QLabel(page);
  lblCriteriaRateImportantThan_->setObjectName(QStringLiteral("lblCriteriaRateImportantThan"));
  lblCriteriaRateImportantThan_->setAlignment(Qt::AlignCenter);

  cmdCriteriaRate_ = new QPushButton(page);
  cmdCriteriaRate_->setObjectName(QStringLiteral("cmdCriteriaRate"));
  auto* nextRow = new QHBoxLayout;
  nextRow->addStretch();
  nextRow->addWidget(cmdCriteriaRate_);

  layout->addWidget(lblCriteriaRate_);
  layout->addSpacing(12);
  layout->addWidget(lblCriteriaA_);
  layout->addLayout(sliderRow);
  layout->addWidget(lblCriteriaRateImportantThan_);
  layout->addWidget(lblCriteriaB_);
  layout->addStretch();
  layout->addLayout(nextRow);

  connect(cmdCriteriaRate_, &QPushButton::clicked, this, &frmCriteria::cmdCriteriaRate_Click);
  return page;
}

QGroupBox* frmCriteria::BuildViewPage() {
  auto* page = new QGroupBox(this);
  page->setObjectName(QStringLiteral("fraCriteriaView"));
  auto* layout = new QVBoxLayout(page);
  AddGoalRow(page, layout, QStringLiteral("lblCriteriaViewYourGoal"));

  lblCriteriaView_ = new QLabel(page);
  lblCriteriaView_->setObjectName(QStringLiteral("lblCriteriaView"));
  grdCriteria_ = new WeightBarGrid(page);
  grdCriteria_->setObjectName(QStringLiteral("grdCriteria"));
  grdCriteria_->setAccessibleName(Text(kGridName));
  grdCriteria_->setAccessibleDescription(Text(kGridDescription));
  grdCriteria_->setMinimumHeight(240);
  lblCriteriaView_->setBuddy(grdCriteria_);
  layout->addWidget(lblCriteriaView_);
  layout->addWidget(grdCriteria_, 1);
  return page;
}

void frmCriteria::PrepareSetPage() {
  const SessionContent& s = document_.content();
  QStringList names;
  for (int i = 1; i <= s.nCriteria; ++i) names << s.sCriteria[static_cast<std::size_t>(i)];
  criteriaList_->Fill(names);
  for (QLabel* goal : goalLabels_) goal->setText(s.sGoal);
}

void frmCriteria::PrepareRatePage() {
  const SessionContent& s = document_.content();
  StartRating(rating_);
  ShowPair();
  for (QLabel* goal : goalLabels_) goal->setText(s.sGoal);
  cmdOk_->setEnabled(false);
  // With fewer than two criteria there is no pair to rate.
  cmdCriteriaRate_->setEnabled(s.nCriteria >= 2);
}

void frmCriteria::PrepareViewPage() {
  const SessionContent& s = document_.content();
  grdCriteria_->FillWeightBars(s.sCriteria, s.sngWeight, s.nCriteria);
  for (QLabel* goal : goalLabels_) goal->setText(s.sGoal);
  cmdCancel_->hide();
}

void frmCriteria::ShowPair() {
  const SessionContent& s = document_.content();
  lblCriteriaA_->setText(s.sCriteria[static_cast<std::size_t>(rating_.nRateA)]);
  lblCriteriaB_->setText(s.sCriteria[static_cast<std::size_t>(rating_.nRateB)]);
  FitWrappedLabels();
  sliCriteriaRate_->setValue(RatingSlider::kMiddle);
}

void frmCriteria::cmdCriteriaRate_Click() {
  if (RateCurrentPair(document_, rating_, sliCriteriaRate_->value())) {
    ShowPair();
    sliCriteriaRate_->setFocus(Qt::OtherFocusReason);  // the next pair is judged from the keyboard too
    return;
  }
  emit events_.criteriaRated();
  cmdOk_Click();
}

}  // namespace quillane
