// The View page of the criteria dialog and the weight-bar table it shows.
#include <QAccessible>
#include <QGroupBox>
#include <QLocale>
#include <QTableWidget>

#include "criteria/CriteriaDialogFixture.h"
#include "ui/WeightBarGrid.h"
#include "ui/WeightText.h"

namespace quillane::test {
namespace {

const QColor kBar(0, 0, 128);

// The bar columns of `row` that are filled, as "first..last" runs.
QList<int> FilledColumns(const QTableWidget* grid, int row) {
  QList<int> filled;
  for (int column = 0; column < grid->columnCount(); ++column) {
    const QTableWidgetItem* cell = grid->item(row, column);
    if (cell && cell->background().color() == kBar && cell->background().style() != Qt::NoBrush)
      filled << column;
  }
  return filled;
}

QList<int> Columns(int first, int last) {
  QList<int> columns;
  for (int c = first; c <= last; ++c) columns << c;
  return columns;
}

// Sets the locale the program's number texts follow and puts it back after.
class DefaultLocale {
 public:
  explicit DefaultLocale(const QLocale& locale) { QLocale::setDefault(locale); }
  ~DefaultLocale() { QLocale::setDefault(saved_); }

 private:
  QLocale saved_;
};

using CriteriaViewTest = CriteriaDialogTest;

TEST_F(CriteriaViewTest, ShowsOneBarRowPerCriterionWithOkAndHelpOnlyAndEscapeActsAsOk) {
  DefaultLocale c(QLocale::c());
  SetCriteria({"Cost", "Speed"}, {9.0F, 4.5F});
  Open(Command::CriteriaView, [&](QDialog& dialog) {
    EXPECT_TRUE(Find<QGroupBox>(&dialog, "fraCriteriaView")->isVisible());
    EXPECT_FALSE(Find<QPushButton>(&dialog, "cmdCancel")->isVisible());
    auto* grid = Find<QTableWidget>(&dialog, "grdCriteria");
    ASSERT_EQ(grid->rowCount(), 3);
    EXPECT_EQ(grid->item(0, 0)->text(), QStringLiteral("Cost"));
    EXPECT_EQ(grid->item(0, 1)->text(), QStringLiteral("9,0"));
    EXPECT_EQ(grid->item(2, 0)->text(), QStringLiteral("Speed"));
    EXPECT_EQ(grid->item(2, 1)->text(), QStringLiteral("4.5"));
    EXPECT_EQ(FilledColumns(grid, 2), Columns(2, 10));  // the bars themselves: WeightBarGridTest
    Click(dialog, "cmdHelp");
    QTest::keyClick(grid, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
  });
  EXPECT_EQ(platform.helpTopics, std::vector<int>{4300});
  EXPECT_TRUE(parts.document.isModified()) << "as OK does";
  EXPECT_EQ(Content().sngWeight[2], 4.5F);
}

class WeightBarGridTest : public ::testing::Test {
 protected:
  WeightBarGrid grid{nullptr};
  std::array<QString, 4> names{"", "a", "b", "c"};

  void Fill(std::array<Single, 4> weights, int n) { grid.FillWeightBars(names, weights, n, 0); }
};

TEST_F(WeightBarGridTest, FillsOneCellPerHalfPointFromColumnTwo) {
  Fill({0, 0.4F, 0.5F, 9.0F}, 3);
  EXPECT_EQ(FilledColumns(&grid, 0), QList<int>{});
  EXPECT_EQ(FilledColumns(&grid, 2), QList<int>{2});
  EXPECT_EQ(FilledColumns(&grid, 4), Columns(2, 19));
  EXPECT_EQ(LastBarColumn(4.49F), 9);
  EXPECT_EQ(LastBarColumn(0.0F), 1);
}

TEST_F(WeightBarGridTest, CellTextsAreReadableByAccessibilityTools) {
  Fill({0, 9.0F, 4.5F, 0}, 2);
  QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&grid);
  ASSERT_NE(table, nullptr);
  ASSERT_NE(table->tableInterface(), nullptr);
  QAccessibleInterface* name = table->tableInterface()->cellAt(2, 0);
  ASSERT_NE(name, nullptr);
  EXPECT_EQ(name->text(QAccessible::Name), QStringLiteral("b"));
}

TEST(WeightText, FollowsTheLocaleAndMarksWholeNumbersWithCommaZero) {
  const QLocale c = QLocale::c();
  const QLocale german(QLocale::German, QLocale::Germany);
  EXPECT_EQ(WeightText(9.0F, c), QStringLiteral("9,0"));
  EXPECT_EQ(WeightText(9.0F, german), QStringLiteral("9,0"));
  EXPECT_EQ(WeightText(0.0F, c), QStringLiteral("0,0"));
  EXPECT_EQ(WeightText(4.5F, c), QStringLiteral("4.5"));
  EXPECT_EQ(WeightText(4.5F, german), QStringLiteral("4,5"));
  // Single-precision values show as their seven digits, not as the double
  // they widen to.
  EXPECT_EQ(WeightText(2.9F, c), QStringLiteral("2.9"));
  EXPECT_EQ(WeightText(6.6666665F, c), QStringLiteral("6.666667"));
  DefaultLocale germanDefault(german);
  EXPECT_EQ(WeightText(5.9F), QStringLiteral("5,9"));
}

}  // namespace
}  // namespace quillane::test
