// Column order and moving: the recorded order answers where a column stands and
// brings the columns back; moves in code and by the notifications keep the sort
// column, the sort indexes, hidden columns, hidden rows, controls in cells and a
// synchronised grid in step; a row never takes the place of a footer kept as the
// last row; MoveRows and ScrollInView.
#include <gtest/gtest.h>

#include "tests/support/qstring_print.h"

#include "grid/base/int_list.h"
#include "grid/base/sort_index_list.h"
#include "grid/base/sync_grid.h"
#include "grid/base/control_list.h"
#include "grid/data/floating_footer.h"
#include "grid/data/sort_settings.h"
#include "grid/view/ex_string_grid.h"
#include "platform/rtl/exceptions.h"
#include "platform/ui/check_box.h"

namespace {

// The texts of row r over every real column, joined by blanks.
QString RowTexts(TExStringGrid& g, int r) {
  QStringList out;
  for (int c = 0; c < g.AllColCount(); ++c) out << g.AllCells(c, r);
  return out.join(u' ');
}

// A grid of n columns whose header row names them "c0".."c<n-1>" and whose row
// 1 holds "v0".."v<n-1>".
void Label(TExStringGrid& g, int n) {
  g.SetColCount(n);
  for (int c = 0; c < n; ++c) {
    g.SetCellEx(c, 0, QStringLiteral("c%1").arg(c));
    g.SetCellEx(c, 1, QStringLiteral("v%1").arg(c));
  }
}

TEST(ColumnOrder, PositionsFollowMovesAndResetBringsThemBack) {
  TExStringGrid g(nullptr);
  Label(g, 3);
  g.ColumnOrder()->Clear();  // nothing recorded
  EXPECT_EQ(g.ColumnPosition(2), 2);

  g.MoveColumn(0, 2);  // records the order first
  EXPECT_EQ(RowTexts(g, 0), "c1 c2 c0");
  EXPECT_EQ(g.ColumnPosition(0), 2);
  EXPECT_EQ(g.ColumnAtPosition(2), 0);
  EXPECT_EQ(g.ColumnAtPosition(0), 1);

  g.HideColumn(1);
  g.ResetColumnOrder();
  EXPECT_EQ(g.NumHiddenColumns(), 0);
  EXPECT_EQ(RowTexts(g, 0), "c0 c1 c2");
  EXPECT_EQ(RowTexts(g, 1), "v0 v1 v2");
  EXPECT_EQ(g.ColumnPosition(0), 0);

  // A position beyond the recording is an index error, not a wild read.
  EXPECT_THROW(g.ColumnAtPosition(3), EListError);
}

TEST(ColumnOrder, AtPositionRecordsAndResetShowsHiddenColumns) {
  TExStringGrid g(nullptr);
  Label(g, 4);
  g.ColumnOrder()->Clear();
  EXPECT_EQ(g.ColumnAtPosition(3), 3);
  EXPECT_EQ(g.ColumnOrder()->Count(), 4);

  g.HideColumn(2);
  EXPECT_EQ(g.ColumnByHeader("c2"), 2);  // hidden, still found
  EXPECT_EQ(g.ColumnByHeader("C2"), -1);  // letter case counts
  g.ResetColumnOrder();                   // order never changed
  EXPECT_EQ(g.NumHiddenColumns(), 0);
  EXPECT_EQ(RowTexts(g, 0), "c0 c1 c2 c3");
}

TEST(ColumnOrder, GroupedGridCountsWithoutTheGroupColumn) {
  TExStringGrid g(nullptr);
  Label(g, 5);
  g.SetRowCount(4);
  g.SetColumnOrder();
  g.Group(1);
  ASSERT_EQ(g.GetGroupColumn(), 1);
  EXPECT_EQ(g.ColumnPosition(3), 2);
  EXPECT_EQ(g.ColumnPosition(0), 0);
  EXPECT_EQ(g.ColumnAtPosition(1), 2);
}

TEST(ColumnMoving, SortColumnAndSortIndexesFollow) {
  struct Case {
    int from, to, sortColumn;
  } cases[] = {{1, 4, 2}, {5, 1, 4}, {3, 0, 0}, {0, 2, 3}, {4, 5, 3}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.from << " -> " << c.to);
    TExStringGrid g(nullptr);
    Label(g, 6);
    g.SortSettings()->Column = 3;
    g.SortSettings()->IndexShow = true;
    g.SortIndexes()->AddIndex(3, false);
    g.SortIndexes()->AddIndex(5, true);
    g.MoveColumn(c.from, c.to);
    EXPECT_EQ(g.SortSettings()->Column, c.sortColumn);
    EXPECT_EQ(g.SortIndexes()->SortColumns(0), c.sortColumn);
    EXPECT_FALSE(g.SortIndexes()->SortDirections(0));  // the direction bit stays
    EXPECT_TRUE(g.SortIndexes()->SortDirections(1));
  }
}

TEST(ColumnMoving, CurrentCellAndSelectionStayOnTheirCells) {
  TExStringGrid g(nullptr);
  Label(g, 6);
  g.SetCol(2);
  g.MoveColumn(2, 4);
  EXPECT_EQ(g.Col(), 4);
  g.MoveColumn(1, 5);
  EXPECT_EQ(g.Col(), 3);
  EXPECT_EQ(g.GetCellEx(3, 0), "c2");
}

TEST(ColumnMoving, HiddenColumnsStayHiddenAndHiddenRowsFollow) {
  TExStringGrid g(nullptr);
  Label(g, 7);
  g.SetRowCount(4);
  g.SetCellEx(3, 2, "secret");
  g.SetColWidths(3, 33);
  g.HideColumn(3);
  g.HideRow(2);
  // Display 2 is real column 2; display 4 is real column 5.
  g.MoveColumn(2, 4);
  EXPECT_EQ(g.NumHiddenColumns(), 1);
  // The real order is now c0 c1 c3 c4 c5 c2 c6 with c3 still the hidden one.
  EXPECT_EQ(RowTexts(g, 0), "c0 c1 c3 c4 c5 c2 c6");
  EXPECT_TRUE(g.IsHiddenColumn(2));
  EXPECT_EQ(g.AllColWidths(2), 33);
  EXPECT_EQ((*g.ColumnOrder())[5], 2);
  // The hidden row's texts moved the same way.
  g.UnHideRow(2);
  EXPECT_EQ(g.AllCells(2, 2), "secret");
}

TEST(ColumnMoving, ControlsInCellsFollowTheirColumnsAndRows) {
  TExStringGrid g(nullptr);
  Label(g, 5);
  TCheckBox inTwo(nullptr), inOne(nullptr);
  g.SetCellControls(2, 1, &inTwo);
  g.SetCellControls(1, 2, &inOne);
  g.MoveColumn(1, 3);
  TControlList& list = *g.ControlList();
  ASSERT_EQ(list.Count(), 2);
  EXPECT_EQ(list.Controls(0)->X, 1);
  EXPECT_EQ(list.Controls(1)->X, 3);

  g.MoveRow(2, 4);
  EXPECT_EQ(list.Controls(1)->Y, 4);
  EXPECT_EQ(list.Controls(0)->Y, 1);
}

TEST(RowMoving, FooterRowIsNeverTakenAndEventsFireOnce) {
  TExStringGrid g(nullptr);
  g.SetRowCount(6);
  for (int r = 0; r < 6; ++r) g.SetCellEx(0, r, QStringLiteral("r%1").arg(r));
  int events = 0, from = -1, to = -1;
  g.OnRowMoved = [&](TObject*, int f, int t) {
    ++events;
    from = f;
    to = t;
  };
  g.FloatingFooter()->SetVisible(true);
  g.MoveRow(2, 5);
  EXPECT_EQ(events, 0);
  EXPECT_EQ(g.GetCellEx(0, 2), "r2");
  EXPECT_EQ(g.GetCellEx(0, 5), "r5");

  g.MoveRow(2, 4);
  EXPECT_EQ(events, 1);
  EXPECT_EQ(from, 2);
  EXPECT_EQ(to, 4);
  EXPECT_EQ(g.GetCellEx(0, 4), "r2");
  EXPECT_EQ(g.GetCellEx(0, 2), "r3");

  g.FloatingFooter()->SetVisible(false);
  g.MoveRow(1, 5);
  EXPECT_EQ(g.GetCellEx(0, 5), "r1");
}

TEST(ColumnMoving, SynchronisedGridsMoveOnceEach) {
  TExStringGrid a(nullptr), b(nullptr);
  Label(a, 4);
  Label(b, 4);
  a.SyncGrid()->SetGrid(&b);
  b.SyncGrid()->SetGrid(&a);
  a.SyncGrid()->MoveColumn = b.SyncGrid()->MoveColumn = true;
  a.SyncGrid()->MoveRow = b.SyncGrid()->MoveRow = true;
  a.MoveColumn(0, 3);
  EXPECT_EQ(RowTexts(a, 0), "c1 c2 c3 c0");
  EXPECT_EQ(RowTexts(b, 0), "c1 c2 c3 c0");
  b.MoveRow(1, 3);
  EXPECT_EQ(a.GetCellEx(0, 3), "v1");
  EXPECT_EQ(b.GetCellEx(0, 3), "v1");
  a.SyncGrid()->SetGrid(nullptr);
  b.SyncGrid()->SetGrid(nullptr);
}

TEST(RowMoving, MoveRowsCarriesTheBlock) {
  struct Case {
    int from, to, count;
    const char* rows;
  } cases[] = {
      {2, 6, 2, "r0 r1 r4 r5 r2 r3 r6 r7"},  // the target is lowered by the count
      {6, 2, 2, "r0 r1 r6 r7 r2 r3 r4 r5"},
      {3, 3, 2, "r0 r1 r2 r3 r4 r5 r6 r7"},  // same place
      {1, 4, 0, "r0 r1 r2 r3 r4 r5 r6 r7"},  // nothing to move
      {6, 1, 3, "r0 r1 r2 r3 r4 r5 r6 r7"},  // a block past the last row
      {1, 9, 2, "r0 r1 r2 r3 r4 r5 r6 r7"},  // a target past the rows
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.from << " -> " << c.to << " x" << c.count);
    TExStringGrid g(nullptr);
    g.SetRowCount(8);
    g.SetColCount(3);
    for (int r = 0; r < 8; ++r) {
      g.SetCellEx(0, r, QStringLiteral("r%1").arg(r));
      g.SetCellEx(2, r, QStringLiteral("h%1").arg(r));
    }
    g.SetColors(1, 2, clRed);  // a cell object travels with its row
    g.HideColumn(2);
    g.MoveRows(c.from, c.to, c.count);
    QStringList rows;
    for (int r = 0; r < g.RowCount(); ++r) {
      rows << g.GetCellEx(0, r);
      EXPECT_EQ(g.GetCellEx(2, r), QStringLiteral("h") + g.GetCellEx(0, r).mid(1));
    }
    EXPECT_EQ(rows.join(u' '), c.rows);
    const int red = static_cast<int>(rows.indexOf(QStringLiteral("r2")));
    EXPECT_EQ(g.Colors(1, red), clRed);
  }
}

TEST(ScrollInView, BringsTheCellInViewAndLeavesAVisibleOneCurrent) {
  TExStringGrid g(nullptr);
  g.SetBounds(0, 0, 400, 300);
  g.SetRowCount(100);
  g.SetColCount(30);
  g.SetRow(3);
  g.SetCol(2);
  const int visibleRows = g.VisibleRowCount();
  ASSERT_GT(visibleRows, 2);
  ASSERT_GT(g.VisibleColCount(), 2);
  ASSERT_EQ(g.LeftCol(), 1);
  g.ScrollInView(g.LeftCol() + 1, 2);  // already in view
  EXPECT_EQ(g.Row(), 3);
  EXPECT_EQ(g.Col(), 2);
  EXPECT_EQ(g.TopRow(), 1);
  EXPECT_EQ(g.LeftCol(), 1);

  g.ScrollInView(25, 60);
  EXPECT_EQ(g.Row(), 60);
  EXPECT_EQ(g.Col(), 25);
  EXPECT_EQ(g.TopRow(), 60 - visibleRows / 2);
  EXPECT_LE(g.LeftCol(), 25);
  EXPECT_GT(g.LeftCol() + g.VisibleColCount(), 25);

  g.ScrollInView(40, 5);  // beyond the grid: nothing
  EXPECT_EQ(g.Row(), 60);
}

}  // namespace
