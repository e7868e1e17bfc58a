#include "ui/HelpContexts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
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

ScreenAreas ButtonAreasOf(const QWidget& window) {
  constexpr int kNeighbours = 12;  // pixels between buttons of one group
  std::vector<QRect> places;
  for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
    if (!button->isVisible() || button->window() != &window) continue;
    // Only what shows of it: a button scrolled out of sight is not there.
    const QRect shown = button->visibleRegion().boundingRect();
    if (shown.isEmpty()) continue;
    places.emplace_back(button->mapToGlobal(shown.topLeft()), shown.size());
  }
  // Neighbours merge until no two areas are near each other.
  for (bool merged = true; merged;) {
    merged = false;
    for (std::size_t i = 0; i < places.size() && !merged; ++i) {
      for (std::size_t j = i + 1; j < places.size() && !merged; ++j) {
        const QRect near = places[i].adjusted(-kNeighbours, -kNeighbours, kNeighbours, kNeighbours);
        if (!near.intersects(places[j])) continue;
        places[i] = places[i].united(places[j]);
        places.erase(places.begin() + static_cast<std::ptrdiff_t>(j));
        merged = true;
      }
    }
  }
  ScreenAreas areas;
  for (const QRect& place : places) areas.Add(place);
  return areas;
}

namespace {

// What the help window must leave free: the buttons of every open window of
// the program.
ScreenAreas KeepClear() {
  ScreenAreas areas;
  for (const QWidget* window : QApplication::topLevelWidgets()) {
    if (!dynamic_cast<const HelpTopicOwner*>(window) || !window->isVisible()) continue;
    areas.Add(ButtonAreasOf(*window));
    // A dialog stays in sight beside the help, where the screen has room;
    // the main window fills the screen, so only its buttons count.
    if (qobject_cast<const QDialog*>(window)) areas.AddRather(window->frameGeometry());
  }
  return areas;
}

}  // namespace

void ShowHelpFor(const HelpBook& help, const QWidget* form) {
  help.platform.ShowHelp(help.folder, HelpContextOf(form), KeepClear());
}

void ShowHelpContents(const HelpBook& help) {
  help.platform.ShowHelp(help.folder, 0, KeepClear());
}

}  // namespace quillane
