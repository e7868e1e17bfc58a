#include "core/StatusLine.h"

#include "core/Constants.h"
#include "resources/Texts.h"

namespace quillane {

namespace {

constexpr int kStepMs = 50;
constexpr int kStepSize = 2;
constexpr int kFullBar = 100;

}  // namespace

StatusLine::StatusLine() {
  noticeTimer_.setObjectName(QStringLiteral("tmrNotice"));
  noticeTimer_.setParent(this);
  noticeTimer_.setSingleShot(true);
  connect(&noticeTimer_, &QTimer::timeout, this, &StatusLine::noticeEnded);
  busyTimer_.setObjectName(QStringLiteral("tmrBusyBar"));
  busyTimer_.setParent(this);
  busyTimer_.setInterval(kStepMs);
  connect(&busyTimer_, &QTimer::timeout, this, &StatusLine::StepBusyBar);
}

void StatusLine::ShowNotice(const QString& text, int ms) {
  busyTimer_.stop();
  SetBarValue(0);
  SetPanelText(text);
  noticeTimer_.start(ms);
}

void StatusLine::ShowBusyMessage(const QString& text) {
  noticeTimer_.stop();
  SetPanelText(text);
  SetBarValue(0);
  busyTimer_.start();
  emit busyMessageShown(text);
}

void StatusLine::StepBusyBar() {
  if (barValue_ + kStepSize < kFullBar) {
    SetBarValue(barValue_ + kStepSize);
    return;
  }
  busyTimer_.stop();
  SetBarValue(0);
  emit noticeEnded();
}

void StatusLine::SetPanelText(const QString& text) {
  if (panelText_ == text) return;
  panelText_ = text;
  emit panelTextChanged(text);
}

void StatusLine::SetBarValue(int value) {
  if (barValue_ == value) return;
  barValue_ = value;
  emit barValueChanged(value);
}

void ShowWorkfileName(StatusLine& status, const QString& workfile, const Constants& constants) {
  status.SetPanelText(workfile.isEmpty() ? constants.sUntitled : workfile);
}

void ShowStatusMessage(StatusLine& status, const Constants& constants, int kind) {
  switch (kind) {
    case StatusKind::kSaving: status.ShowBusyMessage(constants.sMsgSaving); break;
    case StatusKind::kLoading: status.ShowBusyMessage(constants.sMsgLoading); break;
    case StatusKind::kAutoBackup: status.ShowBusyMessage(constants.sMsgAutoBackup); break;
    case StatusKind::kSavingPlan: status.ShowBusyMessage(Text(115)); break;
    case StatusKind::kSavingReport: status.ShowBusyMessage(Text(116)); break;
    default: break;
  }
}

}  // namespace quillane
