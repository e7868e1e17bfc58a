// Any bytes as an encrypted workfile, and any bytes sealed as one: the
// reader must refuse or read them, never crash, and a sound file must give
// back exactly what was sealed.
#include <cstdint>
#include <cstdlib>

#include "crypto/SealingKey.h"
#include "resources/Texts.h"
#include "session/EncryptedWorkfile.h"
#include "session/WorkfileReader.h"

namespace {

// One key for the whole run, at the least cost, so each input is quick.
const quillane::SealingKey& FuzzKey() {
  static const quillane::SealingKey key = *quillane::SealingKey::Derive(
      QStringLiteral("fuzz"), QByteArray(quillane::kSaltBytes, 'q'), quillane::kLeastKdfLimits);
  return key;
}

// The workfile inside, read as Open reads it.
void ReadInside(const QByteArray& plain) {
  const QList<QByteArray> lines = quillane::SplitLines(plain);
  if (lines.size() < 2 || !quillane::IsStartMarkerLine(lines[0], quillane::Text(117))) return;
  if (quillane::ReadPasswordFlag(lines[1]) != false) return;
  if (auto content = quillane::ReadWorkfileContent(lines, 2, false, plain.endsWith('\n'))) {
    quillane::ReadEvaluationBlock(lines, content->endMarkerLine + 1,
                                  static_cast<int>(content->criteria.size()), false, content->encoding);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const quillane::SealingKey& key = FuzzKey();

  // The input as a file someone sent.
  if (const auto file = quillane::ReadEncryptedWorkfile(bytes)) {
    if (file->salt == key.salt() && file->limits == key.limits()) {
      if (const auto plain = quillane::OpenEncryptedWorkfile(*file, key)) ReadInside(*plain);
    }
  }

  // The input as the workfile inside a sound file.
  const QByteArray sealed = quillane::EncryptedWorkfileBytes(bytes, key);
  const auto file = quillane::ReadEncryptedWorkfile(sealed);
  if (!file) std::abort();
  const auto plain = quillane::OpenEncryptedWorkfile(*file, key);
  if (!plain || *plain != bytes) std::abort();
  ReadInside(*plain);
  return 0;
}
