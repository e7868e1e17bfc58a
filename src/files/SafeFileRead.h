#pragma once

#include <QByteArray>
#include <QString>

namespace quillane {

// No file the program reads comes near this size: the largest workfile is
// some 60 KB, the settings file and the word file a few KB.
inline constexpr qint64 kMaxReadFileBytes = 1024 * 1024;

// How reading a file ended.
enum class FileRead {
  Done,     // the bytes are the whole file
  Missing,  // nothing is there
  Refused,  // something is there but was not read: no regular file (a folder,
            // a device, a named pipe), larger than the limit, or unreadable
};

struct FileBytes {
  FileRead result = FileRead::Missing;
  QByteArray bytes;
};

// Reads the whole regular file at `path`, of at most `maxBytes`. The file is
// opened without waiting and checked once open, so nothing put in its place
// after a check (a named pipe that nobody writes, a link to an endless
// device) can block the program or fill its memory.
FileBytes ReadRegularFile(const QString& path, qint64 maxBytes = kMaxReadFileBytes);

}  // namespace quillane
