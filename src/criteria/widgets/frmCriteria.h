#pragma once

#include "ui/FormDialog.h"

class QBoxLayout;
class QGroupBox;
class QLabel;
class QPushButton;
class QSlider;

namespace quillane {

class ListEditor;
class Prompter;
class RunEvents;
class SessionDocument;
class WeightBarGrid;
struct RatingState;

// The criteria dialog: one of its three pages is shown per opening. On the
// Set page the user edits the list of criteria, on the Rate page compares
// them pair by pair with a slider, on the View page sees their weights as
// bars.
class frmCriteria : public FormDialog {
  Q_OBJECT

 public:
  frmCriteria(SessionDocument& document, Prompter& prompter, RunEvents& events, RatingState& rating,
              const HelpBook& help, QWidget* parent);

  QGroupBox* fraCriteriaSet = nullptr;
  QGroupBox* fraCriteriaRate = nullptr;
  QGroupBox* fraCriteriaView = nullptr;

  // The captions of the form, its common buttons and its three pages.
  void SetCriteriaTexts();

  // What the opening procedure prepares on the page of its mode.
  void PrepareSetPage();
  void PrepareRatePage();
  void PrepareViewPage();

  void cmdOk_Click();
  void cmdCancel_Click();

  int HelpTopic() const override;
  QWidget* FirstControl() const override;

 protected:
  void FormActivate() override;
  void FormDeactivate() override;

 private:
  QGroupBox* BuildSetPage();
  QGroupBox* BuildRatePage();
  QGroupBox* BuildViewPage();
  // A "Your goal is:" label and the goal beside it, for one page.
  void AddGoalRow(QWidget* page, QBoxLayout* layout, const QString& namePrefix);
  void cmdCriteriaRate_Click();
  void ShowPair();
  void FitWrappedLabels();
  void Close(int result);

  QPushButton* cmdOk_ = nullptr;
  QPushButton* cmdCancel_ = nullptr;
  QPushButton* cmdHelp_ = nullptr;

  ListEditor* criteriaList_ = nullptr;
  QLabel* lblCriteriaSet_ = nullptr;

  QLabel* lblCriteriaRate_ = nullptr;
  QLabel* lblCriteriaA_ = nullptr;
  QLabel* lblCriteriaB_ = nullptr;
  QLabel* lblCriteriaMuchLess_ = nullptr;
  QLabel* lblCriteriaMuchMore_ = nullptr;
  QLabel* lblCriteriaRateImportantThan_ = nullptr;
  QSlider* sliCriteriaRate_ = nullptr;
  QPushButton* cmdCriteriaRate_ = nullptr;

  QLabel* lblCriteriaView_ = nullptr;
  WeightBarGrid* grdCriteria_ = nullptr;

  // Each page's "Your goal is:" label and goal label.
  QList<QLabel*> goalCaptions_;
  QList<QLabel*> goalLabels_;

  SessionDocument& document_;
  Prompter& prompter_;  // the list editor's questions
  RunEvents& events_;
  RatingState& rating_;  // the pair on screen and its share
  bool unloading_ = false;
};

// Opening modes of the criteria dialog.
inline constexpr int kCriteriaSetMode = 1;
inline constexpr int kCriteriaRateMode = 2;
inline constexpr int kCriteriaViewMode = 3;

// The Set, Rate and View commands: prepares the dialog's page for `mode`,
// sets its texts and help contexts and shows it modally. Rating runs on
// `rating`; a completed run is told to `events`.
void ShowCriteriaDialog(SessionDocument& document, Prompter& prompter, RunEvents& events, RatingState& rating,
                        const HelpBook& help, QWidget* parent, int mode);

}  // namespace quillane
