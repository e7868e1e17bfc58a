// The PDF that stands in for a printer never replaces an earlier one.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/qt/PdfName.h"

namespace quillane {
namespace {

TEST(PdfName, ASecondPdfOfTheSameDayGetsTheNextFreeNumber) {
  QTemporaryDir folder;
  const QString job = QStringLiteral("SUMMARY OF QUILLANE-SESSION DATED DECEMBER 3, 2026");
  const QDir dir(folder.path());
  QStringList expected = {dir.filePath(job + QStringLiteral(".pdf")),
                          dir.filePath(job + QStringLiteral(" (2).pdf")),
                          dir.filePath(job + QStringLiteral(" (3).pdf"))};
  for (const QString& path : expected) {
    EXPECT_EQ(UnusedPdfPath(folder.path(), job), path);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  }
  QFile::remove(expected[1]);
  EXPECT_EQ(UnusedPdfPath(folder.path(), job), expected[1]) << "a gap is filled";
}

}  // namespace
}  // namespace quillane
