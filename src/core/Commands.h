#pragma once

#include <QObject>
#include <array>

namespace quillane {

struct Session;

// Indexes of the command buttons (`cmdButton(index)`); 4, 5 and 7 are unused.
namespace Cmd {
inline constexpr int kNewSession = 0;
inline constexpr int kOpenSession = 1;
inline constexpr int kSave = 2;
inline constexpr int kSaveAs = 3;
inline constexpr int kGoal = 6;
inline constexpr int kCriteriaSet = 8;
inline constexpr int kCriteriaRate = 9;
inline constexpr int kCriteriaView = 10;
inline constexpr int kTAssets = 11;
inline constexpr int kIAssets = 12;
inline constexpr int kAutoSuggest = 13;
inline constexpr int kPairTI = 14;
inline constexpr int kPairTT = 15;
inline constexpr int kPairII = 16;
inline constexpr int kIChing = 17;
inline constexpr int kMindStepping = 18;
inline constexpr int kClustering = 19;
inline constexpr int kViewEditIdeas = 20;
inline constexpr int kHelpAtStartup = 21;
inline constexpr int kEvaluate = 22;
inline constexpr int kViewResults = 23;
inline constexpr int kMakeReport = 24;
inline constexpr int kViewReport = 25;
inline constexpr int kPrintConcise = 26;
inline constexpr int kMakePlan = 27;
inline constexpr int kElaboratePlan = 28;
inline constexpr int kPassword = 29;
inline constexpr int kPreferences = 30;
inline constexpr int kSetLanguage = 31;
inline constexpr int kHowToUse = 32;
inline constexpr int kAbout = 35;
inline constexpr int kCount = 36;
}  // namespace Cmd

// Indexes of the menu buttons (`chkMenu(index)`); menus 0 to 7 own the frame
// of the same index.
namespace Menu {
inline constexpr int kStart = 0;
inline constexpr int kOptions = 1;
inline constexpr int kCriteria = 2;
inline constexpr int kIdeas = 3;
inline constexpr int kReports = 4;
inline constexpr int kPlans = 5;
inline constexpr int kSave = 6;
inline constexpr int kHelp = 7;
inline constexpr int kExit = 8;
inline constexpr int kCount = 9;
inline constexpr int kFrameCount = 8;
}  // namespace Menu

// Which of the main window's commands can be used: the enabled state of the
// eight frames, the nine menu buttons and every command button, and whether a
// command button is shown. The logic changes it; the main window shows it.
class Commands : public QObject {
  Q_OBJECT

 public:
  enum class Kind { Frame, Menu, Button };

  struct State {
    bool enabled = true;
    bool visible = true;
  };

  State state(Kind kind, int index) const;
  bool enabled(Kind kind, int index) const { return state(kind, index).enabled; }
  bool visible(Kind kind, int index) const { return state(kind, index).visible; }

  void Enable(Kind kind, int index, bool on);
  // Enables the control, then hides it.
  void Hide(Kind kind, int index);

  void EnableFrame(int index, bool on) { Enable(Kind::Frame, index, on); }
  void EnableMenu(int index, bool on) { Enable(Kind::Menu, index, on); }
  void EnableButton(int index, bool on) { Enable(Kind::Button, index, on); }

 signals:
  void changed(quillane::Commands::Kind kind, int index);

 private:
  State& at(Kind kind, int index);

  std::array<State, Menu::kFrameCount> frames_{};
  std::array<State, Menu::kCount> menus_{};
  std::array<State, Cmd::kCount> buttons_{};
};

// The three whole-menu states.
void SetInitialCommands(Commands& commands);
void SetNewSessionCommands(Commands& commands);
void SetLoadedSessionCommands(Commands& commands, const Session& session);

}  // namespace quillane
