#include "reports/ExportCommand.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <array>

#include "core/Prompter.h"
#include "files/FileChoice.h"
#include "files/SafeFileWrite.h"
#include "platform/Platform.h"
#include "reports/ExportView.h"
#include "reports/OutputFiles.h"
#include "resources/Texts.h"
#include "session/FileWorkGuard.h"

namespace quillane {

namespace {

struct FormatFile {
  ExportFormat format;
  int name;  // text numbers of the dialog's kind of file
  int extension;
};

constexpr std::array kFormatFiles = {
    FormatFile{ExportFormat::Markdown, 3155, 3156},
    FormatFile{ExportFormat::Csv, 3157, 3158},
    FormatFile{ExportFormat::Opml, 3159, 3160},
    FormatFile{ExportFormat::FreeMind, 3161, 3162},
};

QString Proposal(const QString& workfile, const OutputFiles& outputs) {
  if (!outputs.sExportFile.isEmpty()) return outputs.sExportFile;
  const QString markdown = QLatin1Char('.') + Text(3156);
  if (workfile.isEmpty()) return Text(3177) + markdown;
  const QFileInfo file(workfile);
  return QDir(file.absolutePath()).filePath(file.completeBaseName() + markdown);
}

}  // namespace

ExportFormat FormatOfFile(const QString& path) {
  const QString extension = QFileInfo(path).suffix();
  for (const FormatFile& file : kFormatFiles) {
    if (extension.compare(Text(file.extension), Qt::CaseInsensitive) == 0) return file.format;
  }
  return ExportFormat::Markdown;
}

QByteArray ExportBytes(ExportFormat format, const ExportView& view, const QString& decimalPoint) {
  switch (format) {
    case ExportFormat::Markdown: return MarkdownExport(view, decimalPoint);
    case ExportFormat::Csv: return CsvExport(view, decimalPoint);
    case ExportFormat::Opml: return OpmlExport(view);
    case ExportFormat::FreeMind: break;
  }
  return FreeMindExport(view);
}

FileOutcome ExportSession(const SessionContent& content, const EvaluationState& evaluation,
                          const QString& workfile, OutputFiles& outputs, Prompter& prompter,
                          Platform& platform, int& fileWork) {
  std::array<FileFilter, kFormatFiles.size()> filters;
  for (std::size_t i = 0; i < kFormatFiles.size(); ++i) {
    filters[i] = {Text(kFormatFiles[i].name), Text(kFormatFiles[i].extension)};
  }
  const auto chosen = ChooseFile(prompter, FileDialogMode::SaveAs, filters, Proposal(workfile, outputs));
  if (!chosen) return FileOutcome::Cancelled;
  outputs.sExportFile = *chosen;

  const QByteArray bytes = ExportBytes(FormatOfFile(*chosen), MakeExportView(content, evaluation),
                                       QLocale::system().decimalPoint());
  bool written = false;
  {
    // The backup waits only while the file is written.
    FileWorkGuard working(fileWork);
    BusyPointer busy(platform);
    written = WriteFileSafely(*chosen, bytes);
  }
  if (!written) {
    prompter.Tell(*chosen + QLatin1Char('\r') + Text(3100), MsgButtons::OkOnly + MsgIcon::Exclamation);
    return FileOutcome::Failed;
  }
  return FileOutcome::Done;
}

}  // namespace quillane
