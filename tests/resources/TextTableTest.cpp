#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>

#include "resources/TextTableData.h"
#include "resources/Texts.h"

namespace quillane {
namespace {

TEST(TextTable, KeepsTextsExactlyWithTheirBlanksAndQuirks) {
  EXPECT_EQ(Text(101), QStringLiteral("Quillane"));
  EXPECT_EQ(Text(225), QStringLiteral("Below, you see idea no. "));
  EXPECT_EQ(Text(226).left(6), QStringLiteral(" that "));
  EXPECT_EQ(Text(2040), QStringLiteral("How to Use "));
  EXPECT_TRUE(Text(219).contains(QStringLiteral("Don't take ik too")));
  EXPECT_EQ(Text(230), QStringLiteral("Enter your ideas based on this commom idea:"));
  EXPECT_TRUE(Text(508).contains(QStringLiteral("compare ideas ideas when")));
  EXPECT_EQ(Text(467), QStringLiteral("June"));
  EXPECT_EQ(Text(464), QString::fromUtf8("M\xC3\xA4rz"));
  EXPECT_EQ(Text(415), QStringLiteral("Magnificent"));
  EXPECT_EQ(Text(728).toInt(), 55);
}

TEST(TextTable, SameTextsInTwoLanguagesAreSeparateEntries) {
  EXPECT_TRUE(HasText(708));
  EXPECT_TRUE(HasText(710));
  EXPECT_EQ(Text(708), Text(710));
  EXPECT_EQ(Text(716), Text(719));
}

TEST(TextTable, DoubledAmpersandShowsAsOne) {
  EXPECT_EQ(Text(318), QStringLiteral("T&&I paired"));
  EXPECT_EQ(ShownText(318), QStringLiteral("T&I paired"));
  EXPECT_EQ(ShownText(2213), QStringLiteral("Pair Tangibles & Intangibles"));
  EXPECT_EQ(ShownText(101), Text(101));
}

TEST(TextTable, IsSortedWithoutDuplicatesAndEveryTextIsCodePageText) {
  ASSERT_GT(kTextTableSize, 500u);
  for (std::size_t i = 1; i < kTextTableSize; ++i) {
    EXPECT_LT(kTextTable[i - 1].number, kTextTable[i].number) << kTextTable[i].number;
  }
  EXPECT_FALSE(HasText(104));
  EXPECT_FALSE(HasText(2999));
  EXPECT_TRUE(HasText(3001));
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
