#pragma once

#include <memory>

#include "app/Commands.h"
#include "app/Progress.h"
#include "app/StatusLine.h"
#include "session/Session.h"

namespace quillane {

class Platform;

// Everything one run of the program works on: the session, the command
// states, the progress steps and the status line, and the platform they reach
// the desktop through. The application owns one; tests build a fresh one.
class Program {
 public:
  explicit Program(Platform& platform)
      : platform(platform), sessionStore_(std::make_unique<Session>()), session(*sessionStore_) {}
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  Platform& platform;

 private:
  std::unique_ptr<Session> sessionStore_;  // large tables: kept off the stack

 public:
  Session& session;
  Commands commands;
  Progress progress;
  StatusLine status;

  void MarkProgressStep(int step) { progress.MarkProgressStep(step); }
  void ShowWorkfileName() { quillane::ShowWorkfileName(status, session); }
  void ShowStatusMessage(int kind) { quillane::ShowStatusMessage(status, session, platform, kind); }
};

}  // namespace quillane
