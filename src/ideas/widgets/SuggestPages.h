#pragma once

#include "ideas/RandomDraws.h"
#include "ui/GoalLine.h"

class QBoxLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quillane {

class Platform;
class Prompter;
class SessionDocument;
struct Constants;
struct PairingState;
struct SessionContent;
struct SuggestionState;

// The AutoSuggest page: a random action and object as a stepping stone.
struct SuggestPage {
  SuggestPage(QGroupBox* frame, QBoxLayout* entryRow);
  // Reads the word file and draws the first suggestion. False when the word
  // file could not be used: the dialog is then not shown at all.
  bool Prepare(SessionDocument& document, Prompter& prompter, const Constants& constants, Platform& platform,
               SuggestionState& suggestion);
  void SetTexts();
  // The new-suggestion button: a new suggestion, then on to the entry box.
  void cmdIdeasWarmingUp_Click(SuggestionState& suggestion, Platform& platform, QLineEdit* entryBox);

  QLabel* lblExplanation = nullptr;  // `lblIdeasWarmingUp(0)`
  QLabel* lblIdeasWarmingUpRnd = nullptr;
  QPushButton* cmdIdeasWarmingUp = nullptr;
  QLabel* lblModified = nullptr;  // `lblIdeasWarmingUp(1)`
  GoalLine goal;                  // `lblIdeasWarmingUp(2)`, `lblIdeasWarmingUpGoal`
};

// A random pairing page: two assets drawn from the lists entered before.
// One class serves the three pairings; their controls differ only in the
// pairing's name within each control name ("TI", "TT", "II").
struct PairingPage {
  PairingPage(QGroupBox* frame, QBoxLayout* entryRow, Pairing pairing);
  // The opening draw; with too few assets the pair and the goal stay empty.
  void Prepare(const SessionContent& content, PairingState& state, Platform& platform);
  void SetTexts();
  // The new-pair button: a new pair, then on to the entry box.
  void cmdIdeasPair_Click(const SessionContent& content, PairingState& state, Platform& platform,
                          QLineEdit* entryBox);

  Pairing pairing;
  QLabel* lblExplanation = nullptr;   // `lblIdeasPairTI(0)` and the like
  QLabel* lblPair = nullptr;          // `lblIdeasPairTIRnd` and the like
  QPushButton* cmdNewPair = nullptr;  // `cmdIdeasPairTI` and the like
  QLabel* lblEntry = nullptr;         // `lblIdeasPairTI(1)` and the like
  GoalLine goal;                      // `lblIdeasPairTI(2)`, `lblIdeasPairTIGoal` and the like

 private:
  void ShowPair(const SessionContent& content, const PairingState& state);
};

}  // namespace quillane
