#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace quillane {

struct Session;

// The lines of a file. A line ends at CR LF, at LF or at CR alone; the end of
// the file after a last line end starts no further line.
QList<QByteArray> SplitLines(const QByteArray& bytes);

// Line 1 of a workfile: its first field (up to a comma) is the start marker,
// in any letter case.
bool IsStartMarkerLine(const QByteArray& line, const QString& startMarker);

// Line 2, the password flag: a whole number (non-zero means protected) or
// the Boolean forms "#TRUE#" and "#FALSE#". Nothing for anything else.
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
// capacity, a number that is no number, a scrambled line without its key,
// or lines ending early. Control characters of a text become blanks.
std::optional<WorkfileContent> ReadWorkfileContent(const QList<QByteArray>& lines, qsizetype first,
                                                   bool scrambled);

// Puts the content into the session: the goal, the four counts, list slots
// 1 to each count and the weights of those criteria. Nothing else changes.
void ApplyWorkfileContent(Session& session, const WorkfileContent& content);

}  // namespace quillane
