// Display and real column indexes where a hidden column makes them differ: the
// cell hint's merge base is found by real column and reported by display column,
// and a grid with disjunct column selection paints without a fault (the
// selections themselves: paint_appearance_test.cpp).
#include <gtest/gtest.h>

#include "platform/ui/hint_info.h"
#include "tests/grid/view/paint_fixture.h"
#include "tests/support/scripted_ui.h"
#include "tests/support/ui_input.h"

namespace {

TEST(IndexSpaces, DisjunctColumnsWithAHiddenColumnPaintWithoutFault) {
  ScriptedUi ui;  // any error box would fail the test
  TPaintFixture<> f;
  f.grid->SetColCount(6);
  f.grid->MouseActions()->SetDisjunctColSelect(true);
  f.grid->HideColumn(1);
  // The last display column: its real index is past the display count.
  f.grid->SetColSelect(f.grid->ColCount() - 1, true);
  EXPECT_NO_THROW(f.Render());
  ProcessEvents();
  EXPECT_TRUE(ui.Messages.empty());
}

TEST(IndexSpaces, HintOfACoveredCellNamesItsBaseByDisplayColumn) {
  TExStringGrid g(nullptr);
  g.SetColCount(7);
  g.HintShowCells = true;
  g.HideColumn(1);
  g.MergeCells(3, 2, 2, 1);  // real columns 3 and 4: display columns 2 and 3
  g.SetCellEx(3, 2, "merged");
  int seenCol = -1, seenRow = -1;
  QString seen;
  g.OnGridHint = [&](TObject*, int ARow, int ACol, QString& hint) {
    seenCol = ACol;
    seenRow = ARow;
    seen = hint;
  };
  THintInfo info;
  const TRect r = g.TStringGrid::CellRect(3, 2);  // the covered display cell alone
  info.CursorPos = {r.Left + 5, (r.Top + r.Bottom) / 2};
  QString hint;
  g.BuildCellHint(hint, info);
  EXPECT_EQ(seenCol, 2);
  EXPECT_EQ(seenRow, 2);
  EXPECT_EQ(seen, "merged");
}

}  // namespace
