#pragma once

#include <QByteArray>
#include <QString>

#include "reports/ExportFormats.h"
#include "session/Workfile.h"

namespace quillane {

class Platform;
class Prompter;
struct EvaluationState;
struct OutputFiles;
struct SessionContent;

// The format a file of this name is written in, by its extension; Markdown,
// which reads as plain text, for any other name.
ExportFormat FormatOfFile(const QString& path);

// The writer of `format`.
QByteArray ExportBytes(ExportFormat format, const ExportView& view, const QString& decimalPoint);

// The Export command: one Save As dialog whose kind of file picks the
// format (proposing the last export, else the workfile's name), then the
// session and its evaluation written into it. A file that cannot be written
// is named in a message and nothing else changes.
FileOutcome ExportSession(const SessionContent& content, const EvaluationState& evaluation,
                          const QString& workfile, OutputFiles& outputs, Prompter& prompter,
                          Platform& platform, int& fileWork);

}  // namespace quillane
