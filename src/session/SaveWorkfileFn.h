#pragma once

#include <functional>

namespace quillane {

// The workfile save as the session procedures call it: mode 0 Save, 1 Save
// As, 2 the automatic backup. It sets `bCancel` when the user cancelled the
// file dialog and clears `bChanged` when a Save or Save As has written the
// file. The main window hands in the real save; tests hand in their own.
using SaveWorkfileFn = std::function<void(int mode)>;

}  // namespace quillane
