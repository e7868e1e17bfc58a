#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "core/Commands.h"
#include "core/Progress.h"
#include "core/Session.h"
#include "core/StatusLine.h"
#include "core/TimerSwitch.h"
#include "platform/Platform.h"

class QWidget;

namespace quillane {

class Platform;

// Everything one run of the program works on: the session, the command
// states, the progress steps and the status line, and the platform they reach
// the desktop through. The application owns one; tests build a fresh one.
class Program {
 public:
  explicit Program(Platform& platform)
      : platform(platform), sessionStore_(std::make_unique<Session>()), session(*sessionStore_) {
    QObject::connect(&status, &StatusLine::noticeEnded, [this] { ShowWorkfileName(); });
  }
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  Platform& platform;

 private:
  std::unique_ptr<Session> sessionStore_;  // its lists of texts: kept off the stack

 public:
  Session& session;
  Commands commands;
  Progress progress;
  StatusLine status;
  TimerSwitch autoBackupTimer;  // `tmrAutoBackup`

  // Where the program keeps its files on this machine.
  QString settingsPath;  // the settings file
  QString dataFolder;    // writable folder of the backup workfile

  // The window that message boxes and file dialogs belong to.
  QWidget* dialogParent = nullptr;

  // Non-zero while a file is written or read or a busy message runs; the
  // repaint check of the backup waits until it is zero again.
  int fileWork = 0;

  // Redraws the idea meter of the ideas dialog while it is open.
  std::function<void()> updateIdeaMeter = [] {};

  // A message box with the program title.
  Answer MessageBox(const QString& text, MsgStyle style);

  void MarkProgressStep(ProgressStep step) { progress.MarkProgressStep(step); }
  void ShowWorkfileName() { quillane::ShowWorkfileName(status, session); }
  void ShowStatusMessage(int kind) { quillane::ShowStatusMessage(status, session, platform, kind); }
  // Shows `text` where the workfile name stands, for ten seconds.
  void ShowNotice(const QString& text) { status.ShowNotice(text, kNoticeMs); }
  static constexpr int kNoticeMs = 10000;
};

}  // namespace quillane
