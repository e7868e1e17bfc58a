#include "files/FileChoice.h"

#include <QFileInfo>
#include <QStringList>

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
  return ChooseFile(prompter, mode, std::span<const FileFilter>(&filter, 1), proposal);
}

std::optional<QString> ChooseFile(Prompter& prompter, FileDialogMode mode,
                                  std::span<const FileFilter> filters, const QString& proposal) {
  if (filters.empty()) return std::nullopt;
  QStringList patterns;
  for (const FileFilter& filter : filters) {
    patterns << filter.name + QStringLiteral(" (*.") + filter.extension + QLatin1Char(')');
  }
  const QString pattern = patterns.join(QStringLiteral(";;"));
  const QString lineBreak(QLatin1Char('\r'));
  // After a refused replace question the dialog proposes the refused name.
  QString shown = proposal;
  for (;;) {
    const auto chosen = prompter.ChooseFileName(mode, pattern, filters.front().extension, shown);
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
