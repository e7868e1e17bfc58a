#pragma once

#include <QByteArray>
#include <QString>

#include "reports/LineWriter.h"

namespace quillane {

// Collects the lines of a report or plan file and writes them in one go:
// CR LF line ends, the program's 8-bit code page when every character fits
// it, UTF-8 after a byte-order mark when not.
class TextFileSink : public LineSink {
 public:
  void WriteLine(const ReportLine& line) override;

  const QString& text() const { return text_; }
  QByteArray Bytes() const;
  // Replaces the file at `path`, or leaves it as it was and returns false.
  bool Save(const QString& path) const;

 private:
  QString text_;
};

}  // namespace quillane
