#include "files/TextEncoding.h"

#include <QStringDecoder>

#include "files/CodePage.h"

namespace quillane {

namespace {

const QByteArray& ByteOrderMark() {
  static const QByteArray mark("\xEF\xBB\xBF");
  return mark;
}

}  // namespace

TextEncoding EncodingFor(const QString& text) {
  return FitsCodePage(text) ? TextEncoding::CodePage : TextEncoding::Utf8;
}

QByteArray EncodeText(const QString& text, TextEncoding encoding) {
  return encoding == TextEncoding::Utf8 ? text.toUtf8() : EncodeCodePage(text);
}

std::optional<QString> DecodeText(const QByteArray& bytes, TextEncoding encoding) {
  if (encoding == TextEncoding::CodePage) return DecodeCodePage(bytes);
  QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString text = decoder.decode(bytes);
  if (decoder.hasError()) return std::nullopt;
  return text;
}

QByteArray TextFileBytes(const QString& text) {
  if (EncodingFor(text) == TextEncoding::CodePage) return EncodeCodePage(text);
  return ByteOrderMark() + text.toUtf8();
}

QString DecodeTextFile(const QByteArray& bytes) {
  if (bytes.startsWith(ByteOrderMark())) return QString::fromUtf8(bytes.mid(ByteOrderMark().size()));
  return DecodeCodePage(bytes);
}

int CharacterCount(const QString& text) {
  int count = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ++i;
    ++count;
  }
  return count;
}

QString LeftCharacters(const QString& text, int count) {
  qsizetype end = 0;
  for (int taken = 0; taken < count && end < text.size(); ++taken) {
    if (text[end].isHighSurrogate() && end + 1 < text.size() && text[end + 1].isLowSurrogate()) ++end;
    ++end;
  }
  return text.left(end);
}

bool HasBrokenCharacter(const QString& text) {
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
      ++i;
    } else if (text[i].isSurrogate()) {
      return true;
    }
  }
  return false;
}

}  // namespace quillane
