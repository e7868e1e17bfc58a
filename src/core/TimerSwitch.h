#pragma once

#include <QObject>

namespace quillane {

// Whether a timer of the main window runs. The logic switches it; the main
// window starts or stops its timer to match.
class TimerSwitch : public QObject {
  Q_OBJECT

 public:
  bool enabled() const { return enabled_; }
  void SetEnabled(bool on) {
    if (enabled_ == on) return;
    enabled_ = on;
    emit enabledChanged(on);
  }

 signals:
  void enabledChanged(bool on);

 private:
  bool enabled_ = false;
};

}  // namespace quillane
