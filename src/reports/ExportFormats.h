#pragma once

#include <QByteArray>
#include <QString>

namespace quillane {

struct ExportView;

// The formats a session is exported in: one writer each, every one UTF-8.
enum class ExportFormat { Markdown, Csv, Opml, FreeMind };

// CommonMark: the goal as the title, a section per list, GFM tables for the
// criteria and the ranking. Line ends LF.
QByteArray MarkdownExport(const ExportView& view, const QString& decimalPoint);

// RFC 4180, with a byte-order mark so spreadsheets know the encoding: the
// ranking first (a header row of the criteria, a second row of their
// weights, one row per evaluated idea), then after an empty row one row per
// entry of the session, its kind in the first column. Numbers use
// `decimalPoint`, as the spreadsheet of the user's language reads them.
QByteArray CsvExport(const ExportView& view, const QString& decimalPoint);

// OPML 2.0: the goal as the root outline, beneath it the criteria (with a
// weight attribute), the two asset lists, the ideas (with a result
// attribute where evaluated) and, after an evaluation, the ranking.
QByteArray OpmlExport(const ExportView& view);

// FreeMind's .mm: the same tree as a mind map. Every character past ASCII is
// a character reference, which every mind-map program reads.
QByteArray FreeMindExport(const ExportView& view);

// The writer of `format`.
QByteArray ExportBytes(ExportFormat format, const ExportView& view, const QString& decimalPoint);

}  // namespace quillane
