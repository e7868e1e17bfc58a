#include "evaluation/widgets/EvaluationPages.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

#include "core/RunEvents.h"
#include "core/Session.h"
#include "core/SessionDocument.h"
#include "evaluation/Evaluation.h"
#include "resources/Texts.h"
#include "ui/PageLabel.h"
#include "ui/WeightBarGrid.h"

namespace quillane {

namespace {

constexpr int kResultsLastColumnTwips = 500;

}  // namespace

EvaluationPage::EvaluationPage(QGroupBox* frame)
    : rating(frame, "sliIdeasEvaluationRate", "lblIdeasEvaluation(3)", "lblIdeasEvaluation(4)",
             ShownText(2219)) {
  auto* layout = static_cast<QVBoxLayout*>(frame->layout());
  goal = AddGoalLine(frame, layout, "lblIdeasEvaluation(0)", "lblIdeasEvaluationGoal");
  lblSelected = PageLabel(frame, QStringLiteral("lblIdeasEvaluation(1)"));
  lblIdeaNumber = PageLabel(frame, QStringLiteral("lblIdeasEvaluation(2)"));
  lblIdeasEvaluationIdea = FramedPageLabel(frame, QStringLiteral("lblIdeasEvaluationIdea"));
  lblCriterionNumber = PageLabel(frame, QStringLiteral("lblIdeasEvaluation(5)"));
  lblIdeasEvaluationCrit = FramedPageLabel(frame, QStringLiteral("lblIdeasEvaluationCrit"));
  cmdIdeasEvaluation = new QPushButton(frame);
  cmdIdeasEvaluation->setObjectName(QStringLiteral("cmdIdeasEvaluation"));
  layout->addWidget(lblSelected);
  layout->addSpacing(8);
  layout->addWidget(lblIdeaNumber);
  layout->addWidget(lblIdeasEvaluationIdea);
  layout->addWidget(lblCriterionNumber);
  layout->addWidget(lblIdeasEvaluationCrit);
  layout->addLayout(rating.row);
  auto* next = new QHBoxLayout;
  next->addStretch();
  next->addWidget(cmdIdeasEvaluation);
  layout->addLayout(next);
  layout->addStretch();
}

void EvaluationPage::ShowPair(const SessionContent& content, const EvaluationState& e) {
  lblIdeasEvaluationIdea->setText(e.sEvalIdeas[static_cast<std::size_t>(e.nEvalIdea)]);
  lblIdeasEvaluationCrit->setText(content.sCriteria[static_cast<std::size_t>(e.nEvalCrit)]);
}

void EvaluationPage::FitTexts(const SessionContent& content, const EvaluationState& evaluation) {
  QWidget* page = lblSelected->parentWidget();
  const int width = PageTextWidth(page);
  FitGoal();
  for (QLabel* label : {lblSelected, lblIdeaNumber, lblCriterionNumber}) FitWrappedLabel(label, width);
  // Room for the longest idea and criterion, so an 80-character text reads in
  // full and the page keeps its size from one to the next.
  QStringList ideas;
  QStringList criteria;
  for (int i = 1; i <= evaluation.nEvalIdeas; ++i)
    ideas << evaluation.sEvalIdeas[static_cast<std::size_t>(i)];
  for (int c = 1; c <= content.nCriteria; ++c) criteria << content.sCriteria[static_cast<std::size_t>(c)];
  FitWrappedLabel(lblIdeasEvaluationIdea, width, ideas);
  FitWrappedLabel(lblIdeasEvaluationCrit, width, criteria);
}

void EvaluationPage::FitGoal() {
  QWidget* page = lblSelected->parentWidget();
  const int captionWidth = goal.caption->sizeHint().width() + page->layout()->spacing();
  FitWrappedLabel(goal.goal, PageTextWidth(page) - captionWidth);
}

void EvaluationPage::Prepare(const SessionContent& content, EvaluationState& evaluation) {
  StartEvaluation(evaluation);
  goal.goal->setText(content.sGoal);
  ShowPair(content, evaluation);
  FitTexts(content, evaluation);
  rating.slider->setValue(RatingSlider::kMiddle);
}

void EvaluationPage::SetTexts(const EvaluationState& s) {
  goal.caption->setText(Text(257));
  lblSelected->setText(Text(232) + QString::number(s.nEvalIdeas) + Text(233));
  lblIdeaNumber->setText(Text(234) + QString::number(s.nEvalIdea));
  lblCriterionNumber->setText(Text(237) + QString::number(s.nEvalCrit) + Text(238));
  rating.left->setText(ShownText(235));
  rating.right->setText(ShownText(236));
  cmdIdeasEvaluation->setText(Text(126));
  FitGoal();
}

bool EvaluationPage::cmdIdeasEvaluation_Click(const SessionContent& content, EvaluationState& evaluation,
                                              RunEvents& events) {
  if (RecordRating(content, evaluation, rating.slider->value())) {
    ShowPair(content, evaluation);
    SetTexts(evaluation);
    rating.slider->setValue(RatingSlider::kMiddle);
    rating.slider->setFocus();
    return true;
  }
  emit events.evaluationRated();
  return false;
}

EvaluationViewPage::EvaluationViewPage(QGroupBox* frame) {
  auto* layout = static_cast<QVBoxLayout*>(frame->layout());
  lblIdeasEvaluationView = PageLabel(frame, QStringLiteral("lblIdeasEvaluationView"));
  grdEvaluation = new WeightBarGrid(frame);
  grdEvaluation->setObjectName(QStringLiteral("grdEvaluation"));
  lblIdeasEvaluationView->setBuddy(grdEvaluation);
  layout->addWidget(lblIdeasEvaluationView);
  layout->addWidget(grdEvaluation, 1);
}

void EvaluationViewPage::Prepare(const EvaluationState& s) {
  grdEvaluation->FillWeightBars(s.sEvalIdeas, s.sngResultB, s.nEvalIdeas, kResultsLastColumnTwips);
}

void EvaluationViewPage::SetTexts() {
  lblIdeasEvaluationView->setText(Text(239));
  grdEvaluation->setAccessibleName(ShownText(239));  // a grid never takes its name from a label
}

namespace {

class SuppliedEvaluationPage : public SuppliedPage {
 public:
  SuppliedEvaluationPage(QGroupBox* frame, const SessionDocument& document, EvaluationState& evaluation,
                         RunEvents& events)
      : page_(frame), document_(document), evaluation_(evaluation), events_(events) {
    QObject::connect(page_.cmdIdeasEvaluation, &QPushButton::clicked, page_.cmdIdeasEvaluation, [this] {
      if (!page_.cmdIdeasEvaluation_Click(document_.content(), evaluation_, events_)) finished();
    });
  }
  void Prepare(const SessionContent& content) override { page_.Prepare(content, evaluation_); }
  void SetTexts() override { page_.SetTexts(evaluation_); }
  QWidget* FirstControl() const override { return page_.rating.slider; }

 private:
  EvaluationPage page_;
  const SessionDocument& document_;
  EvaluationState& evaluation_;
  RunEvents& events_;
};

class SuppliedResultsPage : public SuppliedPage {
 public:
  SuppliedResultsPage(QGroupBox* frame, EvaluationState& evaluation)
      : page_(frame), evaluation_(evaluation) {}
  void Prepare(const SessionContent&) override { page_.Prepare(evaluation_); }
  void SetTexts() override { page_.SetTexts(); }
  QWidget* FirstControl() const override { return nullptr; }  // the results take no entry

 private:
  EvaluationViewPage page_;
  EvaluationState& evaluation_;
};

}  // namespace

PageMaker EvaluationPageMaker(const SessionDocument& document, EvaluationState& evaluation,
                              RunEvents& events) {
  return [&document, &evaluation, &events](QGroupBox* frame) -> std::unique_ptr<SuppliedPage> {
    return std::make_unique<SuppliedEvaluationPage>(frame, document, evaluation, events);
  };
}

PageMaker ResultsPageMaker(EvaluationState& evaluation) {
  return [&evaluation](QGroupBox* frame) -> std::unique_ptr<SuppliedPage> {
    return std::make_unique<SuppliedResultsPage>(frame, evaluation);
  };
}

}  // namespace quillane
