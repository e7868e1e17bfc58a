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
    {Cmd::kNewSession, Menu::kStart, 0, 0, 152, 2009},
    {Cmd::kOpenSession, Menu::kStart, 0, 1, 153, 2010},
    {Cmd::kGoal, Menu::kStart, 0, 2, 156, 2014},
    {Cmd::kPassword, Menu::kOptions, 0, 0, 180, 2037},
    {Cmd::kPreferences, Menu::kOptions, 0, 1, 181, 2038},
    {Cmd::kSetLanguage, Menu::kOptions, 0, 2, 182, 2039},
    {Cmd::kCriteriaSet, Menu::kCriteria, 0, 0, 158, 2016},
    {Cmd::kCriteriaRate, Menu::kCriteria, 0, 1, 159, 2017},
    {Cmd::kCriteriaView, Menu::kCriteria, 0, 2, 160, 2018},
    {Cmd::kTAssets, Menu::kIdeas, 0, 0, 161, 2019},
    {Cmd::kIAssets, Menu::kIdeas, 0, 1, 162, 2020},
    {Cmd::kAutoSuggest, Menu::kIdeas, 0, 2, 163, 2021},
    {Cmd::kIChing, Menu::kIdeas, 2, 3, 167, 2025},
    {Cmd::kPairTI, Menu::kIdeas, 0, 3, 164, 2022},
    {Cmd::kPairTT, Menu::kIdeas, 1, 0, 165, 2023},
    {Cmd::kPairII, Menu::kIdeas, 1, 1, 166, 2024},
    {Cmd::kMindStepping, Menu::kIdeas, 1, 2, 168, 2026},
    {Cmd::kClustering, Menu::kIdeas, 1, 3, 169, 2027},
    {Cmd::kViewEditIdeas, Menu::kIdeas, 2, 0, 170, 2028},
    {Cmd::kEvaluate, Menu::kIdeas, 2, 1, 173, 2030},
    {Cmd::kViewResults, Menu::kIdeas, 2, 2, 174, 2031},
    {Cmd::kMakeReport, Menu::kReports, 0, 0, 175, 2032},
    {Cmd::kViewReport, Menu::kReports, 0, 1, 176, 2033},
    {Cmd::kPrintConcise, Menu::kReports, 0, 2, 177, 2034},
    {Cmd::kMakePlan, Menu::kPlans, 0, 0, 178, 2035},
    {Cmd::kElaboratePlan, Menu::kPlans, 0, 1, 179, 2036},
    {Cmd::kSave, Menu::kSave, 0, 0, 154, 2011},
    {Cmd::kSaveAs, Menu::kSave, 0, 1, 155, 2012},
    {Cmd::kHelpAtStartup, Menu::kHelp, 0, 0, 171, 2029},
    {Cmd::kHowToUse, Menu::kHelp, 0, 1, 183, 2040},
    {Cmd::kAbout, Menu::kHelp, 0, 2, 186, 2043},
};

}  // namespace quillane
