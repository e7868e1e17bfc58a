#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "files/SafeFileRead.h"

namespace quillane {

// A private profile (INI) file held in memory: sections in square brackets
// and "key=value" lines below them. Section and key names match without
// regard to letter case. A write changes only its own line, so comments,
// other sections and keys the program does not know survive every save.
// Lines may end in CR LF or LF; a save keeps the file's own line ends.
class PrivateProfile {
 public:
  // Reads `path`. A missing file gives an empty profile. Anything else that
  // is not read (no regular file, larger than 1 MiB, unreadable) gives an
  // empty, refused profile that will not be saved, so what is there is never
  // replaced by our few keys.
  static PrivateProfile Load(const QString& path);
  // The profile held in `bytes`, as Load reads it from a file.
  static PrivateProfile FromBytes(const QByteArray& bytes);

  // The value of `key`, without the blanks around it and without one pair of
  // enclosing quotes, cut to `maxLength` characters (no limit when negative);
  // `defaultValue` when the section or key is missing.
  QString GetString(const QString& section, const QString& key, const QString& defaultValue,
                    int maxLength = -1) const;

  // The whole number the value starts with (an optional sign, then digits;
  // 0 when there are none). `defaultValue` when the key is missing or empty.
  int GetInt(const QString& section, const QString& key, int defaultValue) const;

  // Sets `key` to `value`: in its own line when the key exists, else at the
  // end of the section, else in a new section at the end. Returns false and
  // changes nothing for a name or value that the file could not hold (a line
  // break, an empty key, a "=" in the key, a "]" in the section name).
  bool WriteString(const QString& section, const QString& key, const QString& value);

  // Writes the whole profile to `path` in one piece, creating its folder when
  // missing; an interrupted save leaves the previous file as it was. False,
  // writing nothing, for a refused profile and where `path` names something
  // other than a regular file.
  bool Save(const QString& path) const;

  // How Load read its file.
  FileRead loaded() const { return loaded_; }
  const QStringList& lines() const { return lines_; }

 private:
  std::optional<qsizetype> FindKey(const QString& section, const QString& key) const;
  std::optional<qsizetype> FindSection(const QString& section) const;

  QStringList lines_;
  QString lineEnd_;
  FileRead loaded_ = FileRead::Done;
};

}  // namespace quillane
