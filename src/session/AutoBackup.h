#pragma once

#include "session/SaveWorkfileFn.h"
#include "core/Session.h"

namespace quillane {

class Program;

// The clock in whole seconds, halves rounded to the even second.
Long WholeSeconds(double secondsSinceMidnight);

// Starts the backup interval anew from the clock now (at start-up and when
// the preferences are confirmed).
void StartBackupInterval(Program& program);

// The automatic backup of the main window. Each check writes the session to
// the backup workfile once the interval has passed since `lBackupTime`;
// the clock counts seconds since midnight, so a backup that falls due after
// midnight waits until the clock passes `lBackupTime` plus the interval again.
//
// The main window owns one for the whole run: it calls Tick() from its timer
// and OnRepaint() when it repaints. The object remembers that the previous
// run's backup has been put aside, so that happens before the first backup of
// this run only, and whether a check waits for file work to end.
class AutoBackup {
 public:
  AutoBackup(Program& program, SaveWorkfileFn saveWorkfile);

  // The timer fired (every 500 ms while automatic backup is on).
  void Tick() { Check(); }

  // The main window repainted. A repaint also comes while a file is read or
  // written and while a busy message runs (`fileWork` non-zero); the check
  // then waits for RunPendingCheck(), which the main window calls when the
  // command that did the file work has finished (the next tick would
  // otherwise do it).
  void OnRepaint() { Check(); }

  // True when a check met file work and has not run yet.
  bool checkPending() const { return checkPending_; }

  // Runs a check that waited for file work, if the work has ended.
  void RunPendingCheck();

 private:
  void Check();

  Program& program_;
  SaveWorkfileFn saveWorkfile_;
  bool checkPending_ = false;
  bool previousRunBackupPutAside_ = false;
  bool writing_ = false;
};

}  // namespace quillane
