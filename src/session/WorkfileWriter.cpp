#include "session/WorkfileWriter.h"

#include <algorithm>
#include <memory>

#include "core/Session.h"
#include "crypto/SecretBytes.h"
#include "evaluation/EvaluationState.h"
#include "files/CodePage.h"
#include "files/NumberText.h"
#include "files/TextEncoding.h"
#include "resources/Texts.h"
#include "session/EncryptedWorkfile.h"
#include "session/Scramble.h"
#include "session/WorkfileReader.h"

namespace quillane {

namespace {

// The flag forms of line 2.
constexpr char kFlagTrue[] = "-1";
constexpr char kFlagFalse[] = "0";
constexpr char kBooleanFalse[] = "#FALSE#";

int CountWithin(int count, int capacity) {
  return std::clamp(count, 0, capacity);
}

class LineWriter {
 public:
  LineWriter(bool scrambled, TextEncoding encoding, Platform& platform)
      : scrambled_(scrambled), encoding_(encoding), platform_(platform) {}

  void Raw(const QByteArray& line) {
    bytes_ += line;
    bytes_ += "\r\n";
  }
  void Plain(const QString& text) { Raw(EncodeText(BlankControlCharacters(text), encoding_)); }
  void Number(float value) { Plain(FormatNumber(value)); }
  void Count(int count) { Plain(QString::number(count)); }
  void DoubleNumber(double value) { Plain(FormatDoubleNumber(value)); }
  // A session value: scrambled in a protected file.
  void Value(const QString& text) {
    if (scrambled_) {
      ScrambledValue(text);
    } else {
      Plain(text);
    }
  }
  void ScrambledValue(const QString& text) {
    Raw(Scramble(BlankControlCharacters(text), encoding_, platform_));
  }

  QByteArray bytes() const { return bytes_; }

 private:
  bool scrambled_;
  TextEncoding encoding_;
  Platform& platform_;
  QByteArray bytes_;
};

template <std::size_t Size>
bool ListFits(const std::array<QString, Size>& list, int count) {
  for (int i = 1; i <= CountWithin(count, static_cast<int>(Size) - 1); ++i) {
    if (!FitsCodePage(list[i])) return false;
  }
  return true;
}

template <std::size_t Size>
void WriteList(LineWriter& out, const std::array<QString, Size>& list, int count) {
  for (int i = 1; i <= count; ++i) out.Value(list[i]);
}

}  // namespace

bool ContentFitsCodePage(const SessionContent& s) {
  return FitsCodePage(s.sGoal) && (!s.bPassword || FitsCodePage(s.sPassword)) &&
         ListFits(s.sCriteria, s.nCriteria) && ListFits(s.sTAssets, s.nTAssets) &&
         ListFits(s.sIAssets, s.nIAssets) && ListFits(s.sIdeas, s.nIdeas);
}

bool EvaluationFitsCodePage(const EvaluationState& e) {
  return !e.bRanked || ListFits(e.sEvalIdeas, e.nEvalIdeas);
}

namespace {

void WriteSession(LineWriter& out, const SessionContent& s, WorkfileKind kind, TextEncoding encoding) {
  const bool protectedFile = s.bPassword;
  const int criteria = CountWithin(s.nCriteria, kMaxCriteria);
  const int tAssets = CountWithin(s.nTAssets, kMaxAssets);
  const int iAssets = CountWithin(s.nIAssets, kMaxAssets);
  const int ideas = CountWithin(s.nIdeas, kMaxIdeas);

  out.Plain(Text(117));  // the start marker
  if (kind == WorkfileKind::Backup && !protectedFile) {
    out.Raw(kBooleanFalse);
  } else {
    out.Raw(protectedFile ? kFlagTrue : kFlagFalse);
  }
  if (protectedFile) out.ScrambledValue(s.sPassword);
  // The reserved line, empty in a file of the code page, holds the UTF-8 mark.
  out.Value(encoding == TextEncoding::Utf8 ? Text(3132) : QString());
  out.Value(s.sGoal);
  for (int count : {criteria, tAssets, iAssets, ideas}) out.Count(count);
  for (int i = 1; i <= criteria; ++i) {
    out.Value(s.sCriteria[i]);
    out.Number(s.sngWeight[i]);
  }
  WriteList(out, s.sTAssets, tAssets);
  WriteList(out, s.sIAssets, iAssets);
  WriteList(out, s.sIdeas, ideas);
  out.Plain(Text(118));  // the end marker
}

void WriteEvaluation(LineWriter& out, const SessionContent& s, const EvaluationState& e) {
  const int picks = CountWithin(e.nEvalIdeas, kMaxIdeas);
  const int criteria = CountWithin(s.nCriteria, kMaxCriteria);
  out.Plain(Text(3130));
  for (int count :
       {picks, criteria, CountWithin(e.nEvalIdea, kMaxIdeas), CountWithin(e.nEvalCrit, kMaxCriteria)})
    out.Count(count);
  // The ranking, best first.
  for (int i = 1; i <= picks; ++i) {
    out.Value(e.sEvalIdeas[i]);
    // Every digit a single needs, so a result reads back as it was.
    out.DoubleNumber(e.sngResultA[i]);
    out.DoubleNumber(e.sngResultB[i]);
  }
  // The ratings, in the order the ideas were picked.
  for (int k = 1; k <= picks; ++k) {
    out.DoubleNumber(e.dblTotal[k]);
    for (int c = 1; c <= criteria; ++c) {
      out.Number(e.sngScore[k][c]);
      out.DoubleNumber(e.dblScoreW[k][c]);
    }
  }
  out.Plain(Text(3131));
}

}  // namespace

QByteArray WorkfileBytes(const SessionContent& s, const EvaluationState& e, WorkfileKind kind,
                         Platform& platform) {
  const TextEncoding encoding =
      ContentFitsCodePage(s) && EvaluationFitsCodePage(e) ? TextEncoding::CodePage : TextEncoding::Utf8;
  LineWriter out(s.bPassword, encoding, platform);
  WriteSession(out, s, kind, encoding);
  if (e.bRanked) WriteEvaluation(out, s, e);
  return out.bytes();
}

QByteArray WorkfileBytes(const SessionContent& s, WorkfileKind kind, Platform& platform) {
  static const auto none = std::make_unique<const EvaluationState>();
  return WorkfileBytes(s, *none, kind, platform);
}

std::optional<QByteArray> StoredWorkfileBytes(const SessionContent& s, const EvaluationState& e,
                                              WorkfileKind kind, Platform& platform, const SealingKey* key) {
  if (!IsEncrypted(s)) {
    QByteArray bytes = WorkfileBytes(s, e, kind, platform);
    if (bytes.size() > kMaxWorkfileBytes) return std::nullopt;
    return bytes;
  }
  if (key == nullptr) return std::nullopt;
  // Inside, the workfile as it would be written without a password: the
  // key is the password's proof, so no password is kept.
  auto open = std::make_unique<SessionContent>(s);
  open->bPassword = false;
  open->sPassword.clear();
  QByteArray plain = WorkfileBytes(*open, e, WorkfileKind::Workfile, platform);
  std::optional<QByteArray> sealed;
  if (plain.size() <= kMaxWorkfileBytes) sealed = EncryptedWorkfileBytes(plain, *key);
  WipeBytes(plain);
  return sealed;
}

}  // namespace quillane
