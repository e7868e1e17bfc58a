#include "ui/HelpContexts.h"

#include <QApplication>
#include <QDir>
#include <QWidget>
#include <algorithm>
#include <vector>

#include "core/Program.h"
#include "ui/FormDialog.h"
#include "platform/Platform.h"

namespace quillane {

namespace {

struct FrameNumber {
  const char* frame;
  int number;
};

struct FormContexts {
  const char* form;
  int base;
  std::vector<FrameNumber> frames;
};

const std::vector<FormContexts>& Table() {
  static const std::vector<FormContexts> table = {
      {"frmMain",
       1000,
       {{"fraStart", 2000},
        {"fraOptions", 3000},
        {"fraCriteria", 4000},
        {"fraIdeas", 5000},
        {"fraReports", 6000},
        {"fraScenarios", 7000},
        {"fraSave", 8000},
        {"fraHelp", 10000}}},
      {"frmAbout", 1000, {}},
      {"frmStart", 2000, {{"fraGoal", 2500}}},
      {"frmPassword", 3200, {}},
      {"frmPreferences", 3300, {}},
      {"frmLanguage", 3400, {}},
      {"frmCriteria", 4000, {{"fraCriteriaSet", 4100}, {"fraCriteriaRate", 4200}, {"fraCriteriaView", 4300}}},
      {"frmIdeas",
       5000,
       {{"fraIdeasTAssets", 5100},
        {"fraIdeasIAssets", 5150},
        {"fraIdeasWarmingUp", 5200},
        {"fraIdeasPairTI", 5250},
        {"fraIdeasPairTT", 5300},
        {"fraIdeasPairII", 5350},
        {"fraIdeasIChing", 5400},
        {"fraIdeasMindstepping", 5450},
        {"fraIdeasCluster", 5500},
        {"fraIdeasEvaluation", 5600},
        {"fraIdeasEvaluationView", 5650}}},
      {"frmAddIdea", 5550, {}},
      {"frmView", 5550, {}},
  };
  return table;
}

int ContextFor(const QWidget* form, const FormContexts& row) {
  int number = row.base;
  for (const FrameNumber& frame : row.frames) {
    const QWidget* widget = form->findChild<QWidget*>(QLatin1String(frame.frame));
    if (widget && widget->isVisibleTo(form)) number = frame.number;
  }
  if (const int pickTopic = form->property("pickHelpContext").toInt(); pickTopic > 0) number = pickTopic;
  return number;
}

}  // namespace

void SetHelpContexts(Program& /*program*/) {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (!IsProgramForm(window)) continue;
    for (const FormContexts& row : Table()) {
      if (window->objectName() == QLatin1String(row.form)) {
        window->setProperty("helpContext", ContextFor(window, row));
      }
    }
  }
}

std::vector<int> AllHelpContexts() {
  // The selection dialog's pick modes give numbers of the ideas dialog's
  // frames, which the table already holds.
  std::vector<int> numbers;
  for (const FormContexts& row : Table()) {
    numbers.push_back(row.base);
    for (const FrameNumber& frame : row.frames) numbers.push_back(frame.number);
  }
  std::sort(numbers.begin(), numbers.end());
  numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
  return numbers;
}

int HelpContextOf(const QWidget* form) {
  return form ? form->property("helpContext").toInt() : 0;
}

namespace {

QString HelpFolder(const Program& program) {
  return QDir(program.session.sAppPath).filePath(QStringLiteral("help"));
}

}  // namespace

void ShowHelpFor(Program& program, const QWidget* form) {
  program.platform.ShowHelp(HelpFolder(program), HelpContextOf(form));
}

void ShowHelpContents(Program& program) {
  program.platform.ShowHelp(HelpFolder(program), 0);
}

}  // namespace quillane
