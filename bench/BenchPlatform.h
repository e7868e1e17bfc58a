#pragma once

#include <QDate>
#include <QRect>
#include <QString>
#include <optional>
#include <random>

#include "platform/Platform.h"

namespace quillane {

// A platform that answers at once: the file dialog names `file`, random
// numbers come from a seeded generator, and the clock is set by hand.
class BenchPlatform : public Platform {
 public:
  explicit BenchPlatform(QString chosen) : file(std::move(chosen)) {}

  Answer MessageBox(QWidget*, const QString& text, MsgStyle, const QString&) override {
    lastMessage = text;
    ++messages;
    return Answer::Ok;
  }
  std::optional<QString> FileDialog(QWidget*, FileDialogMode, const QString&, const QString&,
                                    const QString&) override {
    return file;
  }
  int ShowModal(QDialog&) override { return 0; }
  double SecondsSinceMidnight() override { return 0; }
  QDate Today() override { return QDate(2026, 1, 1); }
  qint64 MonotonicMs() override { return clockMs; }
  double Random() override { return uniform_(generator_); }
  void SetBusyPointer(bool) override {}
  void PlaySound(const QString&) override {}
  PrintTarget OpenPrinter(const QString&) override { return {}; }
  bool StartProgram(const QString&, const QStringList&) override { return false; }
  bool OpenWithDesktop(const QString&) override { return false; }
  void ShowHelp(const QString&, int, const ScreenAreas&) override {}
  SingleInstance AcquireSingleInstance() override { return SingleInstance::Acquired; }
  void BringToFront(QWidget&) override {}
  QRect ScreenGeometry() override { return {}; }
  UserName CurrentUser() override { return {}; }

  QString file;
  int messages = 0;
  qint64 clockMs = 0;  // the monotonic clock, set by the benchmark
  QString lastMessage;

 private:
  std::mt19937 generator_{1};
  std::uniform_real_distribution<double> uniform_{0.0, 1.0};
};

}  // namespace quillane
