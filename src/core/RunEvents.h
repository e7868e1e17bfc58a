#pragma once

#include <QObject>

#include "core/Progress.h"

namespace quillane {

// What a step of the session achieved beyond its content: a rating run
// completed, a technique used, an evaluation finished, a report written.
// Features say it here; the main window's wiring decides which commands
// and progress steps follow from it.
class RunEvents : public QObject {
  Q_OBJECT

 signals:
  // The pairwise rating reached its last pair.
  void criteriaRated();
  // The ideas dialog was confirmed on the page of a technique.
  void techniqueUsed(quillane::ProgressStep step);
  // The selection dialog's deletion was confirmed over a list with ideas.
  void ideasRemoved();
  // Every pair of the evaluation was rated.
  void evaluationRated();
  // The evaluation's results were confirmed: plans can be made.
  void evaluationConfirmed();
  // A report or a plan was written, or the concise report printed.
  void reportSaved();
  void planSaved();
  void summaryPrinted();
};

}  // namespace quillane
