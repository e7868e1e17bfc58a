#include "app/widgets/MainCommandTable.h"

#include "core/Commands.h"
#include "ui/HelpTopics.h"

namespace quillane {

const MenuSpec kMenus[9] = {
    {Menu::kStart, "fraStart", 144, 2000, topic::kStartMenu},
    {Menu::kOptions, "fraOptions", 149, 2001, topic::kOptionsMenu},
    {Menu::kCriteria, "fraCriteria", 145, 2002, topic::kCriteriaMenu},
    {Menu::kIdeas, "fraIdeas", 146, 2003, topic::kIdeasMenu},
    {Menu::kReports, "fraReports", 147, 2004, topic::kReportsMenu},
    {Menu::kPlans, "fraScenarios", 148, 2005, topic::kPlansMenu},
    {Menu::kSave, "fraSave", 143, 2006, topic::kSaveMenu},
    {Menu::kHelp, "fraHelp", 150, 2007, topic::kHelpMenu},
    {Menu::kExit, nullptr, 151, 2008, topic::kMainWindow},
};

const CommandButtonSpec kCommandButtons[kCommandButtonCount] = {
    {Command::NewSession, Menu::kStart, 0, 0, 152, 2009},
    {Command::OpenSession, Menu::kStart, 0, 1, 153, 2010},
    {Command::Goal, Menu::kStart, 0, 2, 156, 2014},
    {Command::Password, Menu::kOptions, 0, 0, 180, 2037},
    {Command::Preferences, Menu::kOptions, 0, 1, 181, 2038},
    {Command::SetLanguage, Menu::kOptions, 0, 2, 182, 2039},
    {Command::CriteriaSet, Menu::kCriteria, 0, 0, 158, 2016},
    {Command::CriteriaRate, Menu::kCriteria, 0, 1, 159, 2017},
    {Command::CriteriaView, Menu::kCriteria, 0, 2, 160, 2018},
    {Command::TAssets, Menu::kIdeas, 0, 0, 161, 2019},
    {Command::IAssets, Menu::kIdeas, 0, 1, 162, 2020},
    {Command::AutoSuggest, Menu::kIdeas, 0, 2, 163, 2021},
    {Command::IChing, Menu::kIdeas, 2, 3, 167, 2025},
    {Command::PairTI, Menu::kIdeas, 0, 3, 164, 2022},
    {Command::PairTT, Menu::kIdeas, 1, 0, 165, 2023},
    {Command::PairII, Menu::kIdeas, 1, 1, 166, 2024},
    {Command::MindStepping, Menu::kIdeas, 1, 2, 168, 2026},
    {Command::Clustering, Menu::kIdeas, 1, 3, 169, 2027},
    {Command::ViewEditIdeas, Menu::kIdeas, 2, 0, 170, 2028},
    {Command::Evaluate, Menu::kIdeas, 2, 1, 173, 2030},
    {Command::ViewResults, Menu::kIdeas, 2, 2, 174, 2031},
    {Command::ImportIdeas, Menu::kIdeas, 3, 0, 3153, 3154},
    {Command::MakeReport, Menu::kReports, 0, 0, 175, 2032},
    {Command::ViewReport, Menu::kReports, 0, 1, 176, 2033},
    {Command::PrintConcise, Menu::kReports, 0, 2, 177, 2034},
    {Command::Export, Menu::kReports, 0, 3, 3151, 3152},
    {Command::MakePlan, Menu::kPlans, 0, 0, 178, 2035},
    {Command::ElaboratePlan, Menu::kPlans, 0, 1, 179, 2036},
    {Command::Save, Menu::kSave, 0, 0, 154, 2011},
    {Command::SaveAs, Menu::kSave, 0, 1, 155, 2012},
    {Command::HelpAtStartup, Menu::kHelp, 0, 0, 171, 2029},
    {Command::HowToUse, Menu::kHelp, 0, 1, 183, 2040},
    {Command::About, Menu::kHelp, 0, 2, 186, 2043},
};

}  // namespace quillane
