#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

#include "core/Session.h"
#include "evaluation/EvaluationState.h"
#include "files/SafeFileRead.h"
#include "files/TextEncoding.h"

namespace quillane {

// The most lines of the evaluation kept after the end marker: its two
// markers, four counts, each picked idea with its two results, and each
// idea's total with a score and a weighted score per criterion.
inline constexpr qsizetype kMaxEvaluationLines = 2 + 4 + 3 * kMaxIdeas + kMaxIdeas * (1 + 2 * kMaxCriteria);

// The most lines a workfile holds: start marker, flag, password, reserved
// line, goal, four counts, the criteria with their weights, both asset
// lists, the ideas and the end marker, then the evaluation.
inline constexpr qsizetype kMaxWorkfileLines =
    9 + 2 * kMaxCriteria + 2 * kMaxAssets + kMaxIdeas + 1 + kMaxEvaluationLines;

// The largest workfile read: the session takes some 60 KB (some 160 KB in
// UTF-8 when every character takes four bytes), a full evaluation with its
// 40,000 score lines about 560 KB more.
inline constexpr qint64 kMaxWorkfileBytes = kMaxReadFileBytes;
// An encrypted workfile holds one of those in Base64, a third larger, with
// a line end every 76 characters and a few lines before and after.
inline constexpr qint64 kMaxStoredWorkfileBytes = kMaxWorkfileBytes * 3 / 2;

// The bytes of the workfile at `path`. Nothing when it is missing, no regular
// file (a folder, a device, a named pipe), cannot be read, or is larger than
// any workfile, encrypted or not; nothing blocks and no more than the limit
// is read.
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
  qsizetype endMarkerLine = 0;                     // where the end marker stands, read or not
  TextEncoding encoding = TextEncoding::CodePage;  // as the reserved line marks it
};

// The encoding the reserved line marks: UTF-8 when it holds the mark, the
// code page otherwise (a reader of the first format reads the line and
// leaves it aside, whatever it holds).
TextEncoding ReadEncodingMark(const QByteArray& reservedLine, bool scrambled);

// Reads the reserved line (the file's encoding), the goal, the four counts and the four lists from
// line `first` on, unscrambling text lines when `scrambled`; the end marker
// is not needed. Nothing when any part is damaged: a count out of the lists'
// capacity, a number that is no number or whose line is longer than any
// number of a workfile, a weight outside 0 to 9, a text longer than a text
// box takes, a text that is no valid UTF-8 in a file marked so, a scrambled
// line without its key, lines ending early, or a last
// line cut short (the file ends inside it, with no line end after it:
// `fileEndsWithLineEnd` false and no line follows).
// Control characters of a text become blanks.
std::optional<WorkfileContent> ReadWorkfileContent(const QList<QByteArray>& lines, qsizetype first,
                                                   bool scrambled, bool fileEndsWithLineEnd = true);

// The evaluation kept after the end marker, from line `first` on (the line
// after the end marker): its start marker, the number of picked ideas, the
// number of criteria (the file's own), the idea and criterion last on
// screen (texts in the workfile's `encoding`), each picked idea in ranked order (text, average, result), each
// picked idea's total in the order picked with its score and weighted score
// for every criterion, and its end marker. Nothing when it is there but
// damaged in any part (a count out of capacity or not the file's, a number
// that is no number or out of its range, lines missing, no end marker); a
// null state when the file keeps no evaluation.
std::optional<std::unique_ptr<EvaluationState>> ReadEvaluationBlock(const QList<QByteArray>& lines,
                                                                    qsizetype first, int nCriteria,
                                                                    bool scrambled, TextEncoding encoding);

// Puts the workfile's content into `session`: the goal, the four counts, list
// slots 1 to each count and the weights of those criteria. Nothing else
// changes.
void ApplyWorkfileContent(SessionContent& session, const WorkfileContent& content);

}  // namespace quillane
