#pragma once

#include <array>

#include "ui/GoalLine.h"
#include "ui/RatingSlider.h"
#include "ui/SuppliedPage.h"

class QGroupBox;
class QLabel;
class QPushButton;

namespace quillane {

class RunEvents;
class SessionDocument;
class WeightBarGrid;
struct EvaluationState;
struct SessionContent;

// The evaluation page: each picked idea rated against each criterion.
struct EvaluationPage {
  explicit EvaluationPage(QGroupBox* frame);
  void Prepare(const SessionContent& content, EvaluationState& evaluation);
  void SetTexts(const EvaluationState& evaluation);
  // Records the slider's rating and shows the next pair; false after the
  // last, when it tells `events` the evaluation was rated.
  bool cmdIdeasEvaluation_Click(const SessionContent& content, EvaluationState& evaluation,
                                RunEvents& events);

  GoalLine goal;                    // `lblIdeasEvaluation(0)`, `lblIdeasEvaluationGoal`
  QLabel* lblSelected = nullptr;    // `lblIdeasEvaluation(1)`
  QLabel* lblIdeaNumber = nullptr;  // `lblIdeasEvaluation(2)`
  QLabel* lblIdeasEvaluationIdea = nullptr;
  QLabel* lblCriterionNumber = nullptr;  // `lblIdeasEvaluation(5)`
  QLabel* lblIdeasEvaluationCrit = nullptr;
  RatingSlider rating;  // `sliIdeasEvaluationRate`, `lblIdeasEvaluation(3)`, `lblIdeasEvaluation(4)`
  QPushButton* cmdIdeasEvaluation = nullptr;

 private:
  void ShowPair(const SessionContent& content, const EvaluationState& evaluation);
  // Fixes the widths of the page's texts and their heights for the longest.
  void FitTexts(const SessionContent& content, const EvaluationState& evaluation);
  // The goal beside its caption, measured once the caption has its text.
  void FitGoal();
};

// The results page: the ranked ideas as a weight-bar table.
struct EvaluationViewPage {
  explicit EvaluationViewPage(QGroupBox* frame);
  void Prepare(const EvaluationState& evaluation);
  void SetTexts();

  QLabel* lblIdeasEvaluationView = nullptr;
  WeightBarGrid* grdEvaluation = nullptr;
};

// The two pages as the ideas dialog shows them: the evaluation works on
// `evaluation`, reads the session from `document` and tells `events`; the
// results show what the evaluation ranked.
PageMaker EvaluationPageMaker(const SessionDocument& document, EvaluationState& evaluation,
                              RunEvents& events);
PageMaker ResultsPageMaker(EvaluationState& evaluation);

}  // namespace quillane
