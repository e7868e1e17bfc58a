#include "session/WorkfileReader.h"

#include <algorithm>
#include <cmath>

#include "core/Session.h"
#include "files/CodePage.h"
#include "files/NumberText.h"
#include "files/SafeFileRead.h"
#include "files/TextEncoding.h"
#include "resources/Texts.h"
#include "session/Scramble.h"

namespace quillane {

namespace {

// The Boolean forms a flag may be written in.
constexpr char kBooleanTrue[] = "#TRUE#";
constexpr char kBooleanFalse[] = "#FALSE#";
// The weight of the most important criterion.
constexpr double kMaxWeight = 9.0;
// No number of a workfile takes a longer line: the longest is a weight below
// the smallest normal single written out in full, a point, 44 zeros and up
// to 7 digits; flags and counts take a few characters. A longer line is
// refused before it is read, whatever it holds.
constexpr qsizetype kMaxNumberLineLength = 64;
// A double of the evaluation written out in full: a sign, a point, up to 323
// zeros and 17 digits.
constexpr qsizetype kMaxDoubleLineLength = 400;
// The ranges of the evaluation's numbers: a rating is a whole number up to
// 10, so is a weighted score and an average; the best result is 9.
constexpr double kMaxRating = 10.0;
constexpr double kMaxResult = 9.0;

class LineCursor {
 public:
  LineCursor(const QList<QByteArray>& lines, qsizetype first) : lines_(lines), next_(first) {}

  std::optional<QByteArray> Next() {
    if (next_ < 0 || next_ >= lines_.size()) return std::nullopt;
    return lines_[next_++];
  }
  bool AtEnd() const { return next_ >= lines_.size(); }
  qsizetype position() const { return next_; }

 private:
  const QList<QByteArray>& lines_;
  qsizetype next_;
};

// The text of a line that should hold a number; nothing when it is too long.
std::optional<QString> NumberLineText(const QByteArray& line) {
  if (line.size() > kMaxNumberLineLength) return std::nullopt;
  return DecodeCodePage(line);
}

std::optional<double> ReadNumber(const QByteArray& line) {
  const auto text = NumberLineText(line);
  if (!text) return std::nullopt;
  return ParseNumber(*text);
}

// A number of the evaluation within `low` to `high`.
std::optional<double> ReadNumberWithin(LineCursor& cursor, double low, double high) {
  const auto line = cursor.Next();
  if (!line || line->size() > kMaxDoubleLineLength) return std::nullopt;
  const auto number = ParseNumber(DecodeCodePage(*line));
  if (!number || !(*number >= low && *number <= high)) return std::nullopt;
  return number;
}

bool IsLineOf(const std::optional<QByteArray>& line, int textNumber) {
  return line && DecodeCodePage(*line) == Text(textNumber);
}

std::optional<double> ReadWholeNumber(const QByteArray& line) {
  const auto number = ReadNumber(line);
  if (!number || std::floor(*number) != *number) return std::nullopt;
  return number;
}

std::optional<QString> ReadText(LineCursor& cursor, bool scrambled, TextEncoding encoding) {
  const auto line = cursor.Next();
  if (!line) return std::nullopt;
  const std::optional<QString> text = scrambled ? Unscramble(*line, encoding) : DecodeText(*line, encoding);
  if (!text || CharacterCount(*text) > kMaxTextLength) return std::nullopt;
  return BlankControlCharacters(*text);
}

std::optional<int> ReadCount(LineCursor& cursor, int capacity) {
  const auto line = cursor.Next();
  if (!line) return std::nullopt;
  const auto count = ReadWholeNumber(*line);
  if (!count || *count < 0 || *count > capacity) return std::nullopt;
  return static_cast<int>(*count);
}

std::optional<float> ReadWeight(LineCursor& cursor) {
  const auto line = cursor.Next();
  if (!line) return std::nullopt;
  const auto weight = ReadNumber(*line);
  if (!weight || !(*weight >= 0.0 && *weight <= kMaxWeight)) return std::nullopt;
  return static_cast<float>(*weight);
}

std::optional<QStringList> ReadTexts(LineCursor& cursor, int count, bool scrambled, TextEncoding encoding) {
  QStringList texts;
  for (int i = 0; i < count; ++i) {
    auto text = ReadText(cursor, scrambled, encoding);
    if (!text) return std::nullopt;
    texts.append(*text);
  }
  return texts;
}

// Slots 1 to the count; a list longer than the capacity keeps its first entries.
template <std::size_t Size>
Integer PutList(std::array<QString, Size>& list, const QStringList& texts) {
  const std::size_t count = std::min(static_cast<std::size_t>(texts.size()), Size - 1);
  for (std::size_t i = 0; i < count; ++i) list[i + 1] = texts[static_cast<qsizetype>(i)];
  return static_cast<Integer>(count);
}

}  // namespace

std::optional<QByteArray> ReadWorkfileBytes(const QString& path) {
  FileBytes file = ReadRegularFile(path, kMaxStoredWorkfileBytes);
  if (file.result != FileRead::Done) return std::nullopt;
  return std::move(file.bytes);
}

QList<QByteArray> SplitLines(const QByteArray& bytes, qsizetype maxLines) {
  QList<QByteArray> lines;
  qsizetype start = 0;
  for (qsizetype i = 0; i < bytes.size() && lines.size() < maxLines; ++i) {
    const char c = bytes[i];
    if (c != '\r' && c != '\n') continue;
    lines.append(bytes.mid(start, i - start));
    if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < bytes.size() && lines.size() < maxLines) lines.append(bytes.mid(start));
  return lines;
}

bool IsStartMarkerLine(const QByteArray& line, const QString& startMarker) {
  const QString firstField = DecodeCodePage(line).section(QLatin1Char(','), 0, 0).trimmed();
  return UpperCaseInCodePage(firstField) == UpperCaseInCodePage(startMarker);
}

std::optional<bool> ReadPasswordFlag(const QByteArray& line) {
  const auto lineText = NumberLineText(line);
  if (!lineText) return std::nullopt;
  const QString text = lineText->trimmed();
  if (text.compare(QLatin1String(kBooleanTrue), Qt::CaseInsensitive) == 0) return true;
  if (text.compare(QLatin1String(kBooleanFalse), Qt::CaseInsensitive) == 0) return false;
  const auto number = ReadWholeNumber(line);
  if (!number) return std::nullopt;
  return *number != 0;
}

TextEncoding ReadEncodingMark(const QByteArray& reservedLine, bool scrambled) {
  // The mark is plain ASCII, the same in either encoding.
  const std::optional<QString> value =
      scrambled ? Unscramble(reservedLine, TextEncoding::CodePage) : DecodeCodePage(reservedLine);
  return value && *value == Text(3132) ? TextEncoding::Utf8 : TextEncoding::CodePage;
}

std::optional<WorkfileContent> ReadWorkfileContent(const QList<QByteArray>& lines, qsizetype first,
                                                   bool scrambled, bool fileEndsWithLineEnd) {
  LineCursor cursor(lines, first);
  const auto reserved = cursor.Next();
  if (!reserved) return std::nullopt;

  WorkfileContent content;
  content.encoding = ReadEncodingMark(*reserved, scrambled);
  const TextEncoding encoding = content.encoding;
  const auto goal = ReadText(cursor, scrambled, encoding);
  if (!goal) return std::nullopt;
  content.goal = *goal;

  const auto criteria = ReadCount(cursor, kMaxCriteria);
  const auto tAssets = ReadCount(cursor, kMaxAssets);
  const auto iAssets = ReadCount(cursor, kMaxAssets);
  const auto ideas = ReadCount(cursor, kMaxIdeas);
  if (!criteria || !tAssets || !iAssets || !ideas) return std::nullopt;

  for (int i = 0; i < *criteria; ++i) {
    const auto name = ReadText(cursor, scrambled, encoding);
    if (!name) return std::nullopt;
    const auto weight = ReadWeight(cursor);
    if (!weight) return std::nullopt;
    content.criteria.append(*name);
    content.weights.append(*weight);
  }
  auto tAssetTexts = ReadTexts(cursor, *tAssets, scrambled, encoding);
  if (!tAssetTexts) return std::nullopt;
  auto iAssetTexts = ReadTexts(cursor, *iAssets, scrambled, encoding);
  if (!iAssetTexts) return std::nullopt;
  auto ideaTexts = ReadTexts(cursor, *ideas, scrambled, encoding);
  if (!ideaTexts) return std::nullopt;
  if (cursor.AtEnd() && !fileEndsWithLineEnd) return std::nullopt;
  content.endMarkerLine = cursor.position();
  content.tAssets = std::move(*tAssetTexts);
  content.iAssets = std::move(*iAssetTexts);
  content.ideas = std::move(*ideaTexts);
  return content;
}

std::optional<std::unique_ptr<EvaluationState>> ReadEvaluationBlock(const QList<QByteArray>& lines,
                                                                    qsizetype first, int nCriteria,
                                                                    bool scrambled, TextEncoding encoding) {
  LineCursor cursor(lines, first);
  // A reader of the first format stops at the end marker: whatever follows
  // that is not the evaluation's start marker is none of its business.
  if (!IsLineOf(cursor.Next(), 3130)) return std::unique_ptr<EvaluationState>();

  auto e = std::make_unique<EvaluationState>();
  const auto picks = ReadCount(cursor, kMaxIdeas);
  const auto criteria = ReadCount(cursor, kMaxCriteria);
  const auto idea = ReadCount(cursor, kMaxIdeas);
  const auto criterion = ReadCount(cursor, kMaxCriteria);
  if (!picks || *picks < 1 || !criteria || *criteria != nCriteria || !idea || !criterion) return std::nullopt;
  e->nEvalIdeas = static_cast<Integer>(*picks);
  e->nEvalIdea = static_cast<Integer>(*idea);
  e->nEvalCrit = static_cast<Integer>(*criterion);

  for (std::size_t i = 1; i <= static_cast<std::size_t>(*picks); ++i) {
    const auto text = ReadText(cursor, scrambled, encoding);
    const auto average = text ? ReadNumberWithin(cursor, 0.0, kMaxRating) : std::nullopt;
    const auto result = average ? ReadNumberWithin(cursor, 0.0, kMaxResult) : std::nullopt;
    if (!result) return std::nullopt;
    e->sEvalIdeas[i] = *text;
    e->sngResultA[i] = static_cast<Single>(*average);
    e->sngResultB[i] = static_cast<Single>(*result);
  }
  for (std::size_t k = 1; k <= static_cast<std::size_t>(*picks); ++k) {
    const auto total = ReadNumberWithin(cursor, 0.0, kMaxRating * kMaxCriteria);
    if (!total) return std::nullopt;
    e->dblTotal[k] = *total;
    for (std::size_t c = 1; c <= static_cast<std::size_t>(nCriteria); ++c) {
      const auto score = ReadNumberWithin(cursor, 0.0, kMaxRating);
      const auto weighted = score ? ReadNumberWithin(cursor, 0.0, kMaxRating) : std::nullopt;
      if (!weighted || std::floor(*score) != *score) return std::nullopt;
      e->sngScore[k][c] = static_cast<Single>(*score);
      e->dblScoreW[k][c] = *weighted;
    }
  }
  if (!IsLineOf(cursor.Next(), 3131)) return std::nullopt;
  e->bRanked = true;
  return e;
}

void ApplyWorkfileContent(SessionContent& s, const WorkfileContent& content) {
  s.sGoal = content.goal;
  s.nCriteria = PutList(s.sCriteria, content.criteria);
  for (int i = 1; i <= s.nCriteria && i <= content.weights.size(); ++i) {
    s.sngWeight[static_cast<std::size_t>(i)] = content.weights[i - 1];
  }
  s.nTAssets = PutList(s.sTAssets, content.tAssets);
  s.nIAssets = PutList(s.sIAssets, content.iAssets);
  s.nIdeas = PutList(s.sIdeas, content.ideas);
}

}  // namespace quillane
