#pragma once

#include <QString>
#include <QStringList>

namespace quillane {

// The workfiles opened or saved last, newest first, kept in the data folder
// (beside the backups, readable by the user alone) so that Start can offer
// them again in the next run.
inline constexpr int kRecentWorkfiles = 6;

QStringList ReadRecentWorkfiles(const QString& dataFolder);
// False when the list could not be written; the run goes on without it.
bool WriteRecentWorkfiles(const QString& dataFolder, const QStringList& workfiles);

// `workfiles` with `path` first, each file once, at most kRecentWorkfiles.
QStringList WithRecentWorkfile(QStringList workfiles, const QString& path);

}  // namespace quillane
