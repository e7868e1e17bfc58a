#include "ui/WeightBarGrid.h"

#include <QEvent>
#include <QHeaderView>
#include <cmath>

#include "ui/DarkPalette.h"
#include "ui/WeightText.h"

namespace quillane {

namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int kValueColumnTwips = 750;
constexpr int kNameColumnMarginTwips = 1900;  // the value column and the bar
constexpr int kBarCellTwips = 50;
constexpr int kSeparatorRowTwips = 50;
constexpr int kNameColumn = 0;
constexpr int kValueColumn = 1;
constexpr int kFirstBarColumn = 2;
constexpr int kLastBarColumn = 19;

// Navy; on a dark palette a light blue as far from the dark ground.
QColor BarColour(const QPalette& palette) {
  return ForPalette(palette, QColor(0, 0, 128), QColor(150, 190, 255));
}

QTableWidgetItem* ReadOnlyItem(const QString& text = QString()) {
  auto* item = new QTableWidgetItem(text);
  item->setFlags(Qt::ItemIsEnabled);
  return item;
}

}  // namespace

int TwipsToPixels(int twips) {
  return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

WeightBarGrid::WeightBarGrid(QWidget* parent) : QTableWidget(parent) {
  setFixedWidth(TwipsToPixels(kWidthTwips));
  horizontalHeader()->hide();
  verticalHeader()->hide();
  verticalHeader()->setMinimumSectionSize(1);  // the separating rows are thinner than any text
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  horizontalHeader()->setMinimumSectionSize(1);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::NoSelection);
  setShowGrid(false);
  setWordWrap(false);
  QFont plain = font();
  plain.setBold(false);
  setFont(plain);
}

void WeightBarGrid::FillWeightBars(std::span<const QString> names, std::span<const Single> values, int n,
                                   int lastColumnTwips) {
  clear();
  setColumnCount(kColumns);
  const int gridTwips = width() * kTwipsPerPixel;
  setColumnWidth(kNameColumn, TwipsToPixels(gridTwips - kNameColumnMarginTwips));
  setColumnWidth(kValueColumn, TwipsToPixels(kValueColumnTwips));
  for (int column = kFirstBarColumn; column <= kLastBarColumn; ++column) {
    setColumnWidth(column, TwipsToPixels(kBarCellTwips));
  }
  setColumnWidth(kColumns - 1, lastColumnTwips > 0 ? TwipsToPixels(lastColumnTwips)
                                                   : horizontalHeader()->defaultSectionSize());
  setRowCount(1);
  setRowHeight(0, verticalHeader()->defaultSectionSize());

  for (int i = 1; i <= n; ++i) {
    if (i > 1) {
      setRowCount(rowCount() + 2);
      setRowHeight(rowCount() - 2, TwipsToPixels(kSeparatorRowTwips));
      setRowHeight(rowCount() - 1, verticalHeader()->defaultSectionSize());
    }
    const int row = rowCount() - 1;
    const Single value = values[static_cast<std::size_t>(i)];
    setItem(row, kNameColumn, ReadOnlyItem(names[static_cast<std::size_t>(i)]));
    setItem(row, kValueColumn, ReadOnlyItem(WeightText(value)));
    for (int column = kFirstBarColumn; column <= LastBarColumn(value); ++column) {
      QTableWidgetItem* cell = ReadOnlyItem();
      cell->setBackground(BarColour(palette()));
      setItem(row, column, cell);
    }
  }
}

void WeightBarGrid::changeEvent(QEvent* event) {
  if (event->type() == QEvent::PaletteChange) {
    // Only the cells of a bar exist in the bar columns.
    const QColor bar = BarColour(palette());
    for (int row = 0; row < rowCount(); ++row) {
      for (int column = kFirstBarColumn; column <= kLastBarColumn; ++column) {
        if (QTableWidgetItem* cell = item(row, column)) cell->setBackground(bar);
      }
    }
  }
  QTableWidget::changeEvent(event);
}

}  // namespace quillane
