#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

namespace quillane {

// How many backups of earlier runs are kept beside the current one.
inline constexpr int kKeptRunBackups = 5;

// Puts aside the backup workfile that an earlier run left in `dataFolder`:
// it moves to a name of its own that carries its modification time
// (BACKUP-20261203-141502.QLN for one written on 3 December 2026 at
// 14:15:02), and only the newest five of those stay. So a run that ended in a
// crash still has its last backup after the next run has started backing up.
// Returns where that backup now lies (empty when there was none), or nothing
// when it is there but could not be moved.
std::optional<QString> PreserveLastRunBackup(const QString& dataFolder);

// Makes `folder` (with its parents) when it is missing, and the user's alone.
void MakePrivateFolder(const QString& folder);

// A run marks itself in `dataFolder` while it runs and removes the mark when
// it ends through Exit. A mark still there at the next start tells that the
// run before was killed, crashed, lost its power or ended with the desktop.
struct LastRunMark {
  bool left = false;  // the run before did not end through Exit
  QDateTime started;  // when that run began
};
LastRunMark MarkRunStarted(const QString& dataFolder);
void MarkRunEnded(const QString& dataFolder);

// What the backup workfile at `path` holds for a run that began at `since`.
enum class RunBackup {
  None,        // no backup, or one older than that run: not that run's
  Empty,       // no goal, criterion, asset or idea
  Unreadable,  // there, but not a workfile that can be read
  Plain,       // a session to offer
  Protected,   // a session to offer, protected by its password
};
RunBackup InspectRunBackup(const QString& path, const QDateTime& since);

}  // namespace quillane
