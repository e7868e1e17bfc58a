#include "files/FileChoice.h"

#include <QFileInfo>

#include "core/Prompter.h"
#include "resources/Texts.h"

namespace quillane {

bool FileExists(const QString& path) {
  if (path.isEmpty()) return false;
  // Only the file system is asked: opening a named pipe that nobody writes
  // would wait for ever.
  const QFileInfo file(path);
  return file.exists() && !file.isDir() && file.isReadable();
}

std::optional<QString> ChooseFile(Prompter& prompter, FileDialogMode mode, FileFilter filter,
                                  const QString& proposal) {
  if (filter.name.isEmpty()) filter.name = Text(101);
  if (filter.extension.isEmpty()) filter.extension = Text(3102);
  const QString pattern = filter.name + QStringLiteral(" (*.") + filter.extension + QLatin1Char(')');
  const QString lineBreak(QLatin1Char('\r'));
  // After a refused replace question the dialog proposes the refused name.
  QString shown = proposal;
  for (;;) {
    const auto chosen = prompter.ChooseFileName(mode, pattern, filter.extension, shown);
    if (!chosen) return std::nullopt;
    if (mode == FileDialogMode::Open || !FileExists(*chosen)) return chosen;

    // Only an explicit Yes lets an existing file be replaced.
    const Answer answer = prompter.Ask(Text(509) + lineBreak + lineBreak + Text(510),
                                       MsgButtons::YesNo + MsgIcon::Exclamation + MsgDefault::Second);
    if (answer == Answer::Yes) return chosen;
    shown = *chosen;
  }
}

}  // namespace quillane
