// Display and real column indexes where a hidden column makes them differ: the
// column selection flags and the selected-cells list are kept by display column,
// the cell hint's merge base is found by real column and reported by display
// column, and a grid with disjunct column selection paints without a fault.
#include <gtest/gtest.h>

#include <functional>

#include "platform/ui/hint_info.h"
#include "tests/grid/view/paint_fixture.h"
#include "tests/support/scripted_ui.h"
#include "tests/support/ui_input.h"

namespace {

bool ShownSelected(TExStringGrid& g, int c, int r) {
  TBrush brush;
  TFont font;
  TColor to = clNone, mirror = clNone, mirrorTo = clNone;
  TAlignment ha = taLeftJustify;
  TVAlignment va = vtaTop;
  bool ww = true;
  TCellGradientDirection gd = GradientVertical;
  TGridDrawState state;
  g.GetVisualProperties(c, r, state, false, true, true, &brush, to, mirror, mirrorTo, &font, ha, va, ww, gd);
  return state.Contains(gdSelected);
}

// Display column 2 is real column 3 once real column 1 is hidden.
TEST(IndexSpaces, DisjunctSelectionsAreKeptByDisplayColumn) {
  struct Case {
    const char* name;
    std::function<void(TExStringGrid&)> select;
  } cases[] = {
      {"column flags",
       [](TExStringGrid& g) {
         g.MouseActions()->SetDisjunctColSelect(true);
         g.SetColSelect(3, true);
       }},
      {"selected cells",
       [](TExStringGrid& g) {
         g.MouseActions()->SetDisjunctCellSelect(true);
         g.SetSelectedCells(3, 2, true);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TExStringGrid g(nullptr);
    g.SetColCount(6);
    g.HideColumn(1);
    g.SetSelection({1, 1, 1, 1});
    c.select(g);
    EXPECT_TRUE(ShownSelected(g, 3, 2));
    EXPECT_FALSE(ShownSelected(g, 2, 2));
    EXPECT_FALSE(ShownSelected(g, 4, 2));
  }
}

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
