#include "reports/HeadingGroups.h"

#include <span>

#include "reports/HeadingTexts.h"
#include "resources/Texts.h"

namespace quillane {

namespace {

// The first text of a section's group of four, and of its group of columns
// (0 where the section has none).
struct Group {
  int first;
  int columns;
};

// Indexed by section; section 0 is the file proposal where there is one.
constexpr Group kReportGroups[] = {{0, 0},     {753, 0}, {757, 0}, {761, 0}, {765, 0}, {769, 0}, {773, 0},
                                   {777, 781}, {785, 0}, {789, 0}, {793, 0}, {797, 0}, {801, 0}, {805, 809}};
constexpr Group kPlanGroups[] = {{0, 0}, {853, 0}, {857, 0}, {861, 0}, {865, 0}};
constexpr Group kConciseGroups[] = {{0, 0},   {700, 0},   {704, 0}, {708, 0}, {712, 0},  {716, 0},
                                    {720, 0}, {724, 728}, {732, 0}, {736, 0}, {740, 744}};

void LoadGroup(HeadingTexts& texts, std::span<const Group> groups, int section) {
  if (section < 1 || section >= static_cast<int>(groups.size())) return;
  const Group& group = groups[static_cast<std::size_t>(section)];
  for (int language = 1; language <= 4; ++language) {
    texts.sLangText[static_cast<std::size_t>(language)] = Text(group.first + language - 1);
    if (group.columns != 0) {
      texts.nLangValue[static_cast<std::size_t>(language)] =
          static_cast<Integer>(Text(group.columns + language - 1).toInt());
    }
  }
}

}  // namespace

void ReportText(HeadingTexts& texts, int section) {
  LoadGroup(texts, kReportGroups, section);
}

void PlanText(HeadingTexts& texts, int section) {
  LoadGroup(texts, kPlanGroups, section);
}

void ConciseText(HeadingTexts& texts, int section) {
  LoadGroup(texts, kConciseGroups, section);
}

FileProposal ReportProposal() {
  return {Text(750), {Text(751), Text(752)}};
}

FileProposal PlanProposal() {
  return {Text(850), {Text(851), Text(852)}};
}

int HeadingLanguage(int nLanguage) {
  return nLanguage >= 1 && nLanguage <= 4 ? nLanguage : 1;
}

QString Heading(HeadingTexts& texts, int language, LoadSection load, int section) {
  load(texts, section);
  return texts.sLangText[static_cast<std::size_t>(language)];
}

int HeadingColumn(const HeadingTexts& texts, int language) {
  return texts.nLangValue[static_cast<std::size_t>(language)];
}

}  // namespace quillane
