#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>

#include "files/CodePage.h"
#include "resources/TextTableData.h"
#include "resources/Texts.h"

namespace quillane {
namespace {

TEST(TextTable, IsSortedWithoutDuplicatesAndEveryTextIsCodePageText) {
  for (std::size_t i = 1; i < kTextTableSize; ++i) {
    EXPECT_LT(kTextTable[i - 1].number, kTextTable[i].number) << kTextTable[i].number;
  }
  for (std::size_t i = 0; i < kTextTableSize; ++i) {
    EXPECT_TRUE(FitsCodePage(Text(kTextTable[i].number))) << kTextTable[i].number;
  }
}

// Every literal number the code fetches must exist in the table.
TEST(TextTable, EveryNumberTheCodeAsksForExists) {
  const QRegularExpression fetch(QStringLiteral(R"(\b(?:Text|ShownText|SetCaption\w*)\(\s*(\d+)\s*[,)])"));
  int fetches = 0;
  QDirIterator it(QStringLiteral(QUILLANE_SOURCE_DIR), {QStringLiteral("*.cpp"), QStringLiteral("*.h")},
                  QDir::Files, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    QFile file(it.next());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    const QString body = QString::fromUtf8(file.readAll());
    for (auto match = fetch.globalMatch(body); match.hasNext();) {
      const int number = match.next().captured(1).toInt();
      ++fetches;
      EXPECT_TRUE(HasText(number)) << "text " << number << " asked for in " << file.fileName().toStdString();
    }
  }
  EXPECT_GT(fetches, 10);
}

}  // namespace
}  // namespace quillane
