#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

namespace quillane {

class Platform;
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

 signals:
  void panelTextChanged(const QString& text);
  // The bar moved; the window repaints it at once, since no event runs
  // while a busy message is shown.
  void barValueChanged(int value);
  // The whole window should be repainted now.
  void repaintRequested();
  void noticeEnded();

 private:
  QString panelText_;
  int barValue_ = 0;
  QTimer noticeTimer_;
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

// Shows the busy message of `kind` with the bar running from 0 to 100 in 50
// steps of 0.05 s; then noticeEnded asks for the workfile name again. No
// event runs meanwhile.
void ShowStatusMessage(StatusLine& status, const Constants& constants, Platform& platform, int kind);

}  // namespace quillane
