#pragma once

#include <QSignalBlocker>
#include <QTest>
#include <memory>

#include "app/MainParts.h"
#include "app/widgets/SessionWiring.h"

namespace quillane::test {

// A run's parts over `platform`, the program's files in `appPath`, wired
// as the main window wires them, showing the ideas through `shown`.
inline std::unique_ptr<MainParts> MakeParts(Platform& platform,
                                            const QString& appPath = QStringLiteral(QUILLANE_SOURCE_DIR
                                                                                    "/resources/shipped"),
                                            WindowShows shown = {}) {
  Constants constants = LoadConstants(appPath);
  // Keys of encrypted workfiles in a blink: the file keeps its limits.
  constants.kdfLimits = kLeastKdfLimits;
  auto parts = std::make_unique<MainParts>(platform, std::move(constants));
  FollowTheSession(*parts, std::move(shown));
  return parts;
}

// Waits, as the user does, while the busy bar of a message runs to its end
// and the status bar names the workfile again.
inline void WaitForBusyBar(const StatusLine& status) {
  EXPECT_TRUE(QTest::qWaitFor([&status] { return !status.busyShown(); }, 5000));
}

// Puts `content` into the document as a test's starting point, telling no
// follower: commands, progress and status stay as they are. The workfile
// stays unless another is given; the session counts as unchanged.
inline void PutContent(SessionDocument& document, const SessionContent& content) {
  const QSignalBlocker quiet(document);
  document.TakeLoaded(content, document.workfile(), document.sealingKey());
}
inline void PutContent(SessionDocument& document, const SessionContent& content, const QString& workfile) {
  const QSignalBlocker quiet(document);
  document.TakeLoaded(content, workfile, document.sealingKey());
}

// Changes the content as a test's starting point, as PutContent does.
template <class Change>
void Seed(SessionDocument& document, Change change) {
  SessionContent content = document.content();
  change(content);
  PutContent(document, content);
}

// As if typed: the content changed by `change`, and the session changed.
template <class Change>
void SeedTyped(SessionDocument& document, Change change) {
  Seed(document, change);
  document.MarkModified();
}

}  // namespace quillane::test
