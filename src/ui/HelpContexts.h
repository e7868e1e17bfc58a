#pragma once

#include <QRect>
#include <QString>
#include <vector>

#include "platform/helprequest/ScreenAreas.h"

class QWidget;

namespace quillane {

class Platform;

// The program's help pages, opened through the platform.
struct HelpBook {
  Platform& platform;
  QString folder;  // the help pages beside the program's other files
};

// A window of the program that answers for the help topic of the page it
// shows: the main window and every dialog.
class HelpTopicOwner {
 public:
  virtual ~HelpTopicOwner() = default;

  // The topic of the page the window shows now.
  virtual int HelpTopic() const = 0;

  // The number F1 and the Help button open: the topic as of the last
  // SetHelpContexts, so a window is renumbered only when that runs.
  int helpContext() const { return helpContext_; }

 private:
  friend void SetHelpContexts();
  int helpContext_ = 0;
};

// Gives every open window of the program the help context number of the
// page it shows now.
void SetHelpContexts();

// Every number a window can give, each once, ascending: the topics the help
// pages must cover.
std::vector<int> AllHelpContexts();

// The help context number a window carries now (0 for any other widget).
int HelpContextOf(const QWidget* form);

// The places of the buttons `window` shows, on the screen: neighbouring
// buttons (a row, a column, a frame of commands) make one area.
ScreenAreas ButtonAreasOf(const QWidget& window);

// Opens the help at the context of `form` (F1 and the Help buttons).
void ShowHelpFor(const HelpBook& help, const QWidget* form);

// Opens the help at its contents.
void ShowHelpContents(const HelpBook& help);

}  // namespace quillane
