#include "session/EncryptedWorkfile.h"

#include <QList>

#include "files/CodePage.h"
#include "resources/Texts.h"

namespace quillane {

namespace {

constexpr qsizetype kBase64LineLength = 76;
constexpr char kLineEnd[] = "\r\n";

QByteArray Line(const QByteArray& text) {
  return text + kLineEnd;
}

QByteArray HeaderBytes(const QByteArray& salt, const KdfLimits& limits, const QByteArray& nonce,
                       qsizetype cipherLength) {
  return Line(EncodeCodePage(Text(117))) + Line(EncodeCodePage(Text(3133))) + Line(salt.toHex()) +
         Line(QByteArray::number(limits.operations)) + Line(QByteArray::number(limits.memoryBytes)) +
         Line(nonce.toHex()) + Line(QByteArray::number(cipherLength));
}

QByteArray BodyBytes(const QByteArray& ciphertext) {
  const QByteArray base64 = ciphertext.toBase64();
  QByteArray body;
  for (qsizetype at = 0; at < base64.size(); at += kBase64LineLength)
    body += Line(base64.mid(at, kBase64LineLength));
  return body + Line(EncodeCodePage(Text(118)));
}

// A whole number of decimal digits without a leading zero, as written.
std::optional<quint64> ReadCount(const QByteArray& line) {
  if (line.isEmpty() || line.size() > 20) return std::nullopt;
  bool ok = false;
  const quint64 value = line.toULongLong(&ok);
  if (!ok || QByteArray::number(value) != line) return std::nullopt;
  return value;
}

std::optional<QByteArray> ReadHex(const QByteArray& line, qsizetype size) {
  const QByteArray bytes = QByteArray::fromHex(line);
  if (bytes.size() != size || bytes.toHex() != line) return std::nullopt;
  return bytes;
}

}  // namespace

bool IsEncryptedFormatLine(const QByteArray& line) {
  return line == EncodeCodePage(Text(3133));
}

QByteArray EncryptedWorkfileBytes(const QByteArray& plain, const SealingKey& key) {
  const QByteArray nonce = NewNonce();
  const QByteArray header = HeaderBytes(key.salt(), key.limits(), nonce, plain.size() + kTagBytes);
  return header + BodyBytes(key.Seal(plain, header, nonce).ciphertext);
}

std::optional<EncryptedWorkfile> ReadEncryptedWorkfile(const QByteArray& bytes) {
  // Lines 1 to 7 first: they say how long the rest must be.
  QList<QByteArray> lines;
  qsizetype at = 0;
  while (lines.size() < 7) {
    const qsizetype end = bytes.indexOf(kLineEnd, at);
    if (end < 0) return std::nullopt;
    lines.append(bytes.mid(at, end - at));
    at = end + 2;
  }
  const auto salt = ReadHex(lines[2], kSaltBytes);
  const auto operations = ReadCount(lines[3]);
  const auto memory = ReadCount(lines[4]);
  const auto nonce = ReadHex(lines[5], kNonceBytes);
  const auto cipherLength = ReadCount(lines[6]);
  // A ciphertext longer than the file cannot be in it.
  if (!salt || !operations || !memory || !nonce || !cipherLength || *cipherLength < kTagBytes ||
      *cipherLength > static_cast<quint64>(bytes.size()))
    return std::nullopt;
  const KdfLimits limits{*operations, *memory};
  if (!KdfLimitsAllowed(limits)) return std::nullopt;

  EncryptedWorkfile file;
  file.salt = *salt;
  file.limits = limits;
  file.sealed.nonce = *nonce;
  file.header = HeaderBytes(file.salt, limits, file.sealed.nonce, static_cast<qsizetype>(*cipherLength));
  // The body: the Base64 lines up to the end marker, nothing after it.
  const QByteArray endLine = Line(EncodeCodePage(Text(118)));
  if (!bytes.endsWith(endLine)) return std::nullopt;
  QByteArray base64 = bytes.mid(at, bytes.size() - at - endLine.size());
  base64.replace(kLineEnd, QByteArray());
  auto cipher = QByteArray::fromBase64Encoding(base64, QByteArray::AbortOnBase64DecodingErrors);
  if (!cipher || cipher.decoded.size() != static_cast<qsizetype>(*cipherLength)) return std::nullopt;
  file.sealed.ciphertext = std::move(cipher.decoded);
  // Exactly the form the program writes, byte for byte: no other line
  // breaks, letter case, leading zeros or padding bits.
  if (file.header + BodyBytes(file.sealed.ciphertext) != bytes) return std::nullopt;
  return file;
}

std::optional<QByteArray> OpenEncryptedWorkfile(const EncryptedWorkfile& file, const SealingKey& key) {
  return key.Open(file.sealed, file.header);
}

}  // namespace quillane
