#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

namespace quillane {

struct Constants;

// What the status bar shows: the workfile name or a busy message in panel 2,
// and the value of the busy bar.
class StatusLine : public QObject {
  Q_OBJECT

 public:
  StatusLine();

  const QString& panelText() const { return panelText_; }
  int barValue() const { return barValue_; }

  void SetPanelText(const QString& text);
  void SetBarValue(int value);

  // Shows `text` in panel 2 for `ms` milliseconds, then noticeEnded asks for
  // the workfile name again.
  static constexpr int kNoticeMs = 10000;
  void ShowNotice(const QString& text, int ms = kNoticeMs);
  bool noticeShown() const { return noticeTimer_.isActive(); }

  // Shows `text` in panel 2 with the busy bar running from 0 to 100 in 50
  // steps of 0.05 s, then noticeEnded asks for the workfile name again. The
  // work it tells of is done already: the bar only shows it, and typing,
  // moving the window and every command go on meanwhile.
  void ShowBusyMessage(const QString& text);
  bool busyShown() const { return busyTimer_.isActive(); }

 signals:
  void panelTextChanged(const QString& text);
  void barValueChanged(int value);
  // A busy message began (again, when the same one was still shown).
  void busyMessageShown(const QString& text);
  void noticeEnded();

 private:
  void StepBusyBar();

  QString panelText_;
  int barValue_ = 0;
  QTimer noticeTimer_;
  QTimer busyTimer_;
};

// Busy messages, by the kind their callers pass.
namespace StatusKind {
inline constexpr int kSaving = 0;
inline constexpr int kLoading = 1;
inline constexpr int kAutoBackup = 2;
inline constexpr int kSavingPlan = 3;
inline constexpr int kSavingReport = 4;
}  // namespace StatusKind

// Panel 2 shows the workfile, or the untitled name while there is none.
void ShowWorkfileName(StatusLine& status, const QString& workfile, const Constants& constants);

// Shows the busy message of `kind` (StatusLine::ShowBusyMessage).
void ShowStatusMessage(StatusLine& status, const Constants& constants, int kind);

}  // namespace quillane
