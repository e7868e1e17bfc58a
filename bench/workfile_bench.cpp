// Save and open of a full protected session (100 criteria, 100 + 100
// assets, 200 ideas): microseconds per round trip, letter-shifted; then
// encrypted, with the time the key takes at the program's own cost. Then the open of hostile
// workfiles of up to 1 MiB whose password flag, a count or a weight is one
// long run of digits ending in a letter: each must be refused, in well
// under 50 ms, and the time must grow no faster than the file.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPagedPaintDevice>
#include <QTemporaryDir>
#include <cstdio>
#include <random>

#include "BenchPlatform.h"
#include "FullSession.h"
#include "app/MainParts.h"
#include "core/Constants.h"
#include "core/SessionDocument.h"
#include "session/SessionKey.h"
#include "session/Workfile.h"

namespace {

using namespace quillane;

// The lines of a workfile with `run` in place of line `hostileLine` (0 is
// the start marker): a plain session of one criterion and no other lists.
QByteArray WorkfileWith(int hostileLine, const QByteArray& run) {
  QList<QByteArray> lines = {"{***Quillane start***}", "0", "", "goal", "1", "0", "0", "0", "criterion", "9",
                             "{***Quillane end***}"};
  lines[hostileLine] = run;
  return lines.join("\r\n") + "\r\n";
}

// A run of digits ending in a letter that fills the workfile to `fileBytes`.
QByteArray DigitRun(int hostileLine, qsizetype fileBytes) {
  const qsizetype others = WorkfileWith(hostileLine, QByteArray()).size();
  QByteArray run(fileBytes - others - 1, '7');
  run.append('x');
  return run;
}

// Opens hostile workfiles of growing size; false when one was not refused.
bool TimeHostileNumberLines(MainParts& p, BenchPlatform& platform, const QString& path) {
  const struct {
    const char* what;
    int line;
  } numberLines[] = {{"password flag", 1},    {"criteria count", 4}, {"tangible count", 5},
                     {"intangible count", 6}, {"ideas count", 7},    {"weight", 9}};
  constexpr qsizetype kLargest = 1024 * 1024;
  bool allRefused = true;
  for (const auto& numberLine : numberLines) {
    std::printf("hostile %-16s", numberLine.what);
    for (qsizetype size = kLargest / 8; size <= kLargest; size *= 2) {
      QFile file(path);
      if (!file.open(QIODevice::WriteOnly) ||
          file.write(WorkfileWith(numberLine.line, DigitRun(numberLine.line, size))) != size) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
        return false;
      }
      file.close();
      platform.messages = 0;
      QElapsedTimer timer;
      timer.start();
      const FileOutcome outcome =
          LoadWorkfile(p.document, p.states.evaluation, p.prompter, p.platform, p.status, p.constants,
                       p.fileWork, path, [](Protection) { return std::optional<QString>(); });
      const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
      const bool refused = outcome == FileOutcome::Failed && platform.messages == 1;
      allRefused = allRefused && refused;
      std::printf("  %4lld KiB %7.2f ms%s", static_cast<long long>(size / 1024), ms,
                  refused ? (ms < 50.0 ? "" : " (over 50 ms)") : " (NOT REFUSED)");
    }
    std::printf("\n");
  }
  return allRefused;
}

// The encrypted format: the key at the program's own cost, a save with the
// session's key (no new key), and an open, which makes the key from the
// file's salt. False when the session did not come back.
bool TimeEncrypted(MainParts& p, BenchPlatform& platform) {
  const QString passphrase = QStringLiteral("a passphrase of some forty characters...");
  constexpr int kKeys = 5;
  QElapsedTimer timer;
  timer.start();
  std::shared_ptr<const SealingKey> key;
  for (int i = 0; i < kKeys; ++i)
    key = DeriveSessionKey(passphrase, NewSalt(), p.constants.kdfLimits, p.platform, p.fileWork);
  const double keyMs = static_cast<double>(timer.nsecsElapsed()) / 1e6 / kKeys;
  if (!key) return false;
  p.document.SetPassword(passphrase, Protection::Encrypted, key);

  constexpr int kSaves = 200;
  timer.start();
  for (int i = 0; i < kSaves; ++i)
    SaveWorkfile(p.document, p.states.evaluation, p.prompter, p.platform, p.status, p.constants, p.fileWork,
                 SaveMode::kSave);
  const double saveUs = static_cast<double>(timer.nsecsElapsed()) / 1e3 / kSaves;
  timer.start();
  for (int i = 0; i < kKeys; ++i)
    OpenWorkfile(p.document, p.states.evaluation, p.prompter, p.platform, p.status, p.constants, p.fileWork,
                 [&passphrase](Protection) { return std::optional<QString>(passphrase); });
  const double openMs = static_cast<double>(timer.nsecsElapsed()) / 1e6 / kKeys;
  if (p.document.content().nIdeas != kMaxIdeas || platform.messages != 0 ||
      p.document.content().protection != Protection::Encrypted) {
    std::fprintf(stderr, "the encrypted session did not come back whole: %s\n",
                 qPrintable(platform.lastMessage));
    return false;
  }
  std::printf(
      "encrypted, key of %llu passes over %llu MiB: key %.0f ms, save %.1f us, open %.0f ms (with its key)\n",
      static_cast<unsigned long long>(p.constants.kdfLimits.operations),
      static_cast<unsigned long long>(p.constants.kdfLimits.memoryBytes >> 20), keyMs, saveUs, openMs);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("bench.qln"));

  BenchPlatform platform(path);
  const auto parts = std::make_unique<MainParts>(platform, LoadConstants(folder.path()));
  MainParts& p = *parts;
  p.document.TakeLoaded(FullSession(), path);
  const auto save = [&p] {
    SaveWorkfile(p.document, p.states.evaluation, p.prompter, p.platform, p.status, p.constants, p.fileWork,
                 SaveMode::kSave);
  };
  const auto typePassword = [&p](Protection) {
    return std::optional<QString>(p.document.content().sPassword);
  };
  const auto open = [&p, &typePassword] {
    OpenWorkfile(p.document, p.states.evaluation, p.prompter, p.platform, p.status, p.constants, p.fileWork,
                 typePassword);
  };

  constexpr int kRounds = 200;
  save();  // warm-up
  open();

  QElapsedTimer timer;
  qint64 saveNs = 0;
  qint64 openNs = 0;
  for (int round = 0; round < kRounds; ++round) {
    timer.start();
    save();
    saveNs += timer.nsecsElapsed();
    timer.start();
    open();
    openNs += timer.nsecsElapsed();
  }
  if (p.document.content().nIdeas != kMaxIdeas || platform.messages != 0) {
    std::fprintf(stderr, "the session did not come back whole: %s\n", qPrintable(platform.lastMessage));
    return 1;
  }
  const auto perRound = [](qint64 ns) { return static_cast<double>(ns) / 1000.0 / kRounds; };
  std::printf(
      "workfile, full protected session (%d rounds): save %.1f us + open %.1f us = %.1f us per round trip\n",
      kRounds, perRound(saveNs), perRound(openNs), perRound(saveNs + openNs));

  if (!TimeEncrypted(p, platform)) return 1;
  return TimeHostileNumberLines(p, platform, folder.filePath(QStringLiteral("hostile.qln"))) ? 0 : 1;
}
