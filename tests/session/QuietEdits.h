#pragma once

#include <gtest/gtest.h>

#include <QSignalBlocker>
#include <functional>
#include <memory>

#include "core/SessionDocument.h"
#include "support/Parts.h"

namespace quillane::test {

// Starting points of a test, set without telling any follower: commands,
// progress and status stay as they are.

// Changes the content; the workfile and the change flag stay.
inline void ChangeContent(SessionDocument& document, const std::function<void(SessionContent&)>& change) {
  const auto content = std::make_unique<SessionContent>(document.content());
  change(*content);
  const bool modified = document.isModified();
  PutContent(document, *content);
  const QSignalBlocker quiet(document);
  if (modified) document.MarkModified();
}

// Protects the session with `password`, or leaves it plain when empty.
inline void PutPassword(SessionDocument& document, const QString& password) {
  ChangeContent(document, [&](SessionContent& c) {
    c.bPassword = !password.isEmpty();
    c.sPassword = password;
  });
}

// Makes `path` the session's workfile; the content and the change flag stay.
inline void PutWorkfile(SessionDocument& document, const QString& path) {
  const bool modified = document.isModified();
  const QSignalBlocker quiet(document);
  document.TakeLoaded(SessionContent(document.content()), path, document.sealingKey());
  if (modified) document.MarkModified();
}

// Sets or clears the change flag; the content and the workfile stay.
inline void PutModified(SessionDocument& document, bool modified) {
  const QSignalBlocker quiet(document);
  if (modified) {
    document.MarkModified();
  } else {
    document.TakeLoaded(SessionContent(document.content()), document.workfile(), document.sealingKey());
  }
}

// Protects the session with an encrypted `passphrase` and its key, as Set
// Password does (at the least cost of the key).
inline void PutPassphrase(SessionDocument& document, const QString& passphrase) {
  auto key = SealingKey::Derive(passphrase, NewSalt(), kLeastKdfLimits);
  ASSERT_TRUE(key);
  const QSignalBlocker quiet(document);
  const bool modified = document.isModified();
  document.SetPassword(passphrase, Protection::Encrypted,
                       std::make_shared<const SealingKey>(std::move(*key)));
  if (!modified) PutModified(document, false);
}

}  // namespace quillane::test
