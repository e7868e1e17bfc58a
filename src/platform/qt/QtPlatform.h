#pragma once

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <memory>

#include "platform/Platform.h"

class QLockFile;
class QSoundEffect;

namespace quillane {

// The desktop as Qt reaches it.
class QtPlatform : public Platform {
 public:
  QtPlatform();
  ~QtPlatform() override;

  Answer MessageBox(QWidget* parent, const QString& text, MsgStyle style, const QString& title) override;
  std::optional<QString> FileDialog(QWidget* parent, FileDialogMode mode, const QString& filter,
                                    const QString& defaultExt, const QString& initialName) override;
  int ShowModal(QDialog& dialog) override;
  double SecondsSinceMidnight() override;
  QDate Today() override;
  qint64 MonotonicMs() override;
  double Random() override;
  void SetBusyPointer(bool busy) override;
  void PlaySound(const QString& path) override;
  PrintTarget OpenPrinter(const QString& jobName) override;
  bool StartProgram(const QString& program, const QStringList& arguments) override;
  bool OpenWithDesktop(const QString& path) override;
  void ShowHelp(const QString& helpFolder, int contextNumber, const ScreenAreas& keepClear) override;
  SingleInstance AcquireSingleInstance() override;
  void BringToFront(QWidget& window) override;
  QRect ScreenGeometry() override;
  UserName CurrentUser() override;

 private:
  QElapsedTimer monotonic_;
  QRandomGenerator random_;
  std::unique_ptr<QLockFile> lock_;
  std::unique_ptr<QSoundEffect> sound_;
  int busyDepth_ = 0;
};

}  // namespace quillane
