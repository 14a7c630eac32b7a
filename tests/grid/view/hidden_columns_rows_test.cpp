// Hidden columns keep their data in place and map display to real indexes;
// hidden rows move out into items and come back with everything they held,
// the cells of hidden columns included.
#include <gtest/gtest.h>

#include "grid/view/ex_string_grid.h"

namespace {

// Fills every cell of the store (hidden columns included) with "c,r".
void FillCells(TExStringGrid& g) {
  for (int r = 0; r < g.RowCount(); ++r)
    for (int c = 0; c < g.AllColCount(); ++c) g.SetCellEx(c, r, QStringLiteral("%1,%2").arg(c).arg(r));
}

TEST(HiddenColumns, TheFiveColumnExample) {
  TExStringGrid g(nullptr);
  FillCells(g);
  g.SetColWidths(2, 33);
  g.SetColWidths(3, 44);
  g.HideColumn(2);
  EXPECT_EQ(g.ColCount(), 4);
  EXPECT_EQ(g.NumHiddenColumns(), 1);
  EXPECT_EQ(g.AllColCount(), 5);
  EXPECT_TRUE(g.IsHiddenColumn(2));
  EXPECT_EQ(g.RealColIndex(2), 3);
  EXPECT_EQ(g.DisplColIndex(3), 2);
  EXPECT_EQ(g.ColWidths(2), 44);  // real column 3 now shows at display 2
  EXPECT_EQ(g.AllColWidths(2), 33);
  EXPECT_EQ(g.GetCellEx(2, 4), "2,4");  // still there by real index
  g.SetCellEx(2, 4, "written while hidden");

  g.UnHideColumn(2);
  EXPECT_EQ(g.ColCount(), 5);
  EXPECT_EQ(g.ColWidths(2), 33);
  EXPECT_EQ(g.ColWidths(3), 44);
  EXPECT_EQ(g.GetCellEx(2, 4), "written while hidden");
  EXPECT_EQ(g.GetCellEx(3, 4), "3,4");
}

TEST(HiddenColumns, MappingWithNothingHiddenAndPastTheEnd) {
  TExStringGrid g(nullptr);
  for (int i : {0, 3, 700}) {
    EXPECT_EQ(g.RealColIndex(i), i);
    EXPECT_EQ(g.DisplColIndex(i), i);
    EXPECT_EQ(g.RealRowIndex(i), i);
    EXPECT_EQ(g.DisplRowIndex(i), i);
  }
  g.HideColumns(0, 1);
  // Past the last shown column the count goes on over the visible columns.
  EXPECT_EQ(g.RealColIndex(3), 5);
}

TEST(HiddenColumns, TheLastShownColumnIsNeverHidden) {
  TExStringGrid g(nullptr);
  g.HideColumns(0, g.ColCount() - 1);
  EXPECT_EQ(g.ColCount(), 1);
  EXPECT_EQ(g.NumHiddenColumns(), 4);
  EXPECT_FALSE(g.IsHiddenColumn(4));
  g.HideColumn(99);  // beyond the columns: ignored
  g.HideColumn(-1);
  EXPECT_EQ(g.NumHiddenColumns(), 4);
  g.UnHideColumnsAll();
  EXPECT_EQ(g.ColCount(), 5);
  EXPECT_EQ(g.NumHiddenColumns(), 0);
}

TEST(HiddenColumns, CurrentColumnMovesLeftWhenTheLastIsHidden) {
  TExStringGrid g(nullptr);
  g.SetCol(4);
  g.HideColumn(1);
  EXPECT_EQ(g.Col(), 3);
}

TEST(HiddenColumns, WholeRowOperationsCarryHiddenCells) {
  TExStringGrid g(nullptr);
  FillCells(g);
  g.HideColumn(3);
  g.InsertRowsInternal(2, 1, true);
  EXPECT_EQ(g.GetCellEx(3, 3), "3,2");  // the hidden cell moved down with its row
  EXPECT_EQ(g.GetCellEx(3, 2), "");
  g.RemoveRowsEx(2, 1);
  EXPECT_EQ(g.GetCellEx(3, 2), "3,2");
  EXPECT_EQ(g.GetCellEx(4, 2), "4,2");
  EXPECT_EQ(g.RowCount(), 10);
}

TEST(HiddenRows, RoundTripKeepsTextsObjectsHeightsAndHiddenColumnCells) {
  TExStringGrid g(nullptr);
  FillCells(g);
  g.HideColumn(1);
  g.SetRowHeights(4, 40);
  g.SetColors(3, 4, clRed);
  g.SetObjectEx(2, 5, 1234);
  g.HideRows(3, 5);
  EXPECT_EQ(g.RowCount(), 7);
  EXPECT_EQ(g.NumHiddenRows(), 3);
  EXPECT_EQ(g.AllRowCount(), 10);
  EXPECT_TRUE(g.IsHiddenRow(4));
  EXPECT_EQ(g.GetCellEx(0, 3), "0,6");  // the rows below moved up
  EXPECT_EQ(g.DisplToRealRow(3), 6);
  EXPECT_EQ(g.RealToDisplRow(6), 3);
  // Real-row access reaches the hidden rows, hidden columns too.
  EXPECT_EQ(g.AllCells(1, 4), "1,4");
  EXPECT_EQ(g.GetObjectsEx(2, 5), 1234u);
  g.SetAllCells(1, 4, "changed while hidden");
  g.SetAllCells(9, 4, "beyond");  // pads the row's store

  g.UnHideRows(3, 5);
  EXPECT_EQ(g.RowCount(), 10);
  EXPECT_EQ(g.NumHiddenRows(), 0);
  EXPECT_EQ(g.GetCellEx(1, 4), "changed while hidden");
  EXPECT_EQ(g.GetCellEx(0, 5), "0,5");
  EXPECT_EQ(g.GetCellEx(0, 6), "0,6");
  EXPECT_EQ(g.RowHeights(4), 40);
  EXPECT_EQ(g.Colors(3, 4), clRed);
  EXPECT_EQ(g.GetObjectEx(2, 5), 1234u);
  EXPECT_EQ(g.GetCellEx(9, 4), "beyond");
}

TEST(HiddenRows, SingleRowsAndAllAtOnce) {
  TExStringGrid g(nullptr);
  FillCells(g);
  g.HideRow(2);
  g.HideRow(7);
  g.HideRows(4, 5);
  EXPECT_EQ(g.RowCount(), 6);
  g.UnHideRow(7);
  EXPECT_EQ(g.GetCellEx(1, g.DisplRowIndex(7)), "1,7");
  g.UnHideRowsAll();
  EXPECT_EQ(g.RowCount(), 10);
  for (int r = 0; r < 10; ++r) EXPECT_EQ(g.GetCellEx(1, r), QStringLiteral("1,%1").arg(r)) << r;
}

TEST(HiddenRows, ListLevelsComeBackLastFirst) {
  TExStringGrid g(nullptr);
  FillCells(g);
  TIntList first(0, 0), second(0, 0);
  first.Add(2);
  first.Add(3);
  g.HideRowList(first);  // rows 2 and 3 gone
  second.Add(1);
  g.HideRowList(second);  // then the row now at 1
  EXPECT_EQ(g.RowCount(), 7);
  EXPECT_EQ(g.FilterLevel(), 2);
  g.UnHideRowList();
  g.SetFilterLevel(g.FilterLevel() - 1);
  EXPECT_EQ(g.RowCount(), 8);
  EXPECT_EQ(g.GetCellEx(1, 1), "1,1");
  EXPECT_EQ(g.GetCellEx(1, 2), "1,4");
  g.UnHideRowList();
  g.SetFilterLevel(g.FilterLevel() - 1);
  EXPECT_EQ(g.RowCount(), 10);
  for (int r = 0; r < 10; ++r) EXPECT_EQ(g.GetCellEx(1, r), QStringLiteral("1,%1").arg(r)) << r;
  EXPECT_EQ(g.NumHiddenRows(), 0);
}

TEST(HiddenRows, CurrentRowEventsAndParking) {
  TExStringGrid g(nullptr);
  std::vector<std::pair<int, int>> updates;
  g.SetRow(3);  // no handler: nothing reported
  g.OnRowUpdate = [&](TObject*, int o, int n) { updates.push_back({o, n}); };
  g.SetRow(5);
  g.SetRow(5);
  ASSERT_EQ(updates.size(), 1u);
  EXPECT_EQ(updates[0], std::make_pair(1, 5));  // the last row reported while a handler was there

  g.SetTopRow(0);  // outside FixedRows .. RowCount - 1: ignored
  EXPECT_EQ(g.TopRow(), 1);

  g.HideSelection();
  EXPECT_TRUE(g.SelectionHidden());
  EXPECT_EQ(g.Selection().Left, g.ColCount());
  g.UnHideSelection();
  EXPECT_FALSE(g.SelectionHidden());
  EXPECT_EQ(g.Selection().Top, 5);
}

TEST(HiddenRows, UsedCellsAndSaveRanges) {
  TExStringGrid g(nullptr);
  EXPECT_EQ(g.GetUsedCells(), Rect(0, 0, 0, 0));
  g.SetCellEx(3, 5, "x");
  EXPECT_EQ(g.GetUsedCells(), Rect(3, 5, 3, 5));
  EXPECT_EQ(g.SaveStartCol(), 0);
  EXPECT_EQ(g.SaveRowCount(), 10);
  g.SaveFixedCells = false;
  EXPECT_EQ(g.SaveStartRow(), 1);
  EXPECT_EQ(g.SaveColCount(), 4);
}

}  // namespace

namespace {

TEST(FloatingFooterOnGrid, VisibleTotalsRowBecomesAFixedFooter) {
  TExStringGrid g(nullptr);
  EXPECT_EQ(g.FloatingFooter()->GetColumnCalc(2), acNONE);
  g.FloatingFooter()->SetColumnCalc(2, acSUM);
  EXPECT_EQ(g.FloatingFooter()->GetColumnCalc(2), acSUM);
  EXPECT_EQ(g.FixedFooters(), 0);
  g.FloatingFooter()->SetVisible(true);
  EXPECT_EQ(g.FixedFooters(), 1);
  EXPECT_TRUE(g.HideLastRow);
  // The footer row stays the last row when rows are added.
  g.SetCellEx(1, 9, "total");
  g.SetRowCount(12);
  EXPECT_EQ(g.GetCellEx(1, 11), "total");
  EXPECT_EQ(g.GetCellEx(1, 9), "");
  g.FloatingFooter()->SetFooterStyle(fsColumnPreview);
  EXPECT_EQ(g.FixedFooters(), 0);
  EXPECT_FALSE(g.HideLastRow);
}

}  // namespace
