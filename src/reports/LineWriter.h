#pragma once

#include <QLocale>
#include <QString>
#include <vector>

namespace quillane {

// One written line: its items at the columns (from 1) where they start.
// Items written one after the other without a column stay one item.
struct ReportLine {
  struct Item {
    int column = 1;
    QString text;
  };
  std::vector<Item> items;

  // Characters the line fills: up to the end of its last item.
  int Length() const;
  // The line as text: each item at its column, blanks before it.
  QString Text() const;
};

// Where finished lines go: a text file or a printer.
class LineSink {
 public:
  virtual ~LineSink() = default;
  virtual void WriteLine(const ReportLine& line) = 0;
  // True when `line` already reaches into `column`, so an item placed there
  // must start a new line. In a text file that is its character count; a
  // printer measures what it draws.
  virtual bool Reaches(const ReportLine& line, int column) const { return line.Length() >= column; }
};

// A weight or a result as the outputs write it: a blank (the place of a
// minus sign), the shortest form of at most seven significant digits with
// `locale`'s decimal separator and no zero before it, and a blank: " 9 ",
// " 4,5 ", " .5 ".
QString ReportNumber(float value, const QLocale& locale);

// Builds the lines of the report, the plan and the concise report by one
// set of rules and hands each finished line to its sink.
class LineWriter {
 public:
  explicit LineWriter(LineSink& sink, QLocale locale = QLocale::system());

  // Writes `text` right after what the line holds.
  LineWriter& Item(const QString& text);
  // The next item starts at `column`; when the line already reaches that
  // column, at that column of a new line.
  LineWriter& Column(int column);
  LineWriter& Number(float value);
  // Ends the line, which may be empty.
  void EndLine();
  void EmptyLines(int count);

 private:
  LineSink& sink_;
  QLocale locale_;
  ReportLine line_;
  int pendingColumn_ = 0;  // where the next item starts; 0 right after the last one
};

}  // namespace quillane
