#pragma once

#include <QByteArray>
#include <optional>

#include "crypto/SealingKey.h"

namespace quillane {

// An encrypted workfile, line by line, each line ending in CR LF:
//   1  the start marker, as in every workfile
//   2  the format: text 3133, so a reader of the letter-shift format finds
//      no password flag and refuses the file without reading further
//   3  the salt, 16 bytes in lowercase hexadecimal
//   4  the key derivation's passes (Argon2id, version 1.3)
//   5  its memory in bytes
//   6  the nonce, 24 bytes in lowercase hexadecimal
//   7  the length of the ciphertext in bytes
//   8… the ciphertext (XChaCha20-Poly1305, tag at its end) in standard
//      Base64 with padding, 76 characters a line, the last line shorter
//   …  the end marker
// The ciphertext holds the whole workfile as it would be written without a
// password; lines 1 to 7 are authenticated with it. A file is read only in
// exactly this form, so no byte of it can change unnoticed.

// True when line 2 of a file names the encrypted format.
bool IsEncryptedFormatLine(const QByteArray& line);

// The parts of an encrypted workfile, read but not yet opened.
struct EncryptedWorkfile {
  QByteArray salt;
  KdfLimits limits;
  SealedText sealed;
  QByteArray header;  // lines 1 to 7, authenticated with the ciphertext
};

// The encrypted workfile of `plain` (a workfile without a password) under
// `key`, with a fresh nonce.
QByteArray EncryptedWorkfileBytes(const QByteArray& plain, const SealingKey& key);

// The parts of `bytes`; nothing when they are not an encrypted workfile in
// exactly the form above, or ask for more than the allowed key derivation.
std::optional<EncryptedWorkfile> ReadEncryptedWorkfile(const QByteArray& bytes);

// The workfile inside, or nothing when `key` is not the file's or anything
// has changed.
std::optional<QByteArray> OpenEncryptedWorkfile(const EncryptedWorkfile& file, const SealingKey& key);

}  // namespace quillane
