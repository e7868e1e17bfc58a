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
  for (Command button :
       {Command::Save, Command::SaveAs, Command::Goal, Command::CriteriaSet, Command::TAssets,
        Command::IAssets, Command::AutoSuggest, Command::IChing, Command::ViewEditIdeas, Command::Evaluate,
        Command::Password, Command::Preferences, Command::SetLanguage, Command::ImportIdeas}) {
    c.EnableButton(button, true);
  }
  for (Command button :
       {Command::ViewResults, Command::ViewReport, Command::MakePlan, Command::ElaboratePlan}) {
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
  for (int index = IndexOf(Command::Save); index < kCommandCount; ++index) {
    switch (index) {
      case 4:
      case 5:
      case 7:  // no such command
      case IndexOf(Command::HelpAtStartup):
      case IndexOf(Command::HowToUse):
      case IndexOf(Command::About): break;
      default: c.Enable(Commands::Kind::Button, index, false);
    }
  }
}

void SetNewSessionCommands(Commands& c) {
  OpenSessionMenus(c);
  c.EnableMenu(Menu::kReports, false);
  for (Command button : {Command::CriteriaRate, Command::CriteriaView, Command::PairTI, Command::PairTT,
                         Command::PairII, Command::MindStepping, Command::Clustering, Command::MakeReport,
                         Command::PrintConcise, Command::Export}) {
    c.EnableButton(button, false);
  }
}

void SetLoadedSessionCommands(Commands& c, const SessionContent& s) {
  OpenSessionMenus(c);
  const bool hasIdeas = s.nIdeas != 0;
  // Export needs only a goal, so the menu that holds it opens with one.
  c.EnableMenu(Menu::kReports, hasIdeas || !s.sGoal.isEmpty());
  c.EnableButton(Command::CriteriaRate, !s.sCriteria[1].isEmpty());
  if (s.sngWeight[1] != 0) c.EnableButton(Command::CriteriaView, true);
  c.EnableButton(Command::PairTI, s.nTAssets >= 2 && s.nIAssets >= 2);
  c.EnableButton(Command::PairTT, s.nTAssets >= 2);
  c.EnableButton(Command::PairII, s.nIAssets >= 2);
  for (Command button :
       {Command::MindStepping, Command::Clustering, Command::MakeReport, Command::PrintConcise}) {
    c.EnableButton(button, hasIdeas);
  }
  c.EnableButton(Command::Export, !s.sGoal.isEmpty());
}

}  // namespace quillane
