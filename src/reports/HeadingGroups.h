#pragma once

#include <QString>

#include "files/FileChoice.h"

namespace quillane {

struct HeadingTexts;

// The heading groups of the three outputs. Each call loads the four texts of
// one section into `sLangText(1..4)` (English, German, French, Dutch) and,
// for the sections of a two-column heading, the column where the right-hand
// heading starts into `nLangValue(1..4)`. Unknown sections change nothing.
void ReportText(HeadingTexts& texts, int section);
void PlanText(HeadingTexts& texts, int section);
void ConciseText(HeadingTexts& texts, int section);

// What the Save As dialog proposes for the report and for the plan.
struct FileProposal {
  QString name;
  FileFilter filter;
};
FileProposal ReportProposal();
FileProposal PlanProposal();

// The heading language the writers use: the setting `nLanguage`, or English
// when it holds no language.
int HeadingLanguage(int nLanguage);

// Loads `section` with `load` and gives its heading in heading language
// `language` (1 to 4).
using LoadSection = void (*)(HeadingTexts&, int);
QString Heading(HeadingTexts& texts, int language, LoadSection load, int section);
// The column of the right-hand heading last loaded, in that language.
int HeadingColumn(const HeadingTexts& texts, int language);

// Section numbers, as the writers name them.
namespace ReportSection {
inline constexpr int kTitle = 1;
inline constexpr int kGoal = 4;
inline constexpr int kCriteria = 5;
inline constexpr int kCriterion = 6;
inline constexpr int kWeight = 7;
inline constexpr int kTangibles = 8;
inline constexpr int kIntangibles = 9;
inline constexpr int kAllIdeas = 10;
inline constexpr int kBestIdeas = 11;
inline constexpr int kIdea = 12;
inline constexpr int kRating = 13;
}  // namespace ReportSection

namespace PlanSection {
inline constexpr int kTitle = 1;
inline constexpr int kGoal = 2;
inline constexpr int kBestIdea = 3;
inline constexpr int kAdvantages = 4;
}  // namespace PlanSection

namespace ConciseSection {
inline constexpr int kTitle = 1;
inline constexpr int kGoal = 4;
inline constexpr int kCriteria = 5;
inline constexpr int kCriterion = 6;
inline constexpr int kWeight = 7;
inline constexpr int kBestIdeas = 8;
inline constexpr int kIdea = 9;
inline constexpr int kRating = 10;
}  // namespace ConciseSection

}  // namespace quillane
