#pragma once

#include <QString>
#include <functional>

namespace quillane {

struct MainParts;

// What the main window shows of the session as it changes.
struct WindowShows {
  // Redraws the ideas dialog's meter, when the dialog is open.
  std::function<void()> redrawMeter = [] {};
  // Shows a milestone's encouragement where it takes no key away from
  // the user: inside the ideas dialog, or in the status bar.
  std::function<void(const QString&)> encourage = [](const QString&) {};
  // Names the workfile in the window's title, marked while it has unsaved
  // changes.
  std::function<void(const QString& name, bool modified)> title = [](const QString&, bool) {};
};

// Follows the session document and the run's events, and holds every rule
// that follows from them: which commands are enabled, which menus open,
// which progress steps are lit, what the status bar names, when the
// encouragement comes.
void FollowTheSession(MainParts& parts, WindowShows shows);

// The run begins: only Start, Help and Exit open, and the untitled name.
void ShowTheStart(MainParts& parts, const WindowShows& shows);

}  // namespace quillane
