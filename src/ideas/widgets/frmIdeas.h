#pragma once

#include <QTimer>
#include <array>
#include <memory>

#include "ui/FormDialog.h"
#include "ui/SuppliedPage.h"

class QBoxLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quillane {

class IdeaMeter;
class Prompter;
class RunEvents;
class SessionDocument;
struct Constants;
struct AssetPage;
struct ClusterPage;
struct MindSteppingPage;
struct PairingPage;
struct SuggestPage;
class IChingPage;
struct ClusterState;
struct IChingState;
struct MindStepState;
struct PairingState;
struct SuggestionState;

// The run states the pages of the ideas dialog work on. Their owner keeps
// them beyond the dialog, which is made afresh for every opening.
struct IdeasRunStates {
  SuggestionState& suggestion;
  PairingState& pairing;
  MindStepState& mindStep;
  ClusterState& cluster;
  IChingState& iching;
};

// The pages another feature supplies: the evaluation and its results.
struct IdeasSuppliedPages {
  PageMaker evaluation;
  PageMaker results;
};

// The ideas dialog: one page (frame) per idea technique, the evaluation and
// its results, with the idea meter beside the technique pages.
class frmIdeas : public FormDialog {
  Q_OBJECT

 public:
  // Modes of ShowIdeasDialog, one per page.
  enum Mode {
    kTAssets = 1,
    kIAssets,
    kAutoSuggest,
    kPairTI,
    kPairTT,
    kPairII,
    kIChing,
    kMindStepping,
    kClustering,
    kEvaluation,
    kEvaluationView,
  };
  static constexpr int kModes = 11;
  static constexpr int kEntryBoxes = 7;

  frmIdeas(SessionDocument& document, Prompter& prompter, RunEvents& events, const Constants& constants,
           const HelpBook& help, const IdeasRunStates& states, const IdeasSuppliedPages& supplied,
           QWidget* parent);
  ~frmIdeas() override;

  // The page of a mode, and the idea meter's frame.
  QGroupBox* frame(int mode) const { return frames_.at(static_cast<std::size_t>(mode - 1)); }
  // Opens the dialog on the page of `mode`: the one mode it has until it
  // is unloaded.
  void ShowPage(int mode);
  int mode() const { return mode_; }
  QGroupBox* fraIdeasMeter() const { return fraIdeasMeter_; }
  // `txtAddIdeas(index)`: the idea entry box of a technique page.
  QLineEdit* txtAddIdeas(int index) const { return txtAddIdeas_.at(static_cast<std::size_t>(index)); }

  void SetIdeasTexts();
  // Shows the present idea count; the main window calls it on every change
  // of the ideas.
  void UpdateIdeaMeter();
  // Shows a milestone's encouragement beside the meter for a few seconds,
  // without taking the focus.
  void ShowEncouragement(const QString& text);
  static constexpr int kEncouragementMs = 8000;

  void cmdOk_Click();
  void cmdCancel_Click() {
    if (MayDiscardChanges()) Unload(QDialog::Rejected);
  }

  int HelpTopic() const override;
  QWidget* FirstControl() const override;

 protected:
  void FormActivate() override;
  void FormDeactivate() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool selectionShown_ = false;  // the idea list is shown over this dialog
  int mode_ = 0;                 // the page shown; 0 before one is

  QGroupBox* BuildFrame(int mode, const char* name);
  QBoxLayout* AddEntryBox(int mode, int index);
  // False when the page cannot open (AutoSuggest without its word file).
  bool Prepare(int mode);
  PairingPage& pairing(int mode) const { return *pairings_.at(static_cast<std::size_t>(mode - kPairTI)); }
  void cmdViewIdeas_Click();

  friend void ShowIdeasDialog(frmIdeas& dialog, int mode);

  SessionDocument& document_;
  Prompter& prompter_;
  RunEvents& events_;
  const Constants& constants_;
  IdeasRunStates states_;
  std::array<QGroupBox*, kModes> frames_{};
  std::array<QLineEdit*, kEntryBoxes> txtAddIdeas_{};
  std::array<QPushButton*, kEntryBoxes> cmdViewIdeas_{};
  QGroupBox* fraIdeasMeter_ = nullptr;
  QLabel* lblIdeasEncouragement_ = nullptr;
  QTimer encouragementShown_;
  IdeaMeter* panIdeasMeter_ = nullptr;
  std::unique_ptr<AssetPage> tangibles_;
  std::unique_ptr<AssetPage> intangibles_;
  std::unique_ptr<SuggestPage> suggest_;
  std::array<std::unique_ptr<PairingPage>, 3> pairings_;  // modes kPairTI, kPairTT, kPairII
  std::unique_ptr<IChingPage> iching_;
  std::unique_ptr<MindSteppingPage> mindStepping_;
  std::unique_ptr<ClusterPage> cluster_;
  std::unique_ptr<SuppliedPage> evaluation_;
  std::unique_ptr<SuppliedPage> results_;
  QPushButton* cmdOk_ = nullptr;
  QPushButton* cmdCancel_ = nullptr;
  QPushButton* cmdHelp_ = nullptr;
};

// Prepares the ideas dialog for `mode` and shows it modally. The command has
// already made the mode's page visible (and hidden the meter where needed).
void ShowIdeasDialog(frmIdeas& dialog, int mode);

}  // namespace quillane
