// Any content a user can type, saved and opened again, plain and protected,
// reads back equal: texts, weights, the password and the evaluation.
#include <QStringList>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>

#include "FuzzPlatform.h"
#include "core/Session.h"
#include "criteria/Weights.h"
#include "evaluation/Evaluation.h"
#include "files/CodePage.h"
#include "resources/Texts.h"
#include "session/Scramble.h"
#include "session/WorkfileReader.h"
#include "session/WorkfileWriter.h"

namespace {

using namespace quillane;

// Reads the fuzzer's bytes one field at a time.
class Input {
 public:
  Input(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  bool empty() const { return at_ >= size_; }
  uint8_t Byte() { return empty() ? 0 : data_[at_++]; }
  // A text as a text box takes it: at most 80 characters, no control
  // characters; of the code page alone, or of any alphabet.
  QString Text(int maxLength = kMaxTextLength) {
    const int length = Byte() % (maxLength + 1);
    if (Byte() % 2 == 0) {
      QByteArray bytes;
      for (int i = 0; i < length && !empty(); ++i) bytes += static_cast<char>(Byte());
      return BlankControlCharacters(DecodeCodePage(bytes));
    }
    QString text;
    for (int i = 0; i < length && !empty(); ++i) {
      char32_t code = (static_cast<char32_t>(Byte()) << 16 | Byte() << 8 | Byte()) % 0x110000;
      if (code < 0x20 || (code >= 0xD800 && code <= 0xDFFF)) code = 0x20AC + code % 0x100;
      text += QString::fromUcs4(&code, 1);
    }
    return text;
  }
  // A weight as the rating leaves it: 0 to 9, cut to one decimal.
  float Weight() {
    uint32_t bits = 0;
    for (int i = 0; i < 4; ++i) bits = bits << 8 | Byte();
    float value = 0;
    std::memcpy(&value, &bits, sizeof value);
    if (!(value >= 0.0f && value <= 9.0f)) value = static_cast<float>(bits % 91) / 10.0f;
    return CutToOneDecimal(value);
  }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t at_ = 0;
};

template <std::size_t Size>
void FillList(Input& in, std::array<QString, Size>& list, Integer& count, int capacity) {
  count = static_cast<Integer>(in.Byte() % 6 == 0 ? in.Byte() % (capacity + 1) : in.Byte() % 4);
  for (int i = 1; i <= count; ++i) list[static_cast<std::size_t>(i)] = in.Text();
}

template <std::size_t Size>
QStringList Entries(const std::array<QString, Size>& list, int count) {
  QStringList entries;
  for (int i = 1; i <= count; ++i) entries << list[static_cast<std::size_t>(i)];
  return entries;
}

// An evaluation as the ideas dialog leaves it: some of the ideas picked and
// each rated against every criterion, then ranked.
void Evaluate(Input& in, const SessionContent& content, EvaluationState& e) {
  if (content.nIdeas < 2 || content.nCriteria < 1 || in.Byte() % 2 == 0) return;
  e.nEvalIdeas = static_cast<Integer>(2 + in.Byte() % (content.nIdeas - 1));
  for (int i = 1; i <= e.nEvalIdeas; ++i) {
    e.sEvalIdeas[static_cast<std::size_t>(i)] = content.sIdeas[static_cast<std::size_t>(i)];
  }
  StartEvaluation(e);
  while (RecordRating(content, e, in.Byte() % 11)) {
  }
}

// Says what did not come back, then stops the fuzzer at this input.
[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "round trip lost: %s\n", what);
  __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Input in(data, size);
  static SessionContent content;
  content = SessionContent();
  content.sGoal = in.Text();
  FillList(in, content.sCriteria, content.nCriteria, kMaxCriteria);
  for (int i = 1; i <= content.nCriteria; ++i) content.sngWeight[static_cast<std::size_t>(i)] = in.Weight();
  FillList(in, content.sTAssets, content.nTAssets, kMaxAssets);
  FillList(in, content.sIAssets, content.nIAssets, kMaxAssets);
  FillList(in, content.sIdeas, content.nIdeas, kMaxIdeas);
  content.bPassword = in.Byte() % 2 == 1;
  if (content.bPassword) content.sPassword = UpperCaseInCodePage(in.Text(15));
  if (content.bPassword && content.sPassword.isEmpty()) content.sPassword = QStringLiteral("A");

  FuzzPlatform platform(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
  static const auto evaluation = std::make_unique<EvaluationState>();
  *evaluation = *std::make_unique<EvaluationState>();
  Evaluate(in, content, *evaluation);
  const QByteArray bytes = WorkfileBytes(content, *evaluation, WorkfileKind::Workfile, platform);
  const QList<QByteArray> lines = SplitLines(bytes);
  if (lines.size() < 2 || !IsStartMarkerLine(lines[0], Text(117))) Fail("start marker");
  if (ReadPasswordFlag(lines[1]) != content.bPassword) Fail("password flag");
  qsizetype first = 2;
  // A session of the code page alone is written as it always was: the
  // reserved line holds no mark.
  const TextEncoding encoding = ContentFitsCodePage(content) && EvaluationFitsCodePage(*evaluation)
                                    ? TextEncoding::CodePage
                                    : TextEncoding::Utf8;
  if (content.bPassword) {
    if (Unscramble(lines[2], encoding) != content.sPassword) Fail("password");
    first = 3;
  }
  if (lines.size() <= first || ReadEncodingMark(lines[first], content.bPassword) != encoding)
    Fail("encoding mark");
  const auto read = ReadWorkfileContent(lines, first, content.bPassword);
  if (!read) Fail("the whole content");
  if (read->goal != content.sGoal) Fail("goal");
  if (read->criteria != Entries(content.sCriteria, content.nCriteria)) Fail("criteria");
  // Compared as numbers: a weight of -0 is written and read as 0.
  if (read->weights.size() != content.nCriteria) Fail("weights");
  for (int i = 1; i <= content.nCriteria; ++i) {
    if (read->weights[i - 1] != content.sngWeight[static_cast<std::size_t>(i)]) Fail("weights");
  }
  if (read->tAssets != Entries(content.sTAssets, content.nTAssets)) Fail("tangible assets");
  if (read->iAssets != Entries(content.sIAssets, content.nIAssets)) Fail("intangible assets");
  if (read->ideas != Entries(content.sIdeas, content.nIdeas)) Fail("ideas");
  const auto kept = ReadEvaluationBlock(lines, read->endMarkerLine + 1, content.nCriteria, content.bPassword,
                                        read->encoding);
  if (!kept) Fail("the whole evaluation");
  if (evaluation->bRanked ? !*kept || **kept != *evaluation : *kept != nullptr) Fail("evaluation");
  return 0;
}
