// The selection model, the property upkeep (fixed counts that are kept, sizes,
// clamps), the per-cell looks and the real-row and sort-order text views.
#include <gtest/gtest.h>

#include "grid/view/ex_string_grid.h"
#include "grid/view/grid_error.h"

namespace {

TEST(Selection, SelectRowsTable) {
  struct Case {
    int index, count;
    TGridRect expected;
  } cases[] = {
      {5, 1, {1, 5, 2, 5}},  // a row across the normal columns
      {8, 5, {1, 8, 2, 9}},  // cut at RowCount
      {0, 1, {1, 0, 2, 0}},  // the fixed row passes unchanged
      {3, 2, {1, 3, 2, 4}},
  };
  for (const auto& c : cases) {
    TExStringGrid g(nullptr);
    g.SetColCount(3);
    g.SelectRows(c.index, c.count);
    EXPECT_EQ(g.Selection(), c.expected) << c.index << "+" << c.count;
    EXPECT_FALSE(g.SelectionChangePending());
  }
}

TEST(Selection, DisjunctRows) {
  TExStringGrid g(nullptr);
  g.MouseActions()->SetDisjunctRowSelect(true);
  g.SelectRows(2, 3);
  EXPECT_TRUE(g.RowSelect(2) && g.RowSelect(3) && g.RowSelect(4));
  EXPECT_FALSE(g.RowSelect(5));
  EXPECT_EQ(g.RowSelectCount(), 3);
  EXPECT_EQ(g.SelectedRowCount(), 3);
  EXPECT_EQ(g.SelectedRow(0), 2);
  EXPECT_EQ(g.SelectedRow(7), -1);
  g.UnSelectRows(3, 1);
  EXPECT_EQ(g.SelectedRowCount(), 2);
  g.ClearRowSelect();
  EXPECT_EQ(g.RowSelectCount(), 0);
  EXPECT_EQ(g.SelectedRowCount(), 0);
}

TEST(Selection, DisjunctVetoAndEvents) {
  TExStringGrid g(nullptr);
  g.MouseActions()->SetDisjunctRowSelect(true);
  int asked = 0, told = 0;
  bool allow = false;
  g.OnRowDisjunctSelect = [&](TObject*, int, bool, bool& a) {
    ++asked;
    a = allow;
  };
  g.OnRowDisjunctSelected = [&](TObject*, int) { ++told; };
  g.SetRowSelect(4, true);
  EXPECT_FALSE(g.RowSelect(4));
  EXPECT_EQ(g.SelectedRowCount(), 0);
  EXPECT_EQ(told, 0);
  allow = true;
  g.SetRowSelect(4, true);
  g.SetRowSelect(4, true);  // the same flag: no question, still told
  EXPECT_EQ(asked, 2);
  EXPECT_EQ(told, 2);
}

TEST(Selection, ExceptionTexts) {
  TExStringGrid g(nullptr);
  auto message = [](auto&& act) {
    try {
      act();
    } catch (const EExGridError& e) {
      return e.Message;
    }
    return QStringLiteral("none");
  };
  EXPECT_EQ(message([&] { g.RowSelect(10); }), "Invalid row 10 accessed");
  EXPECT_EQ(message([&] { g.RowSelect(-1); }), "Invalid row -1 accessed");
  EXPECT_EQ(message([&] { g.SetRowSelect(10, true); }), "Invalid row accessed");
  EXPECT_EQ(message([&] { g.SetRowSelect(-2, true); }), "Invalid row accessed");
  EXPECT_EQ(message([&] { g.ColSelect(5); }), "Invalid column accessed");
  EXPECT_EQ(message([&] { g.SetColSelect(-1, true); }), "Invalid column accessed");
  EXPECT_EQ(message([&] { g.RowSelect(9); }), "none");
  EXPECT_THROW(g.SelectedCell(0), EListError);
}

TEST(Selection, CellsAndSwaps) {
  TExStringGrid g(nullptr);
  g.SetSelection({1, 1, 2, 3});
  EXPECT_EQ(g.SelectedCellsCount(), 6);
  EXPECT_EQ(g.SelectedCell(0), (TGridCoord{1, 1}));
  EXPECT_EQ(g.SelectedCell(1), (TGridCoord{1, 2}));
  EXPECT_TRUE(g.SelectedCells(2, 3));

  g.MouseActions()->SetDisjunctCellSelect(true);
  g.ClearSelectedCells();
  g.SetSelectedCells(3, 40000, true);  // rows beyond 32767 are kept exactly
  EXPECT_TRUE(g.SelectedCells(3, 40000));
  EXPECT_FALSE(g.SelectedCells(3, 40000 - 65536));
  EXPECT_EQ(g.SelectedCellsCount(), 1);

  g.SetCellEx(1, 1, "text");
  g.SetColors(2, 2, clRed);
  g.SwapCells({1, 1}, {2, 2});
  EXPECT_EQ(g.GetCellEx(2, 2), "text");
  EXPECT_EQ(g.Colors(1, 1), clRed);
}

TEST(Selection, RowFlags) {
  TExStringGrid g(nullptr);
  g.SetRowModified(7, true);
  EXPECT_EQ(g.ModifiedRowCount(), 1);
  EXPECT_FALSE(g.RowModified(3));
  EXPECT_TRUE(g.RowModified(7));

  g.SetRow(3);
  g.SetRowEnabled(3, true);  // enabling never moves the cursor
  EXPECT_EQ(g.Row(), 3);
  EXPECT_TRUE(g.UseEnabledRows());
  g.SetRowEnabled(1, false);
  g.SetRowEnabled(3, false);  // disabling the current row moves to the first enabled one
  EXPECT_EQ(g.Row(), 2);
  EXPECT_FALSE(g.RowEnabled(3));
  EXPECT_TRUE(g.RowEnabled(50));
}

TEST(GridProperties, FixedRowsThatAreKept) {
  TExStringGrid g(nullptr);
  g.FixedRowAlways = true;
  g.SetRowCount(1);
  EXPECT_EQ(g.FixedRows(), 1);
  g.SetRowCount(5);
  EXPECT_EQ(g.FixedRows(), 1);

  g.SetRowCount(2);
  g.SetFixedRows(3);
  EXPECT_EQ(g.FixedRows(), 1);
  EXPECT_EQ(g.FixedRowsMin(), 3);
  g.SetRowCount(10);
  EXPECT_EQ(g.FixedRows(), 3);

  g.SetFixedRows(0);
  EXPECT_EQ(g.FixedRows(), 1);
}

TEST(GridProperties, SizesAndSetters) {
  TExStringGrid g(nullptr);
  g.SetFixedColWidth(g.DefaultColWidth());
  EXPECT_EQ(g.ColWidths(0), 64);
  g.SetFixedColWidth(40);
  EXPECT_EQ(g.ColWidths(0), 40);
  g.SetFixedRowHeight(30);
  EXPECT_EQ(g.RowHeights(0), 30);
  g.SetFixedRowHeight(g.DefaultRowHeight());
  EXPECT_EQ(g.RowHeights(0), 22);

  g.SetSelectionColorMixerFactor(150);
  EXPECT_EQ(g.SelectionColorMixerFactor(), 100);
  g.SetSelectionColorMixerFactor(-5);
  EXPECT_EQ(g.SelectionColorMixerFactor(), 0);
  g.SetVAlignment(vtaBottom);
  EXPECT_EQ(g.VAlignFlag(), 8);
  g.SetVAlignment(vtaCenter);
  EXPECT_EQ(g.VAlignFlag(), 4);

  g.SetSpreadSheet(false);
  EXPECT_TRUE(g.SelectionRectangle() && g.SelectionResizer());
  EXPECT_TRUE(g.Navigation()->AllowSmartClipboard);
  EXPECT_TRUE(g.Options().Contains(goEditing) && g.Options().Contains(goRangeSelect));
  EXPECT_TRUE(g.MouseActions()->RangeSelectAndEdit);

  g.SetColCount(12);
  g.SetColCount(4);
  EXPECT_EQ(g.MaxColCount(), 12);
}

TEST(CellLooks, DefaultsWithoutPropertiesAndRowColours) {
  TExStringGrid g(nullptr);
  EXPECT_EQ(g.Colors(2, 2), clNone);
  EXPECT_FALSE(g.CellHasProperties(2, 2));  // reading created nothing
  EXPECT_EQ(g.FontStyles(2, 2), TFontStyles{});
  EXPECT_EQ(g.Alignments(2, 2), taLeftJustify);
  EXPECT_FALSE(g.ReadOnly(2, 2));
  g.SetColors(2, 2, clRed);
  EXPECT_TRUE(g.CellHasProperties(2, 2));

  // Resetting a row colour keeps everything else of its cells.
  g.SetReadOnly(3, 4, true);
  g.SetAlignments(3, 4, taCenter);
  g.AddCheckBox(2, 4, cbChecked);
  g.SetRowColor(4, clYellow);
  g.SetRowFontColor(4, clBlue);
  g.SetRowColorTo(4, clGreen);
  EXPECT_EQ(g.Colors(3, 4), clYellow);
  g.SetRowColor(4, clNone);
  g.SetRowColorTo(4, clNone);
  g.SetRowFontColor(4, clNone);
  EXPECT_EQ(g.Colors(3, 4), clNone);
  EXPECT_EQ(g.ColorsTo(3, 4), clNone);
  EXPECT_EQ(g.FontColors(3, 4), clNone);
  EXPECT_TRUE(g.ReadOnly(3, 4));
  EXPECT_EQ(g.Alignments(3, 4), taCenter);
  EXPECT_EQ(g.GetCellType(2, 4), ctTriStateCheckBox);
  EXPECT_FALSE(g.CellHasProperties(1, 4) && g.Colors(1, 4) != clNone);
}

TEST(CellTextViews, RealRowsSortOrderAndCurrentCell) {
  TExStringGrid g(nullptr);
  for (int r = 0; r < 10; ++r) g.SetCellEx(1, r, QStringLiteral("<b>r%1</b>").arg(r));
  for (int r = 0; r < 10; ++r) EXPECT_EQ(g.AllCells(1, r), g.GetCellEx(1, r));
  EXPECT_EQ(g.UnSortedCells(1, 3), g.GetCellEx(1, 3));  // never sorted
  EXPECT_EQ(g.StrippedCells(1, 3), "r3");
  EXPECT_EQ(g.AllCells(-1, 3), "");
  g.SetCellEx(2, 2, "a\rb\rc");
  EXPECT_EQ(g.LinesInCell(2, 2), 3);

  g.OnGetDisplText = [](TObject*, int, int r, QString& v) { v += QStringLiteral("!"); };
  g.HideRow(3);
  EXPECT_EQ(g.AllCells(1, 3), "<b>r3</b>!");  // the hidden row's text through the display hook
  g.OnGetDisplText = nullptr;

  g.SetRow(2);
  g.SetCol(2);
  EXPECT_EQ(g.CurrentCell(), "a\rb\rc");
  g.SetCurrentCell("new");
  EXPECT_EQ(g.GetCellEx(2, 2), "new");
}

}  // namespace
