#pragma once

#include <QDate>
#include <QRect>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

class QDialog;
class QWidget;
class QPagedPaintDevice;

namespace quillane {

// Message box flags, combined by adding: buttons, then icon, then default button.
namespace MsgFlags {
inline constexpr int kOkOnly = 0;
inline constexpr int kOkCancel = 1;
inline constexpr int kYesNoCancel = 3;
inline constexpr int kYesNo = 4;
inline constexpr int kCritical = 16;
inline constexpr int kQuestion = 32;
inline constexpr int kExclamation = 48;
inline constexpr int kInformation = 64;
inline constexpr int kDefaultButton2 = 256;
inline constexpr int kDefaultButton3 = 512;
}  // namespace MsgFlags

enum class FileDialogMode { Open = 1, SaveAs = 2 };

// What the single-instance lock found.
enum class SingleInstance {
  Acquired,     // this is the only running program
  Running,      // another one runs already
  Unavailable,  // no folder of this user's alone to keep the lock in
};

struct UserName {
  QString fullName;   // the account's full name; may be empty
  QString loginName;  // the login name
};

// Where printed pages go: the default printer, or a PDF file when the
// system has no printer.
struct PrintTarget {
  std::unique_ptr<QPagedPaintDevice> device;
  QString pdfPath;  // set when the pages go into a PDF instead of a printer
};

// Every facility of the desktop the program uses. The application gets the
// Qt implementation; tests get a scripted double that records each call.
class Platform {
 public:
  virtual ~Platform() = default;

  // Shows a message box; `text` may hold CR-joined lines. Returns the answer:
  // 1 OK, 2 Cancel, 6 Yes, 7 No.
  virtual int MessageBox(QWidget* parent, const QString& text, int flags, const QString& title) = 0;

  // The Open or Save As dialog. Returns the chosen path, or nothing when cancelled.
  // The Save As dialog asks no replace question of its own.
  virtual std::optional<QString> FileDialog(QWidget* parent, FileDialogMode mode, const QString& filter,
                                            const QString& defaultExt, const QString& initialName) = 0;

  // Shows a dialog modally and returns its result when it has closed.
  virtual int ShowModal(QDialog& dialog) = 0;

  // The wall clock: seconds since midnight (with fractions) and today's date.
  virtual double SecondsSinceMidnight() = 0;
  virtual QDate Today() = 0;
  // A monotonic clock in milliseconds, for waits that must not see midnight.
  virtual qint64 MonotonicMs() = 0;
  // Blocks for `ms` milliseconds without running any event and without
  // spinning the processor.
  virtual void Sleep(qint64 ms) = 0;

  // A uniform random number in [0, 1).
  virtual double Random() = 0;

  // The hourglass pointer on or off; calls nest.
  virtual void SetBusyPointer(bool busy) = 0;

  // Plays a sound file without waiting; a missing file or device plays nothing.
  virtual void PlaySound(const QString& path) = 0;

  // Opens the default printer (or a PDF in the documents folder when there is
  // no printer) for a print job named `jobName`.
  virtual PrintTarget OpenPrinter(const QString& jobName) = 0;

  // Starts `program` with `arguments` in its own window, without waiting.
  // Returns false when it could not be started.
  virtual bool StartProgram(const QString& program, const QStringList& arguments) = 0;
  // Opens `path` with the desktop's default application.
  virtual bool OpenWithDesktop(const QString& path) = 0;

  // Opens the help at topic `contextNumber`, or at its contents for 0, in a
  // window that leaves `keepClear` (screen coordinates) free.
  virtual void ShowHelp(const QString& helpFolder, int contextNumber, const QRect& keepClear = QRect()) = 0;

  // Takes the single-instance lock.
  virtual SingleInstance AcquireSingleInstance() = 0;

  // Brings `window` to the front and gives it the focus, restoring it when
  // it is minimised.
  virtual void BringToFront(QWidget& window) = 0;

  // The primary screen's available area, in device-independent pixels.
  virtual QRect ScreenGeometry() = 0;

  // The user's names, for the encouragement messages.
  virtual UserName CurrentUser() = 0;
};

// Keeps the hourglass pointer on for as long as it lives, so the pointer is
// restored however the work ends.
class BusyPointer {
 public:
  explicit BusyPointer(Platform& platform) : platform_(platform) { platform_.SetBusyPointer(true); }
  ~BusyPointer() { platform_.SetBusyPointer(false); }
  BusyPointer(const BusyPointer&) = delete;
  BusyPointer& operator=(const BusyPointer&) = delete;

 private:
  Platform& platform_;
};

}  // namespace quillane
