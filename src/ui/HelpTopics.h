#pragma once

#include <array>

namespace quillane {

// The help topics by what they explain. The help pages hold one page per
// number; each window answers with the topic of the page it shows.
namespace topic {

// The main window without an open menu frame, and the About box.
inline constexpr int kMainWindow = 1000;
inline constexpr int kAbout = kMainWindow;
// The main window's menu frames; a dialog without a visible page answers
// with the topic of the menu that opens it.
inline constexpr int kStartMenu = 2000;
inline constexpr int kOptionsMenu = 3000;
inline constexpr int kCriteriaMenu = 4000;
inline constexpr int kIdeasMenu = 5000;
inline constexpr int kReportsMenu = 6000;
inline constexpr int kPlansMenu = 7000;
inline constexpr int kSaveMenu = 8000;
inline constexpr int kHelpMenu = 10000;

inline constexpr int kGoal = 2500;
inline constexpr int kPassword = 3200;
inline constexpr int kPreferences = 3300;
inline constexpr int kLanguage = 3400;
inline constexpr int kCriteriaSet = 4100;
inline constexpr int kCriteriaRate = 4200;
inline constexpr int kCriteriaView = 4300;
inline constexpr int kTangibles = 5100;
inline constexpr int kIntangibles = 5150;
inline constexpr int kAutoSuggest = 5200;
inline constexpr int kPairTI = 5250;
inline constexpr int kPairTT = 5300;
inline constexpr int kPairII = 5350;
inline constexpr int kIChing = 5400;
inline constexpr int kMindStepping = 5450;
inline constexpr int kClustering = 5500;
// The idea list (view, add, edit, delete) and the add/edit dialog.
inline constexpr int kIdeaList = 5550;
inline constexpr int kEvaluation = 5600;
inline constexpr int kEvaluationResults = 5650;
inline constexpr int kExportImport = 6100;

// Every topic above once: the pages the help must have.
inline constexpr std::array kAll = {
    kMainWindow,   kStartMenu,   kOptionsMenu,  kCriteriaMenu,
    kIdeasMenu,    kReportsMenu, kPlansMenu,    kSaveMenu,
    kHelpMenu,     kGoal,        kPassword,     kPreferences,
    kLanguage,     kCriteriaSet, kCriteriaRate, kCriteriaView,
    kTangibles,    kIntangibles, kAutoSuggest,  kPairTI,
    kPairTT,       kPairII,      kIChing,       kMindStepping,
    kClustering,   kIdeaList,    kEvaluation,   kEvaluationResults,
    kExportImport,
};

}  // namespace topic

}  // namespace quillane
