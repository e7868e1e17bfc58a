#include "reports/TextFileSink.h"

#include "files/SafeFileWrite.h"
#include "files/TextEncoding.h"

namespace quillane {

void TextFileSink::WriteLine(const ReportLine& line) {
  text_ += line.Text();
  text_ += QStringLiteral("\r\n");
}

QByteArray TextFileSink::Bytes() const {
  return TextFileBytes(text_);
}

bool TextFileSink::Save(const QString& path) const {
  return WriteFileSafely(path, Bytes());
}

}  // namespace quillane
