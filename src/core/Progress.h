#pragma once

#include <QObject>
#include <array>

namespace quillane {

// The twenty steps of a session the progress report shows, numbered as the
// labels' texts are (text 310 + step) and the panel places them.
enum class ProgressStep {
  SessionLoaded = 0,
  GoalSet = 1,
  PasswordSet = 2,
  CriteriaSet = 3,
  CriteriaRated = 4,
  TangiblesEntered = 5,
  IntangiblesEntered = 6,
  AutoSuggest = 7,
  TIPaired = 8,   // tangibles with intangibles
  TTPaired = 9,   // tangibles with tangibles
  IIPaired = 10,  // intangibles with intangibles
  IChing = 11,
  MindStepping = 12,
  Clustering = 13,
  IdeasRemoved = 14,
  Evaluation = 15,
  ReportPrinted = 16,
  ReportSaved = 17,
  PlanSaved = 18,
  SessionSaved = 19,
  // Not a step: marking it clears all twenty (a new session).
  ClearAll = 99,
};

// The position of a step among the twenty, from 0.
constexpr int StepIndex(ProgressStep step) {
  return static_cast<int>(step);
}

// Which steps were done in this run.
class Progress : public QObject {
  Q_OBJECT

 public:
  static constexpr int kSteps = 20;

  // The step at `index` (0 to 19), for going through all twenty in order.
  static constexpr ProgressStep StepAt(int index) { return static_cast<ProgressStep>(index); }

  bool done(ProgressStep step) const { return done_.at(static_cast<std::size_t>(StepIndex(step))); }

  // Lights `step`; ClearAll clears all twenty.
  void MarkProgressStep(ProgressStep step);

 signals:
  void changed(quillane::ProgressStep step);

 private:
  std::array<bool, kSteps> done_{};
};

}  // namespace quillane
