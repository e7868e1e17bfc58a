#include "session/AutoBackup.h"

#include <cmath>
#include <utility>

#include "core/Program.h"
#include "platform/Platform.h"
#include "session/LastRunBackup.h"

namespace quillane {

namespace {

constexpr int kModeBackup = 2;
constexpr double kSecondsPerMinute = 60.0;

}  // namespace

Long WholeSeconds(double secondsSinceMidnight) {
  return static_cast<Long>(std::nearbyint(secondsSinceMidnight));
}

void StartBackupInterval(Program& program) {
  program.session.lBackupTime = WholeSeconds(program.platform.SecondsSinceMidnight());
}

AutoBackup::AutoBackup(Program& program, SaveWorkfileFn saveWorkfile)
    : program_(program), saveWorkfile_(std::move(saveWorkfile)) {}

void AutoBackup::RunPendingCheck() {
  if (checkPending_) Check();
}

void AutoBackup::Check() {
  if (!program_.autoBackupTimer.enabled()) {
    checkPending_ = false;
    return;
  }
  // The backup's own busy message repaints the window too.
  if (writing_) return;
  if (program_.fileWork > 0) {
    checkPending_ = true;
    return;
  }
  checkPending_ = false;
  Session& s = program_.session;
  const double clock = program_.platform.SecondsSinceMidnight();
  if (!(clock > s.lBackupTime + s.nAutoBackupTime * kSecondsPerMinute)) return;
  s.lBackupTime = WholeSeconds(clock);
  if (!previousRunBackupPutAside_) {
    // Rather no backup now than one written over what the last run left.
    previousRunBackupPutAside_ = PreserveLastRunBackup(program_.dataFolder);
    if (!previousRunBackupPutAside_) return;
  }
  writing_ = true;
  saveWorkfile_(kModeBackup);
  writing_ = false;
}

}  // namespace quillane
