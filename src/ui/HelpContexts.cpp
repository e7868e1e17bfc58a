#include "ui/HelpContexts.h"

#include <QApplication>
#include <QWidget>
#include <algorithm>

#include "platform/Platform.h"
#include "ui/HelpTopics.h"

namespace quillane {

void SetHelpContexts() {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (auto* owner = dynamic_cast<HelpTopicOwner*>(window)) owner->helpContext_ = owner->HelpTopic();
  }
}

std::vector<int> AllHelpContexts() {
  std::vector<int> numbers(topic::kAll.begin(), topic::kAll.end());
  std::sort(numbers.begin(), numbers.end());
  numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
  return numbers;
}

int HelpContextOf(const QWidget* form) {
  const auto* owner = dynamic_cast<const HelpTopicOwner*>(form);
  return owner ? owner->helpContext() : 0;
}

namespace {

// What the open windows of the program ask the help window to leave free.
QRect KeepClear() {
  QRect area;
  for (const QWidget* window : QApplication::topLevelWidgets()) {
    const auto* owner = dynamic_cast<const HelpTopicOwner*>(window);
    if (owner && window->isVisible()) area = area.united(owner->HelpKeepClear());
  }
  return area;
}

}  // namespace

void ShowHelpFor(const HelpBook& help, const QWidget* form) {
  help.platform.ShowHelp(help.folder, HelpContextOf(form), KeepClear());
}

void ShowHelpContents(const HelpBook& help) {
  help.platform.ShowHelp(help.folder, 0, KeepClear());
}

}  // namespace quillane
