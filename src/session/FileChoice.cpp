#include "session/FileChoice.h"

#include <QFile>
#include <QFileInfo>

#include "core/Program.h"
#include "resources/Texts.h"

namespace quillane {

bool FileExists(const QString& path) {
  if (path.isEmpty() || QFileInfo(path).isDir()) return false;
  QFile file(path);
  return file.open(QIODevice::ReadOnly);
}

void ShowFileDialog(Program& program, FileDialogMode mode) {
  Session& s = program.session;
  const QString lineBreak(QLatin1Char('\r'));
  for (;;) {
    if (s.sFilterName.isEmpty()) s.sFilterName = s.sProduct;
    if (s.sFilterExt.isEmpty()) s.sFilterExt = Text(3102);
    const QString filter = s.sFilterName + QStringLiteral(" (*.") + s.sFilterExt + QLatin1Char(')');
    const auto chosen =
        program.platform.FileDialog(program.dialogParent, mode, filter, s.sFilterExt, s.sFileName);
    if (!chosen) {
      s.bCancel = true;
      return;
    }
    s.sFileName = *chosen;
    if (mode == FileDialogMode::Open || !FileExists(s.sFileName)) return;

    // Only an explicit Yes lets an existing file be replaced.
    const int answer =
        program.MessageBox(Text(509) + lineBreak + lineBreak + Text(510),
                           MsgFlags::kYesNo + MsgFlags::kExclamation + MsgFlags::kDefaultButton2);
    if (answer == kAnswerYes) return;
  }
}

}  // namespace quillane
