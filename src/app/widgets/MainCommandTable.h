#pragma once

#include "core/Commands.h"

namespace quillane {

// One command button of the main window: where it stands and its texts.
struct CommandButtonSpec {
  Command command;  // `cmdButton(index)`
  int frame;        // the menu whose frame holds it
  int row;          // position in the frame's grid
  int column;
  int caption;  // text numbers
  int toolTip;
};

// One menu button and its frame.
struct MenuSpec {
  int index;  // `chkMenu(index)`
  const char* frameName;
  int caption;  // also the frame's caption
  int toolTip;
  int helpTopic;  // the main window's topic while the frame is open
};

extern const MenuSpec kMenus[9];
inline constexpr int kCommandButtonCount = 33;
extern const CommandButtonSpec kCommandButtons[kCommandButtonCount];

}  // namespace quillane
