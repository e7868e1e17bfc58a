#include "app/widgets/MainShortcuts.h"

#include <array>

namespace quillane {

std::span<const MainShortcut> MainShortcuts() {
  static const std::array<MainShortcut, 5> shortcuts = {{
      {Menu::kStart, Command::NewSession, QKeySequence(Qt::CTRL | Qt::Key_N)},
      {Menu::kStart, Command::OpenSession, QKeySequence(Qt::CTRL | Qt::Key_O)},
      {Menu::kSave, Command::Save, QKeySequence(Qt::CTRL | Qt::Key_S)},
      {Menu::kSave, Command::SaveAs, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
      {Menu::kExit, std::nullopt, QKeySequence(Qt::CTRL | Qt::Key_Q)},
  }};
  return shortcuts;
}

}  // namespace quillane
