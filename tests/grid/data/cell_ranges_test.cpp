// Cell ranges: clearing blocks (with and without the cell properties, through
// hidden columns), trimming, colouring, merging runs of equal texts and
// splitting them, joining two columns, and the two whole-text tests.
#include <gtest/gtest.h>

#include "tests/support/qstring_print.h"

#include "grid/view/ex_string_grid.h"

namespace {

// A 4 x 6 grid (one fixed row and column) whose cell (c, r) holds "c,r".
void Fill(TExStringGrid& g) {
  g.SetColCount(4);
  g.SetRowCount(6);
  for (int r = 0; r < 6; ++r)
    for (int c = 0; c < 4; ++c) g.SetCellEx(c, r, QStringLiteral("%1,%2").arg(c).arg(r));
}

TEST(CellRanges, ClearingBlocksWithAndWithoutTheirProperties) {
  TExStringGrid g(nullptr);
  Fill(g);
  g.SetColors(1, 1, clRed);
  g.AddCheckBox(2, 1, false, false);
  g.ClearTextOnly = true;
  g.ClearRect(1, 1, 2, 2);
  EXPECT_EQ(g.GetCellEx(1, 1), "");
  EXPECT_EQ(g.GetCellEx(2, 2), "");
  EXPECT_EQ(g.GetCellEx(3, 1), "3,1");
  EXPECT_EQ(g.Colors(1, 1), clRed);  // the look stays
  EXPECT_TRUE(g.HasCheckBox(2, 1));

  g.ClearTextOnly = false;
  g.ClearRect(1, 1, 2, 1);
  EXPECT_NE(g.Colors(1, 1), clRed);
  EXPECT_FALSE(g.HasCheckBox(2, 1));
  EXPECT_TRUE(g.HasCellProps);  // a part of the grid: the flag stays

  g.SetColors(3, 4, clBlue);
  g.ClearRect(0, 0, g.ColCount() - 1, g.RowCount() - 1);
  EXPECT_FALSE(g.HasCellProps);
  EXPECT_EQ(g.GetCellEx(0, 0), "");

  // A block whose second index is before its first is empty.
  Fill(g);
  g.ClearRect(2, 3, 1, 3);
  EXPECT_EQ(g.GetCellEx(1, 3), "1,3");
}

TEST(CellRanges, HiddenColumnsAreMappedOnlyWhenAsked) {
  TExStringGrid g(nullptr);
  Fill(g);
  g.HideColumn(1);
  g.ClearRect(1, 2, 1, 2);  // display column 1 taken as it stands: real column 1
  EXPECT_EQ(g.GetCellEx(1, 2), "");
  EXPECT_EQ(g.GetCellEx(2, 2), "2,2");
  g.SaveHiddenCells = true;
  g.ClearRect(1, 3, 1, 3);  // mapped: real column 2
  EXPECT_EQ(g.GetCellEx(1, 3), "1,3");
  EXPECT_EQ(g.GetCellEx(2, 3), "");
  g.ColorRect(1, 4, 1, 4, clLime);
  EXPECT_EQ(g.Colors(2, 4), clLime);
}

TEST(CellRanges, TrimmingAndWholeTextTests) {
  TExStringGrid g(nullptr);
  Fill(g);
  g.SetCellEx(1, 1, "  a b \t");
  g.SetCellEx(2, 1, "\r\nx");
  g.TrimRow(1);
  EXPECT_EQ(g.GetCellEx(1, 1), "a b");
  EXPECT_EQ(g.GetCellEx(2, 1), "x");

  g.SetCellEx(3, 4, "abc");
  int c = -1, r = -1;
  EXPECT_FALSE(g.IsCell("ab", c, r));
  EXPECT_EQ(c, -1);
  EXPECT_TRUE(g.IsCell("abc", c, r));
  EXPECT_EQ(c, 3);
  EXPECT_EQ(r, 4);

  g.SetCellEx(1, 2, "|\\packed");
  g.SetCellEx(2, 2, "x|\\packed");
  EXPECT_TRUE(g.IsWideCell(1, 2));
  EXPECT_FALSE(g.IsWideCell(2, 2));
}

TEST(CellRanges, MergingRunsAndSplittingThem) {
  TExStringGrid g(nullptr);
  Fill(g);
  g.SetRowCount(7);
  const char* texts[] = {"A", "A", "B", "B", "B", "C"};
  for (int r = 1; r <= 6; ++r) g.SetCellEx(1, r, texts[r - 1]);
  g.MergeColumnCells(1, true);
  EXPECT_TRUE(g.IsBaseCell(1, 1));
  EXPECT_EQ(g.CellSpan(1, 1).Y, 1);  // two rows
  EXPECT_TRUE(g.IsBaseCell(1, 3));
  EXPECT_EQ(g.CellSpan(1, 3).Y, 2);  // three rows
  EXPECT_FALSE(g.IsMergedCell(1, 6));  // a run of one row stays alone

  g.SplitColumnCells(1);
  for (int r = 1; r <= 6; ++r) EXPECT_FALSE(g.IsMergedCell(1, r)) << r;

  g.SetCellEx(1, 2, "R");
  g.SetCellEx(2, 2, "R");
  g.SetCellEx(3, 2, "R");
  g.MergeRowCells(2, true);
  EXPECT_TRUE(g.IsBaseCell(1, 2));
  EXPECT_EQ(g.CellSpan(1, 2).X, 2);
  g.SplitAllCells();
  EXPECT_FALSE(g.IsMergedCell(2, 2));
}

TEST(CellRanges, MergeColsJoinsTrimmedAndRemovesTheSecond) {
  TExStringGrid g(nullptr);
  Fill(g);
  g.SetCellEx(1, 1, "a");
  g.SetCellEx(2, 1, "");
  g.MergeCols(1, 2, " ");
  EXPECT_EQ(g.ColCount(), 3);
  EXPECT_EQ(g.GetCellEx(1, 1), "a");
  EXPECT_EQ(g.GetCellEx(1, 2), "1,2 2,2");
  EXPECT_EQ(g.GetCellEx(1, 0), "1,0");  // the fixed row keeps its text
  EXPECT_EQ(g.GetCellEx(2, 2), "3,2");
}

}  // namespace
