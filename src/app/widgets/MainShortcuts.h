#pragma once

#include <QKeySequence>
#include <optional>
#include <span>

#include "core/Commands.h"

namespace quillane {

// A key of the main window: the command of a menu's frame it presses, or
// the menu button itself when there is no command (Exit).
struct MainShortcut {
  int menu;
  std::optional<Command> command;
  QKeySequence keys;
};

// The keys a desktop user expects: New Session, Open, Save, Save As, Exit.
std::span<const MainShortcut> MainShortcuts();

}  // namespace quillane
