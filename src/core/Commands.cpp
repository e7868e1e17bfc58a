#include "core/Commands.h"

#include "core/Session.h"

namespace quillane {

Commands::State& Commands::at(Kind kind, int index) {
  switch (kind) {
    case Kind::Frame: return frames_.at(static_cast<std::size_t>(index));
    case Kind::Menu: return menus_.at(static_cast<std::size_t>(index));
    case Kind::Button: break;
  }
  return buttons_.at(static_cast<std::size_t>(index));
}

Commands::State Commands::state(Kind kind, int index) const {
  return const_cast<Commands*>(this)->at(kind, index);
}

void Commands::Enable(Kind kind, int index, bool on) {
  State& s = at(kind, index);
  if (s.enabled == on) return;
  s.enabled = on;
  emit changed(kind, index);
}

void Commands::Hide(Kind kind, int index) {
  State& s = at(kind, index);
  if (s.enabled && !s.visible) return;
  s.enabled = true;
  s.visible = false;
  emit changed(kind, index);
}

namespace {

// The frames and menus that open up once a session exists; both the new and
// the loaded session open the same ones.
void OpenSessionMenus(Commands& c) {
  for (int frame :
       {Menu::kStart, Menu::kOptions, Menu::kCriteria, Menu::kIdeas, Menu::kReports, Menu::kSave}) {
    c.EnableFrame(frame, true);
  }
  c.EnableFrame(Menu::kPlans, false);
  for (int menu :
       {Menu::kStart, Menu::kOptions, Menu::kCriteria, Menu::kIdeas, Menu::kSave, Menu::kHelp, Menu::kExit}) {
    c.EnableMenu(menu, true);
  }
  c.EnableMenu(Menu::kPlans, false);
  for (int button : {Cmd::kSave, Cmd::kSaveAs, Cmd::kGoal, Cmd::kCriteriaSet, Cmd::kTAssets, Cmd::kIAssets,
                     Cmd::kAutoSuggest, Cmd::kIChing, Cmd::kViewEditIdeas, Cmd::kEvaluate, Cmd::kPassword,
                     Cmd::kPreferences, Cmd::kSetLanguage}) {
    c.EnableButton(button, true);
  }
  for (int button : {Cmd::kViewResults, Cmd::kViewReport, Cmd::kMakePlan, Cmd::kElaboratePlan}) {
    c.EnableButton(button, false);
  }
}

}  // namespace

void SetInitialCommands(Commands& c) {
  c.EnableFrame(Menu::kStart, true);
  for (int frame :
       {Menu::kOptions, Menu::kCriteria, Menu::kIdeas, Menu::kReports, Menu::kPlans, Menu::kSave}) {
    c.EnableFrame(frame, false);
  }
  for (int menu : {Menu::kStart, Menu::kHelp, Menu::kExit}) c.EnableMenu(menu, true);
  for (int menu :
       {Menu::kOptions, Menu::kCriteria, Menu::kIdeas, Menu::kReports, Menu::kPlans, Menu::kSave}) {
    c.EnableMenu(menu, false);
  }
  for (int button = Cmd::kSave; button < Cmd::kCount; ++button) {
    switch (button) {
      case 4:
      case 5:
      case 7:  // no such command
      case Cmd::kHelpAtStartup:
      case Cmd::kHowToUse:
      case Cmd::kAbout: break;
      default: c.EnableButton(button, false);
    }
  }
}

void SetNewSessionCommands(Commands& c) {
  OpenSessionMenus(c);
  c.EnableMenu(Menu::kReports, false);
  for (int button : {Cmd::kCriteriaRate, Cmd::kCriteriaView, Cmd::kPairTI, Cmd::kPairTT, Cmd::kPairII,
                     Cmd::kMindStepping, Cmd::kClustering, Cmd::kMakeReport, Cmd::kPrintConcise}) {
    c.EnableButton(button, false);
  }
}

void SetLoadedSessionCommands(Commands& c, const Session& s) {
  OpenSessionMenus(c);
  const bool hasIdeas = s.nIdeas != 0;
  c.EnableMenu(Menu::kReports, hasIdeas);
  c.EnableButton(Cmd::kCriteriaRate, !s.sCriteria[1].isEmpty());
  if (s.sngWeight[1] != 0) c.EnableButton(Cmd::kCriteriaView, true);
  c.EnableButton(Cmd::kPairTI, s.nTAssets >= 2 && s.nIAssets >= 2);
  c.EnableButton(Cmd::kPairTT, s.nTAssets >= 2);
  c.EnableButton(Cmd::kPairII, s.nIAssets >= 2);
  for (int button : {Cmd::kMindStepping, Cmd::kClustering, Cmd::kMakeReport, Cmd::kPrintConcise}) {
    c.EnableButton(button, hasIdeas);
  }
}

}  // namespace quillane
