#pragma once

#include <QString>
#include <optional>

#include "platform/Platform.h"

class QWidget;

namespace quillane {

// How the program's logic talks to the user: it asks a question, tells
// something, or lets the user choose a file. Every box carries the program's
// title and belongs to the window the prompter stands for.
class Prompter {
 public:
  virtual ~Prompter() = default;

  // A message box; returns the button pressed.
  virtual Answer Ask(const QString& text, MsgStyle style) = 0;
  // A message with OK only (by default without an icon).
  void Tell(const QString& text, MsgStyle style = MsgButtons::OkOnly) { Ask(text, style); }
  // The Open or Save As dialog: the chosen path, or nothing when cancelled.
  virtual std::optional<QString> ChooseFileName(FileDialogMode mode, const QString& filter,
                                                const QString& defaultExt, const QString& initialName) = 0;
};

// The prompter of the desktop: the platform's boxes and file dialogs, over
// `parent`, with the program's title.
class DesktopPrompter : public Prompter {
 public:
  DesktopPrompter(Platform& platform, const QString& title) : platform_(platform), title_(title) {}

  // The window the boxes belong to: the main window once it exists.
  void SetParent(QWidget* parent) { parent_ = parent; }

  Answer Ask(const QString& text, MsgStyle style) override {
    return platform_.MessageBox(parent_, text, style, title_);
  }
  std::optional<QString> ChooseFileName(FileDialogMode mode, const QString& filter, const QString& defaultExt,
                                        const QString& initialName) override {
    return platform_.FileDialog(parent_, mode, filter, defaultExt, initialName);
  }

 private:
  Platform& platform_;
  QString title_;
  QWidget* parent_ = nullptr;
};

}  // namespace quillane
