#include "ui/HelpContexts.h"

#include <QApplication>
#include <QDir>
#include <QWidget>
#include <algorithm>

#include "core/Program.h"
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

QString HelpFolder(const Program& program) {
  return QDir(program.session.sAppPath).filePath(QStringLiteral("help"));
}

}  // namespace

void ShowHelpFor(Program& program, const QWidget* form) {
  program.platform.ShowHelp(HelpFolder(program), HelpContextOf(form));
}

void ShowHelpContents(Program& program) {
  program.platform.ShowHelp(HelpFolder(program), 0);
}

}  // namespace quillane
