#pragma once

#include <QByteArray>
#include <QString>
#include <cstddef>

namespace quillane {

// True once the cryptography library is ready; it is made ready on the
// first call. False only when the system gives it no source of randomness.
bool CryptoReady();

// Bytes that hold a secret (a key, the password's bytes): kept in memory of
// their own that the system is asked not to swap, with guard pages around
// it, and wiped when released. Move-only, so no copy is left behind.
class SecretBytes {
 public:
  SecretBytes() = default;
  // `size` bytes of zeros; empty when the memory could not be had.
  explicit SecretBytes(std::size_t size);
  // The UTF-8 bytes of `text`; the intermediate copy is wiped.
  static SecretBytes Utf8Of(const QString& text);
  ~SecretBytes();

  SecretBytes(SecretBytes&& other) noexcept;
  SecretBytes& operator=(SecretBytes&& other) noexcept;
  SecretBytes(const SecretBytes&) = delete;
  SecretBytes& operator=(const SecretBytes&) = delete;

  unsigned char* data() { return data_; }
  const unsigned char* data() const { return data_; }
  std::size_t size() const { return size_; }
  bool empty() const { return data_ == nullptr; }

 private:
  void Release();

  unsigned char* data_ = nullptr;
  std::size_t size_ = 0;
};

// Asks the system not to swap the characters of `text` out to disk, where
// it allows that. For the session's password, which does not change while
// it is kept; WipeText lets the memory go again.
void LockText(const QString& text);

// Overwrites the characters of `text` with zeros, in every copy that shares
// them, then empties it. For a password that is no longer the session's.
void WipeText(QString& text);
// The same for bytes (a decrypted workfile once it has been read).
void WipeBytes(QByteArray& bytes);

}  // namespace quillane
