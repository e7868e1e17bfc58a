#include "ui/FocusFirstControl.h"

#include <QWidget>

namespace quillane {

namespace {

struct FocusRow {
  const char* form;
  const char* frame;
  const char* control;
};

// One row per page; the dialogs show one page at a time, so one row applies.
constexpr FocusRow kRows[] = {
    {"frmStart", "fraGoal", "txtGoal"},
    {"frmCriteria", "fraCriteriaSet", "txtCriteriaSet"},
    {"frmCriteria", "fraCriteriaRate", "sliCriteriaRate"},
    {"frmIdeas", "fraIdeasTAssets", "txtIdeasTAssets"},
    {"frmIdeas", "fraIdeasIAssets", "txtIdeasIAssets"},
    {"frmIdeas", "fraIdeasWarmingUp", "txtAddIdeas(0)"},
    {"frmIdeas", "fraIdeasPairTI", "txtAddIdeas(1)"},
    {"frmIdeas", "fraIdeasPairTT", "txtAddIdeas(2)"},
    {"frmIdeas", "fraIdeasPairII", "txtAddIdeas(3)"},
    {"frmIdeas", "fraIdeasIChing", "cmdIdeasIChing"},
    {"frmIdeas", "fraIdeasMindstepping", "txtAddIdeas(5)"},
    {"frmIdeas", "fraIdeasCluster", "txtClusterUnif"},
    {"frmIdeas", "fraIdeasEvaluation", "sliIdeasEvaluationRate"},
};

}  // namespace

void FocusFirstControl(QWidget* form) {
  for (const FocusRow& row : kRows) {
    if (form->objectName() != QLatin1String(row.form)) continue;
    const QWidget* frame = form->findChild<QWidget*>(QLatin1String(row.frame));
    if (!frame || !frame->isVisibleTo(form)) continue;
    if (QWidget* control = form->findChild<QWidget*>(QLatin1String(row.control))) {
      control->setFocus(Qt::OtherFocusReason);
    }
  }
}

}  // namespace quillane
