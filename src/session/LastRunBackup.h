#pragma once

#include <QString>

namespace quillane {

// How many backups of earlier runs are kept beside the current one.
inline constexpr int kKeptRunBackups = 5;

// Puts aside the backup workfile that an earlier run left in `dataFolder`:
// it moves to a name of its own that carries its modification time
// (BACKUP-20261203-141502.QLN for one written on 3 December 2026 at
// 14:15:02), and only the newest five of those stay. So a run that ended in a
// crash still has its last backup after the next run has started backing up.
// Returns false when the earlier backup is there but could not be moved.
bool PreserveLastRunBackup(const QString& dataFolder);

// A run marks itself in `dataFolder` while it runs and removes the mark when
// it ends through Exit. Marking returns true when an earlier run's mark was
// still there: that run was killed, crashed or lost its power.
bool MarkRunStarted(const QString& dataFolder);
void MarkRunEnded(const QString& dataFolder);

// True when the backup workfile at `path` is a workfile that holds anything
// (a goal, a criterion, an asset or an idea).
bool BackupHasContent(const QString& path);

}  // namespace quillane
