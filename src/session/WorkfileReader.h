#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

#include "core/Session.h"

namespace quillane {

// The most lines a workfile holds: start marker, flag, password, reserved
// line, goal, four counts, the criteria with their weights, both asset
// lists, the ideas and the end marker.
inline constexpr qsizetype kMaxWorkfileLines = 9 + 2 * kMaxCriteria + 2 * kMaxAssets + kMaxIdeas + 1;

// The bytes of the workfile at `path`. Nothing when it is missing, no regular
// file (a folder, a device, a named pipe), cannot be read, or is larger than
// any workfile; nothing blocks and no more than the limit is read.
std::optional<QByteArray> ReadWorkfileBytes(const QString& path);

// The first `maxLines` lines of a file. A line ends at CR LF, at LF or at CR
// alone; the end of the file after a last line end starts no further line.
// Lines past `maxLines` are not split at all, so a huge file costs no more
// than a workfile.
QList<QByteArray> SplitLines(const QByteArray& bytes, qsizetype maxLines = kMaxWorkfileLines);

// Line 1 of a workfile: its first field (up to a comma) is the start marker,
// in any letter case.
bool IsStartMarkerLine(const QByteArray& line, const QString& startMarker);

// Line 2, the password flag: a whole number (non-zero means protected) or
// the Boolean forms "#TRUE#" and "#FALSE#". Nothing for anything else, and
// for a line longer than any number of a workfile.
std::optional<bool> ReadPasswordFlag(const QByteArray& line);

// What a workfile gives the session after its password step.
struct WorkfileContent {
  QString goal;
  QStringList criteria;
  QList<float> weights;
  QStringList tAssets;
  QStringList iAssets;
  QStringList ideas;
};

// Reads the reserved line, the goal, the four counts and the four lists from
// line `first` on, unscrambling text lines when `scrambled`; the end marker
// is not needed. Nothing when any part is damaged: a count out of the lists'
// capacity, a number that is no number or whose line is longer than any
// number of a workfile, a weight outside 0 to 9, a text longer than a text
// box takes, a scrambled line without its key, lines ending early, or a last
// line cut short (the file ends inside it, with no line end after it:
// `fileEndsWithLineEnd` false and no line follows).
// Control characters of a text become blanks.
std::optional<WorkfileContent> ReadWorkfileContent(const QList<QByteArray>& lines, qsizetype first,
                                                   bool scrambled, bool fileEndsWithLineEnd = true);

// Puts the workfile's content into `session`: the goal, the four counts, list
// slots 1 to each count and the weights of those criteria. Nothing else
// changes.
void ApplyWorkfileContent(SessionContent& session, const WorkfileContent& content);

}  // namespace quillane
