#pragma once

#include <QStatusBar>

class QLabel;
class QProgressBar;
class QTimer;

namespace quillane {

class Platform;
class StatusLine;

// `winStatusBar`: four panels (a plain one, the workfile or busy message, the
// date, the time) and the busy bar `winProgresBar` over its left end.
class StatusBarView : public QStatusBar {
  Q_OBJECT

 public:
  StatusBarView(StatusLine& status, Platform& platform, QWidget* parent);

  QLabel* panel(int number) const;  // 1 to 4
  QProgressBar* progressBar() const { return winProgresBar_; }

  // Places the busy bar 30 twips below the bar's top, over panel 1.
  void PlaceProgressBar();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowDateAndTime();
  // Shows `text` on one line in panel `index` (from 0), also as its accessible name.
  void SetPanelText(int index, const QString& text);
  // Shows as much of panel 2's text as its width holds.
  void FitWorkfilePanel();

  StatusLine& status_;
  Platform& platform_;
  QLabel* panels_[4] = {};
  QString workfilePanelText_;  // panel 2's whole text
  QProgressBar* winProgresBar_ = nullptr;
  QTimer* minuteTimer_ = nullptr;
};

}  // namespace quillane
