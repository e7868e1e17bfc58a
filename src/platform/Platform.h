#pragma once

#include <QDate>
#include <QRect>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

#include "platform/helprequest/ScreenAreas.h"

class QDialog;
class QWidget;
class QPagedPaintDevice;

namespace quillane {

// How a message box looks: its buttons, its icon and which button is the
// default. Written as a sum, as the questions are worded:
// `MsgButtons::YesNo + MsgIcon::Question + MsgDefault::Second`.
enum class MsgButtons { OkOnly = 0, OkCancel = 1, YesNoCancel = 3, YesNo = 4 };
enum class MsgIcon { None = 0, Critical = 16, Question = 32, Exclamation = 48, Information = 64 };
enum class MsgDefault { First = 0, Second = 256, Third = 512 };

struct MsgStyle {
  MsgButtons buttons = MsgButtons::OkOnly;
  MsgIcon icon = MsgIcon::None;
  MsgDefault defaultButton = MsgDefault::First;

  constexpr MsgStyle() = default;
  constexpr MsgStyle(MsgButtons b) : buttons(b) {}  // NOLINT: a style of buttons alone
  constexpr MsgStyle(MsgIcon i) : icon(i) {}        // NOLINT: OK with an icon
  // The style as the original design numbers it (buttons + icon + default).
  constexpr int code() const {
    return static_cast<int>(buttons) + static_cast<int>(icon) + static_cast<int>(defaultButton);
  }
  bool operator==(const MsgStyle&) const = default;
};

constexpr MsgStyle operator+(MsgStyle style, MsgIcon icon) {
  style.icon = icon;
  return style;
}
constexpr MsgStyle operator+(MsgStyle style, MsgDefault defaultButton) {
  style.defaultButton = defaultButton;
  return style;
}
constexpr MsgStyle operator+(MsgButtons buttons, MsgIcon icon) {
  return MsgStyle(buttons) + icon;
}
constexpr MsgStyle operator+(MsgButtons buttons, MsgDefault defaultButton) {
  return MsgStyle(buttons) + defaultButton;
}

// The answer of a message box: the button the user pressed.
enum class Answer { Ok = 1, Cancel = 2, Yes = 6, No = 7 };

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

  // Shows a message box; `text` may hold CR-joined lines. Escape answers
  // Cancel where there is one, else No.
  virtual Answer MessageBox(QWidget* parent, const QString& text, MsgStyle style, const QString& title) = 0;

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
  // window that leaves `keepClear` free.
  virtual void ShowHelp(const QString& helpFolder, int contextNumber, const ScreenAreas& keepClear = {}) = 0;

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
