#pragma once

#include <QString>
#include <memory>

#include "core/Session.h"

namespace quillane {

class Platform;
class SealingKey;
struct EvaluationState;
class SessionDocument;
class StatusLine;
class TimerSwitch;
struct Constants;
struct Settings;

// Where the automatic backup goes: BACKUP.QLN in `dataFolder`.
QString BackupPath(const QString& dataFolder);

// Writes `content` into the backup workfile at `path`, protected when the
// session is: an encrypted session's backup is sealed under the session's
// `key`. The file is the user's alone (0600, in a folder that is the
// user's alone). True when the file was written; otherwise the earlier
// backup is as it was.
bool WriteBackupWorkfile(const SessionContent& content, const QString& path, Platform& platform,
                         const SealingKey* key = nullptr);
// The same with the evaluation, kept as the workfile keeps it.
bool WriteBackupWorkfile(const SessionContent& content, const EvaluationState& evaluation,
                         const QString& path, Platform& platform, const SealingKey* key = nullptr);

// The automatic backup of the main window. Each check writes a copy of the
// session content and the evaluation to the backup workfile once the interval of the settings
// has passed since the interval began, measured on the monotonic clock
// (midnight changes nothing).
// When the content and the evaluation are the same as at the last backup of this run (or, before
// the first, as the empty session the run started with), nothing is written:
// an untouched session never replaces what an earlier run left.
//
// The backup reads the session content and changes nothing that a dialog or
// a command reads: it has its own file path, shows its busy message in the
// status bar, and says there when it could not write (never in a message
// box), to try again at the next interval. It keeps only when the interval
// began (`lBackupTime`).
//
// The main window owns one for the whole run: it calls Tick() from its timer
// and OnRepaint() when it repaints. While a file procedure or its message box
// runs (`fileWork` non-zero) a check waits for RunPendingCheck(), which the
// main window calls when that command has finished.
class AutoBackup {
 public:
  AutoBackup(const SessionDocument& document, const EvaluationState& evaluation, const Settings& settings,
             const Constants& constants, Platform& platform, StatusLine& status, const TimerSwitch& timer,
             const int& fileWork, const QString& dataFolder);

  // Starts the backup interval anew from the monotonic clock now (at start-up
  // and when the preferences are confirmed).
  void StartInterval();
  // When the interval began, on the monotonic clock.
  qint64 intervalStart() const { return lBackupTime_; }

  // The timer fired (every 500 ms while automatic backup is on).
  void Tick() { Check(); }
  // The main window repainted.
  void OnRepaint() { Check(); }

  // The run is about to end without Exit (a signal, the desktop's logout):
  // a changed session is written to the backup at once, whatever the
  // interval and whether or not the timer is on, without a busy message.
  // True when the backup holds the session now.
  bool WriteBeforeTheEnd();

  // True when a check met file work and has not run yet.
  bool checkPending() const { return checkPending_; }

  // Runs a check that waited for file work, if the work has ended.
  void RunPendingCheck();

 private:
  void Check();
  // Writes the backup; `tell` shows the busy message. True when written.
  bool Write(bool tell);

  // True when the content and the evaluation are those last written.
  bool Unchanged() const;

  const SessionDocument& document_;
  const EvaluationState& evaluation_;
  const Settings& settings_;
  const Constants& constants_;
  Platform& platform_;
  StatusLine& status_;
  const TimerSwitch& timer_;
  const int& fileWork_;
  const QString& dataFolder_;
  bool checkPending_ = false;
  bool previousRunBackupPutAside_ = false;
  bool writing_ = false;
  qint64 lBackupTime_ = 0;                           // when the interval began
  SessionContent lastWritten_;                       // the content of the last backup written in this run
  std::unique_ptr<EvaluationState> lastEvaluation_;  // and its evaluation (large: kept off the stack)
};

}  // namespace quillane
