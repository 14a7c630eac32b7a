// The sparse cell table: contents independent of the grid counts, and the
// class library's column and row moves.
#include "platform/grids/cell_table.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <functional>

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

// Every cell with its place, in the order the table visits them.
QString Visited(const TSparseCellTable& t) {
  QStringList cells;
  t.ForEach([&cells](int col, int row, const QString& text, TObject*) {
    cells << QStringLiteral("%1,%2=%3").arg(col).arg(row).arg(text);
  });
  return cells.join(' ');
}

// Rows below 0 and far beyond the others, a lone far row that the rows written
// later reach, and moves and swaps between near and far rows: every cell keeps
// its contents and the table is visited row by row, column by column.
TEST(BaseGridCellTable, NearAndFarRowsKeepTheirCellsThroughMovesAndSwaps) {
  struct Case {
    const char* name;
    std::function<void(TSparseCellTable&)> act;
    const char* expected;
  } cases[] = {
      {"as written", [](TSparseCellTable&) {}, "1,-5=n 0,1=a 2,1=b 3,4000000=f"},
      {"row into a far row", [](TSparseCellTable& t) { t.MoveRow(1, 4000000); }, "1,-5=n 3,3999999=f 0,4000000=a 2,4000000=b"},
      {"far row to a near one", [](TSparseCellTable& t) { t.MoveRow(4000000, 2); },
       "1,-5=n 0,1=a 2,1=b 3,2=f"},
      {"row below 0 moved up", [](TSparseCellTable& t) { t.MoveRow(-5, 1); }, "0,0=a 2,0=b 1,1=n 3,4000000=f"},
      {"near and far swapped", [](TSparseCellTable& t) { t.SwapRows(1, 4000000); }, "1,-5=n 3,1=f 0,4000000=a 2,4000000=b"},
      {"columns swapped", [](TSparseCellTable& t) { t.SwapColumns(0, 3); }, "1,-5=n 2,1=b 3,1=a 0,4000000=f"},
      {"column moved over others", [](TSparseCellTable& t) { t.MoveColumn(0, 2); }, "0,-5=n 1,1=b 2,1=a 3,4000000=f"},
      {"texts cleared", [](TSparseCellTable& t) {
         t.SetText(3, 4000000, "");
         t.SetText(0, 1, "");
         t.SetText(1, -5, "");
       }, "2,1=b"},
  };
  for (const Case& c : cases) {
    TSparseCellTable t;
    t.SetText(3, 4000000, "f");
    t.SetText(2, 1, "b");
    t.SetText(0, 1, "a");
    t.SetText(1, -5, "n");
    c.act(t);
    EXPECT_EQ(Visited(t), c.expected) << c.name;
    EXPECT_EQ(t.UsedCount(), QString(c.expected).count('=')) << c.name;
  }
}

// A row written before the rows below it are: it is found, visited in its
// place and moved like any other once those rows are written.
TEST(BaseGridCellTable, ARowWrittenAheadJoinsTheRowsBelowIt) {
  TSparseCellTable t;
  t.SetText(0, 3000, "ahead");
  t.SetObject(1, 3000, Tag(5));
  for (int row = 0; row <= 3500; ++row)
    if (row != 3000) t.SetText(0, row, QString::number(row));
  EXPECT_EQ(t.Text(0, 3000), "ahead");
  EXPECT_EQ(t.Object(1, 3000), Tag(5));
  EXPECT_EQ(t.UsedCount(), 3502);
  QStringList around;
  t.ForEach([&around](int col, int row, const QString& text, TObject*) {
    if (row >= 2999 && row <= 3001) around << QStringLiteral("%1,%2=%3").arg(col).arg(row).arg(text);
  });
  EXPECT_EQ(around.join(' '), "0,2999=2999 0,3000=ahead 1,3000= 0,3001=3001");
  t.MoveRow(3000, 0);
  EXPECT_EQ(t.Text(0, 0), "ahead");
  EXPECT_EQ(t.Object(1, 0), Tag(5));
  EXPECT_EQ(t.Text(0, 3000), "2999");
}

}  // namespace
