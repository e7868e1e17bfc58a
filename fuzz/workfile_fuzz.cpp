// Any bytes as a workfile: the reader must refuse or read them, never crash.
#include <QCoreApplication>
#include <cstdint>

#include "core/Session.h"
#include "resources/Texts.h"
#include "session/WorkfileReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const QList<QByteArray> lines = quillane::SplitLines(bytes);
  if (lines.isEmpty()) return 0;
  quillane::IsStartMarkerLine(lines.first(), quillane::Text(117));
  const bool scrambled = lines.size() > 1 && quillane::ReadPasswordFlag(lines[1]).value_or(false);
  for (qsizetype first : {qsizetype(1), qsizetype(2), qsizetype(3)}) {
    if (auto content = quillane::ReadWorkfileContent(lines, first, scrambled, bytes.endsWith('\n'))) {
      static quillane::SessionContent session;
      quillane::ApplyWorkfileContent(session, *content);
      quillane::ReadEvaluationBlock(lines, content->endMarkerLine + 1,
                                    static_cast<int>(content->criteria.size()), scrambled, content->encoding);
    }
  }
  return 0;
}
