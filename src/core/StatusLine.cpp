#include "core/StatusLine.h"

#include "core/Constants.h"
#include "platform/Platform.h"
#include "resources/Texts.h"

namespace quillane {

StatusLine::StatusLine() {
  noticeTimer_.setObjectName(QStringLiteral("tmrNotice"));
  noticeTimer_.setParent(this);
  noticeTimer_.setSingleShot(true);
  connect(&noticeTimer_, &QTimer::timeout, this, &StatusLine::noticeEnded);
}

void StatusLine::ShowNotice(const QString& text, int ms) {
  SetPanelText(text);
  noticeTimer_.start(ms);
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

namespace {

constexpr qint64 kStepMs = 50;
constexpr int kStepSize = 2;

}  // namespace

void ShowStatusMessage(StatusLine& status, const Constants& constants, Platform& platform, int kind) {
  BusyPointer busy(platform);
  switch (kind) {
    case StatusKind::kSaving: status.SetPanelText(constants.sMsgSaving); break;
    case StatusKind::kLoading: status.SetPanelText(constants.sMsgLoading); break;
    case StatusKind::kAutoBackup: status.SetPanelText(constants.sMsgAutoBackup); break;
    case StatusKind::kSavingPlan: status.SetPanelText(Text(115)); break;
    case StatusKind::kSavingReport: status.SetPanelText(Text(116)); break;
    default: break;
  }
  emit status.repaintRequested();
  status.SetBarValue(0);
  int value = 0;
  while (value < 99) {
    value += kStepSize;
    const qint64 start = platform.MonotonicMs();
    status.SetBarValue(value);
    const qint64 left = kStepMs - (platform.MonotonicMs() - start);
    if (left > 0) platform.Sleep(left);
  }
  status.SetBarValue(0);
  emit status.noticeEnded();
  emit status.repaintRequested();
}

}  // namespace quillane
