#pragma once

#include <QDate>
#include <QPagedPaintDevice>
#include <QRect>

#include "core/Session.h"
#include "platform/Platform.h"

namespace quillane {

// A platform that answers at once, for fuzz targets: random numbers come
// from the fuzzer's input, and nothing is shown, played or started.
class FuzzPlatform : public Platform {
 public:
  explicit FuzzPlatform(QByteArray randomBytes) : randomBytes_(std::move(randomBytes)) {}

  Answer MessageBox(QWidget*, const QString&, MsgStyle, const QString&) override { return Answer::Ok; }
  std::optional<QString> FileDialog(QWidget*, FileDialogMode, const QString&, const QString&,
                                    const QString&) override {
    return std::nullopt;
  }
  int ShowModal(QDialog&) override { return 0; }
  double SecondsSinceMidnight() override { return 0; }
  QDate Today() override { return QDate(2026, 1, 1); }
  qint64 MonotonicMs() override { return 0; }
  double Random() override {
    const int byte =
        randomBytes_.isEmpty() ? 0 : static_cast<unsigned char>(randomBytes_[next_++ % randomBytes_.size()]);
    return byte / 256.0;
  }
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

 private:
  QByteArray randomBytes_;
  qsizetype next_ = 0;
};

}  // namespace quillane
