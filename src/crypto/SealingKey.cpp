#include "crypto/SealingKey.h"

#include <sodium.h>

#include <utility>

namespace quillane {

static_assert(kSaltBytes == crypto_pwhash_SALTBYTES);
static_assert(kNonceBytes == crypto_aead_xchacha20poly1305_ietf_NPUBBYTES);
static_assert(kTagBytes == crypto_aead_xchacha20poly1305_ietf_ABYTES);

namespace {

auto Bytes(const QByteArray& bytes) {
  return reinterpret_cast<const unsigned char*>(bytes.constData());
}

}  // namespace

bool KdfLimitsAllowed(const KdfLimits& limits) {
  return limits.operations >= kLeastKdfLimits.operations && limits.operations <= kMostKdfLimits.operations &&
         limits.memoryBytes >= kLeastKdfLimits.memoryBytes &&
         limits.memoryBytes <= kMostKdfLimits.memoryBytes;
}

namespace {

QByteArray RandomBytes(int size) {
  QByteArray bytes(size, '\0');
  if (CryptoReady()) randombytes_buf(bytes.data(), static_cast<std::size_t>(bytes.size()));
  return bytes;
}

}  // namespace

QByteArray NewSalt() {
  return RandomBytes(kSaltBytes);
}

QByteArray NewNonce() {
  return RandomBytes(kNonceBytes);
}

SealingKey::SealingKey(SecretBytes key, QByteArray salt, KdfLimits limits)
    : key_(std::move(key)), salt_(std::move(salt)), limits_(limits) {}

std::optional<SealingKey> SealingKey::Derive(const QString& password, const QByteArray& salt,
                                             const KdfLimits& limits) {
  if (!CryptoReady() || salt.size() != kSaltBytes || !KdfLimitsAllowed(limits)) return std::nullopt;
  const SecretBytes secret = SecretBytes::Utf8Of(password);
  if (secret.empty() && !password.isEmpty()) return std::nullopt;
  SecretBytes key(crypto_aead_xchacha20poly1305_ietf_KEYBYTES);
  if (key.empty()) return std::nullopt;
  const char* passwordBytes = secret.empty() ? "" : reinterpret_cast<const char*>(secret.data());
  if (crypto_pwhash(key.data(), key.size(), passwordBytes, secret.size(), Bytes(salt), limits.operations,
                    static_cast<std::size_t>(limits.memoryBytes), crypto_pwhash_ALG_ARGON2ID13) != 0)
    return std::nullopt;
  return SealingKey(std::move(key), salt, limits);
}

SealedText SealingKey::Seal(const QByteArray& plain, const QByteArray& associated,
                            const QByteArray& nonce) const {
  Q_ASSERT(nonce.size() == kNonceBytes);
  SealedText sealed;
  sealed.nonce = nonce;
  sealed.ciphertext = QByteArray(plain.size() + kTagBytes, '\0');
  unsigned long long written = 0;
  crypto_aead_xchacha20poly1305_ietf_encrypt(
      reinterpret_cast<unsigned char*>(sealed.ciphertext.data()), &written, Bytes(plain),
      static_cast<unsigned long long>(plain.size()), Bytes(associated),
      static_cast<unsigned long long>(associated.size()), nullptr, Bytes(sealed.nonce), key_.data());
  sealed.ciphertext.truncate(static_cast<qsizetype>(written));
  return sealed;
}

std::optional<QByteArray> SealingKey::Open(const SealedText& sealed, const QByteArray& associated) const {
  if (sealed.nonce.size() != kNonceBytes || sealed.ciphertext.size() < kTagBytes) return std::nullopt;
  QByteArray plain(sealed.ciphertext.size() - kTagBytes, '\0');
  unsigned long long written = 0;
  if (crypto_aead_xchacha20poly1305_ietf_decrypt(
          reinterpret_cast<unsigned char*>(plain.data()), &written, nullptr, Bytes(sealed.ciphertext),
          static_cast<unsigned long long>(sealed.ciphertext.size()), Bytes(associated),
          static_cast<unsigned long long>(associated.size()), Bytes(sealed.nonce), key_.data()) != 0)
    return std::nullopt;
  plain.truncate(static_cast<qsizetype>(written));
  return plain;
}

}  // namespace quillane
