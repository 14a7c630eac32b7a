// The sparse cell table: contents independent of the grid counts, and the
// class library's column and row moves.
#include "platform/grids/cell_table.h"

#include <gtest/gtest.h>

namespace {

TObject* Tag(intptr_t n) { return reinterpret_cast<TObject*>(n); }

TEST(BaseGridCellTable, TextAndObjectAreKeptApart) {
  TSparseCellTable t;
  t.SetText(3, 700, "x");
  t.SetObject(3, 700, Tag(8));
  t.SetText(3, 700, "");
  EXPECT_EQ(t.Object(3, 700), Tag(8));
  EXPECT_EQ(t.UsedCount(), 1);
  t.SetObject(3, 700, nullptr);
  EXPECT_EQ(t.UsedCount(), 0);
  EXPECT_EQ(t.Text(-4, -9), "");
}

TEST(BaseGridCellTable, MovesShiftTheCellsBetween) {
  struct Case { int from, to; const char* expected; } cases[] = {
      {0, 3, "BCDAE"}, {3, 0, "DABCE"}, {1, 1, "ABCDE"}, {4, 6, "ABCD..E"}};
  for (const auto& c : cases) {
    TSparseCellTable cols, rows;
    for (int i = 0; i < 5; ++i) {
      cols.SetText(i, 2, QString(QChar('A' + i)));
      rows.SetText(2, i, QString(QChar('A' + i)));
    }
    cols.MoveColumn(c.from, c.to);
    rows.MoveRow(c.from, c.to);
    QString gotCols, gotRows;
    for (int i = 0; i < 7; ++i) {
      QString a = cols.Text(i, 2), b = rows.Text(2, i);
      gotCols += a.isEmpty() ? "." : a;
      gotRows += b.isEmpty() ? "." : b;
    }
    QString expected = QString(c.expected).leftJustified(7, '.');
    EXPECT_EQ(gotCols, expected) << c.from << "->" << c.to;
    EXPECT_EQ(gotRows, expected) << c.from << "->" << c.to;
  }
}

}  // namespace
