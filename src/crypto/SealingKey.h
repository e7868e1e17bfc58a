#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "crypto/SecretBytes.h"

namespace quillane {

// The cost of turning a password into a key (Argon2id): passes over the
// memory, and the memory in bytes. A file keeps the limits it was written
// with, so they can grow in later versions and older files still open.
struct KdfLimits {
  quint64 operations = 0;
  quint64 memoryBytes = 0;
  bool operator==(const KdfLimits&) const = default;
};

// About half a second and 64 MiB on a desktop of today.
inline constexpr KdfLimits kDefaultKdfLimits{10, 64ull * 1024 * 1024};
// The least the method allows: for tests and benchmarks only.
inline constexpr KdfLimits kLeastKdfLimits{1, 8 * 1024};
// The most a file may ask for: some two seconds. A file that asks for
// more is refused, so a file sent by someone else cannot keep the program
// busy for long or take much memory.
inline constexpr KdfLimits kMostKdfLimits{12, 256ull * 1024 * 1024};

bool KdfLimitsAllowed(const KdfLimits& limits);

inline constexpr int kSaltBytes = 16;
inline constexpr int kNonceBytes = 24;
inline constexpr int kTagBytes = 16;

// A fresh random salt, from the system's source of randomness.
QByteArray NewSalt();
// A fresh random nonce, the same way: never seal twice under one.
QByteArray NewNonce();

// Text sealed by a key: the nonce it was sealed under and the ciphertext
// with its authentication tag.
struct SealedText {
  QByteArray nonce;
  QByteArray ciphertext;
};

// The key a password gives with one salt and one set of limits
// (Argon2id), and the authenticated encryption under it
// (XChaCha20-Poly1305). The key is kept in locked memory and wiped when
// the last holder lets it go.
class SealingKey {
 public:
  // Nothing when the limits are not allowed, the salt has the wrong size or
  // the memory could not be had. Takes the time the limits ask for.
  static std::optional<SealingKey> Derive(const QString& password, const QByteArray& salt,
                                          const KdfLimits& limits);

  const QByteArray& salt() const { return salt_; }
  const KdfLimits& limits() const { return limits_; }

  // Seals `plain` under `nonce` (from NewNonce); `associated` is
  // authenticated with it but not hidden.
  SealedText Seal(const QByteArray& plain, const QByteArray& associated, const QByteArray& nonce) const;
  // The plain text, or nothing when the key is not the one it was sealed
  // with or any byte of the nonce, ciphertext or `associated` has changed.
  std::optional<QByteArray> Open(const SealedText& sealed, const QByteArray& associated) const;

 private:
  SealingKey(SecretBytes key, QByteArray salt, KdfLimits limits);

  SecretBytes key_;
  QByteArray salt_;
  KdfLimits limits_;
};

}  // namespace quillane
