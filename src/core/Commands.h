#pragma once

#include <QObject>
#include <array>

namespace quillane {

struct SessionContent;

// The main window's commands. Each keeps the index of its button
// (`cmdButton(index)`), which the captions and help topics follow; 4, 5 and
// 7 are unused.
enum class Command : int {
  NewSession = 0,
  OpenSession = 1,
  Save = 2,
  SaveAs = 3,
  Goal = 6,
  CriteriaSet = 8,
  CriteriaRate = 9,
  CriteriaView = 10,
  TAssets = 11,
  IAssets = 12,
  AutoSuggest = 13,
  PairTI = 14,
  PairTT = 15,
  PairII = 16,
  IChing = 17,
  MindStepping = 18,
  Clustering = 19,
  ViewEditIdeas = 20,
  HelpAtStartup = 21,
  Evaluate = 22,
  ViewResults = 23,
  MakeReport = 24,
  ViewReport = 25,
  PrintConcise = 26,
  MakePlan = 27,
  ElaboratePlan = 28,
  Password = 29,
  Preferences = 30,
  SetLanguage = 31,
  HowToUse = 32,
  About = 35,
  Export = 36,
  ImportIdeas = 37,
};
inline constexpr int kCommandCount = 38;
constexpr int IndexOf(Command command) {
  return static_cast<int>(command);
}

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
  void EnableButton(Command command, bool on) { Enable(Kind::Button, IndexOf(command), on); }
  bool enabled(Command command) const { return enabled(Kind::Button, IndexOf(command)); }

 signals:
  void changed(quillane::Commands::Kind kind, int index);

 private:
  State& at(Kind kind, int index);

  std::array<State, Menu::kFrameCount> frames_{};
  std::array<State, Menu::kCount> menus_{};
  std::array<State, kCommandCount> buttons_{};
};

// The three whole-menu states.
void SetInitialCommands(Commands& commands);
void SetNewSessionCommands(Commands& commands);
void SetLoadedSessionCommands(Commands& commands, const SessionContent& session);

}  // namespace quillane
