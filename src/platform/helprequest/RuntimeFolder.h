#pragma once

#include <QString>
#include <optional>

namespace quillane {

// The folder of this user's running-program lock and local sockets: the
// desktop's runtime folder, or, where there is none (su, sudo, ssh, cron,
// containers), a folder of Quillane's own, quillane-<uid> in the temporary
// folder, made for this user alone. Nothing when no such folder can be had
// safely: then nobody else may learn of this run's names.
std::optional<QString> PrivateRuntimeFolder();

// The same, with the desktop's runtime folder (empty for none) and the
// temporary folder given.
std::optional<QString> PrivateRuntimeFolder(const QString& desktopRuntime, const QString& tempFolder);

// True when `folder` is, by lstat, a directory (not a link) owned by this
// user, with no bits for the group or others.
bool IsPrivateFolder(const QString& folder);

}  // namespace quillane
