// Save and open of a full protected session (100 criteria, 100 + 100
// assets, 200 ideas): microseconds per round trip. Then the open of hostile
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

#include "app/MainParts.h"
#include "core/Constants.h"
#include "platform/Platform.h"
#include "session/Workfile.h"

namespace {

using namespace quillane;

// A platform that answers at once: the file dialog names one file, random
// numbers come from a seeded generator, and no wait really waits.
class BenchPlatform : public Platform {
 public:
  explicit BenchPlatform(QString file) : file_(std::move(file)) {}

  Answer MessageBox(QWidget*, const QString& text, MsgStyle, const QString&) override {
    lastMessage = text;
    ++messages;
    return Answer::Ok;
  }
  std::optional<QString> FileDialog(QWidget*, FileDialogMode, const QString&, const QString&,
                                    const QString&) override {
    return file_;
  }
  int ShowModal(QDialog&) override { return 0; }
  double SecondsSinceMidnight() override { return 0; }
  QDate Today() override { return QDate(2026, 1, 1); }
  qint64 MonotonicMs() override { return clockMs_; }
  double Random() override { return uniform_(generator_); }
  void SetBusyPointer(bool) override {}
  void PlaySound(const QString&) override {}
  PrintTarget OpenPrinter(const QString&) override { return {}; }
  bool StartProgram(const QString&, const QStringList&) override { return false; }
  bool OpenWithDesktop(const QString&) override { return false; }
  void ShowHelp(const QString&, int, const QRect&) override {}
  SingleInstance AcquireSingleInstance() override { return SingleInstance::Acquired; }
  void BringToFront(QWidget&) override {}
  QRect ScreenGeometry() override { return {}; }
  UserName CurrentUser() override { return {}; }

  int messages = 0;
  QString lastMessage;

 private:
  QString file_;
  qint64 clockMs_ = 0;
  std::mt19937 generator_{1};
  std::uniform_real_distribution<double> uniform_{0.0, 1.0};
};

SessionContent FullSession() {
  SessionContent s;
  s.sGoal = QStringLiteral("Find a better way to reach our readers");
  s.nCriteria = kMaxCriteria;
  for (int i = 1; i <= kMaxCriteria; ++i) {
    s.sCriteria[i] = QStringLiteral("Criterion number %1, with a longer name").arg(i);
    s.sngWeight[i] = 9.0f * static_cast<float>(kMaxCriteria + 1 - i) / kMaxCriteria;
  }
  s.nTAssets = kMaxAssets;
  s.nIAssets = kMaxAssets;
  for (int i = 1; i <= kMaxAssets; ++i) {
    s.sTAssets[i] = QStringLiteral("Tangible asset %1").arg(i);
    s.sIAssets[i] = QStringLiteral("Intangible asset %1").arg(i);
  }
  s.nIdeas = kMaxIdeas;
  for (int i = 1; i <= kMaxIdeas; ++i) {
    s.sIdeas[i] = QStringLiteral("Idea %1: a sentence of the length people tend to type here").arg(i);
  }
  s.bPassword = true;
  s.sPassword = QStringLiteral("BENCHMARK");
  return s;
}

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
                       p.fileWork, path, [] { return std::optional<QString>(); });
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
  const auto typePassword = [&p] { return std::optional<QString>(p.document.content().sPassword); };
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

  return TimeHostileNumberLines(p, platform, folder.filePath(QStringLiteral("hostile.qln"))) ? 0 : 1;
}
