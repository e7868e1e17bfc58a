#pragma once

#include <functional>

namespace quillane {

struct MainParts;

// Follows the session document and the run's events, and holds every rule
// that follows from them: which commands are enabled, which menus open,
// which progress steps are lit, what the status bar names, when the
// encouragement comes. `redrawIdeaMeter` redraws the ideas dialog's meter
// (first, so the meter shows the new idea before any message).
void FollowTheSession(MainParts& parts, std::function<void()> redrawIdeaMeter);

// The run begins: only Start, Help and Exit open, and the untitled name.
void ShowTheStart(MainParts& parts);

}  // namespace quillane
