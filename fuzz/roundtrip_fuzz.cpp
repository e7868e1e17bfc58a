// Any content a user can type, saved and opened again, plain and protected,
// reads back equal: texts, weights and the password.
#include <QStringList>
#include <cstdint>
#include <cstring>

#include "FuzzPlatform.h"
#include "core/Session.h"
#include "resources/Texts.h"
#include "session/CodePage.h"
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
  // A text as a text box takes it: at most 80 characters, no control characters.
  QString Text(int maxLength = kMaxTextLength) {
    const int length = Byte() % (maxLength + 1);
    QByteArray bytes;
    for (int i = 0; i < length && !empty(); ++i) bytes += static_cast<char>(Byte());
    return BlankControlCharacters(DecodeCodePage(bytes));
  }
  float Weight() {
    uint32_t bits = 0;
    for (int i = 0; i < 4; ++i) bits = bits << 8 | Byte();
    float value = 0;
    std::memcpy(&value, &bits, sizeof value);
    if (!(value >= 0.0f && value <= 9.0f)) value = static_cast<float>(bits % 91) / 10.0f;
    return value;
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
  const QByteArray bytes = WorkfileBytes(content, WorkfileKind::Workfile, platform);
  const QList<QByteArray> lines = SplitLines(bytes);
  if (lines.size() < 2 || !IsStartMarkerLine(lines[0], Text(117))) __builtin_trap();
  if (ReadPasswordFlag(lines[1]) != content.bPassword) __builtin_trap();
  qsizetype first = 2;
  if (content.bPassword) {
    if (Unscramble(lines[2]) != content.sPassword) __builtin_trap();
    first = 3;
  }
  const auto read = ReadWorkfileContent(lines, first, content.bPassword);
  if (!read) __builtin_trap();
  QList<float> weights;
  for (int i = 1; i <= content.nCriteria; ++i) weights << content.sngWeight[static_cast<std::size_t>(i)];
  if (read->goal != content.sGoal || read->criteria != Entries(content.sCriteria, content.nCriteria) ||
      read->weights != weights || read->tAssets != Entries(content.sTAssets, content.nTAssets) ||
      read->iAssets != Entries(content.sIAssets, content.nIAssets) ||
      read->ideas != Entries(content.sIdeas, content.nIdeas)) {
    __builtin_trap();
  }
  return 0;
}
