#include "crypto/SecretBytes.h"

#include <sodium.h>

#include <utility>

namespace quillane {

bool CryptoReady() {
  // sodium_init is safe to call more than once and from several threads.
  static const bool ready = sodium_init() >= 0;
  return ready;
}

SecretBytes::SecretBytes(std::size_t size) {
  if (!CryptoReady() || size == 0) return;
  // sodium_malloc locks the pages where the system allows it and puts guard
  // pages around them; sodium_free wipes them before giving them back.
  data_ = static_cast<unsigned char*>(sodium_malloc(size));
  if (data_ == nullptr) return;
  size_ = size;
  sodium_memzero(data_, size_);
}

SecretBytes SecretBytes::Utf8Of(const QString& text) {
  QByteArray utf8 = text.toUtf8();
  SecretBytes secret(static_cast<std::size_t>(utf8.size()));
  if (!secret.empty()) std::copy(utf8.cbegin(), utf8.cend(), secret.data_);
  WipeBytes(utf8);
  return secret;
}

SecretBytes::~SecretBytes() {
  Release();
}

SecretBytes::SecretBytes(SecretBytes&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)), size_(std::exchange(other.size_, 0)) {}

SecretBytes& SecretBytes::operator=(SecretBytes&& other) noexcept {
  if (this != &other) {
    Release();
    data_ = std::exchange(other.data_, nullptr);
    size_ = std::exchange(other.size_, 0);
  }
  return *this;
}

void SecretBytes::Release() {
  if (data_ != nullptr) sodium_free(data_);
  data_ = nullptr;
  size_ = 0;
}

void LockText(const QString& text) {
  if (!text.isEmpty() && text.data_ptr().isMutable() && CryptoReady())
    sodium_mlock(const_cast<QChar*>(text.constData()), static_cast<std::size_t>(text.size()) * sizeof(QChar));
}

void WipeText(QString& text) {
  // constData, not data: data() would detach and wipe a private copy only,
  // leaving the shared characters readable. Characters of the program's
  // own (a literal) are no secret and lie in memory that cannot be written.
  // sodium_munlock zeroes the characters, then lets a locked page go.
  if (!text.isEmpty() && text.data_ptr().isMutable() && CryptoReady())
    sodium_munlock(const_cast<QChar*>(text.constData()),
                   static_cast<std::size_t>(text.size()) * sizeof(QChar));
  text.clear();
}

void WipeBytes(QByteArray& bytes) {
  if (!bytes.isEmpty() && bytes.data_ptr().isMutable())
    sodium_memzero(const_cast<char*>(bytes.constData()), static_cast<std::size_t>(bytes.size()));
  bytes.clear();
}

}  // namespace quillane
