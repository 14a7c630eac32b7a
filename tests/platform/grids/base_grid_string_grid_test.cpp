// The base string grid, unshown and offscreen: geometry of a scrolled grid with
// fixed rows and columns, the SelectCell veto, cells beyond the counts and the
// DrawCell loop.
#include "platform/grids/string_grid.h"

#include <gtest/gtest.h>

#include <QImage>
#include <map>

namespace {

// Exposes the protected steps the tests drive and records DrawCell.
class ProbeGrid : public TStringGrid {
public:
  using TStringGrid::TStringGrid;
  struct Drawn {
    TRect rect;
    TGridDrawState state;
    int count = 0;
  };
  std::map<std::pair<int, int>, Drawn> drawn;

  void PaintOnce() {
    drawn.clear();
    QImage image(Width(), Height(), QImage::Format_RGB32);
    Canvas()->BindImage(&image);
    Paint();
    Canvas()->ReleasePainter();
    Canvas()->BindImage(nullptr);
  }
  void Press(int key, TShiftState shift = {}) { KeyDown(key, shift); }

protected:
  void DrawCell(int ACol, int ARow, TRect ARect, TGridDrawState AState) override {
    Drawn& d = drawn[{ACol, ARow}];
    d.rect = ARect;
    d.state = AState;
    ++d.count;
    TStringGrid::DrawCell(ACol, ARow, ARect, AState);
  }
};

// 10 columns (0: 30 px, 1: 40 px, others 50 px), 8 rows (0: 20 px, others 25 px),
// 2 fixed columns and 1 fixed row, the library's 1-pixel lines, 300 x 150 pixels
// without scroll bars, scrolled to LeftCol 4 and TopRow 3.
//   columns: 0 at 0, 1 at 31, fixed area 72; 4 at 72, 5 at 123, 6 at 174, 7 at 225, 8 at 276 (cut at 300)
//   rows:    0 at 0, fixed area 21; 3 at 21, 4 at 47, 5 at 73, 6 at 99, 7 at 125 (ends at 150)
struct ScrolledGrid : ::testing::Test {
  ProbeGrid grid{nullptr};
  void SetUp() override {
    grid.SetScrollBars(ssNone);
    grid.SetBounds(0, 0, 300, 150);
    grid.SetColCount(10);
    grid.SetRowCount(8);
    grid.SetFixedCols(2);
    grid.SetFixedRows(1);
    grid.SetDefaultColWidth(50);
    grid.SetDefaultRowHeight(25);
    grid.SetColWidths(0, 30);
    grid.SetColWidths(1, 40);
    grid.SetRowHeights(0, 20);
    grid.SetLeftCol(4);
    grid.SetTopRow(3);
  }
};

TEST_F(ScrolledGrid, GeometryMatchesHandComputedValues) {
  ASSERT_EQ(grid.ClientWidth(), 300);
  ASSERT_EQ(grid.LeftCol(), 4);
  ASSERT_EQ(grid.TopRow(), 3);
  EXPECT_EQ(grid.VisibleColCount(), 4);  // 4..7 whole, 8 cut
  EXPECT_EQ(grid.VisibleRowCount(), 5);  // 3..7

  struct RectCase { int col, row; TRect rect; } rects[] = {
      {5, 4, Rect(123, 47, 173, 72)}, {8, 3, Rect(276, 21, 300, 46)}, {1, 0, Rect(31, 0, 71, 20)},
      {0, 5, Rect(0, 73, 30, 98)},   {4, 0, Rect(72, 0, 122, 20)},   {7, 7, Rect(225, 125, 275, 150)},
      {3, 3, TRect{}},  // scrolled out to the left
      {4, 2, TRect{}},  // scrolled out above
      {9, 3, TRect{}},  // beyond the right edge
      {10, 3, TRect{}}, {-1, 0, TRect{}}};
  for (const auto& c : rects) EXPECT_EQ(grid.CellRect(c.col, c.row), c.rect) << c.col << "," << c.row;

  struct HitCase { int x, y, col, row; } hits[] = {
      {10, 10, 0, 0}, {71, 5, 1, 0}, {72, 21, 4, 3}, {122, 46, 4, 3}, {123, 47, 5, 4},
      {299, 149, 8, 7}, {30, 20, 0, 0}, {300, 10, -1, -1}, {100, 150, -1, -1}, {-1, 5, -1, -1}};
  for (const auto& h : hits) {
    int c = 99, r = 99;
    grid.MouseToCell(h.x, h.y, c, r);
    EXPECT_EQ(c, h.col) << h.x << "," << h.y;
    EXPECT_EQ(r, h.row) << h.x << "," << h.y;
  }
}

TEST_F(ScrolledGrid, ScrollOriginRefusesFixedAndOutsideValues) {
  grid.SetTopRow(0);
  grid.SetLeftCol(10);
  grid.SetTopRow(-3);
  EXPECT_EQ(grid.TopRow(), 3);
  EXPECT_EQ(grid.LeftCol(), 4);
}

TEST_F(ScrolledGrid, SelectCellVetoKeepsTheCursor) {
  grid.SetCol(5);
  grid.SetRow(4);
  std::vector<std::pair<int, int>> asked;
  grid.OnSelectCell = [&](TObject*, int c, int r, bool& can) {
    asked.emplace_back(c, r);
    can = c != 6;
  };
  grid.SetCol(6);
  EXPECT_EQ(grid.Col(), 5);
  grid.Press(VK_RIGHT);
  EXPECT_EQ(grid.Col(), 5);
  EXPECT_EQ(grid.Row(), 4);
  EXPECT_EQ(grid.Selection(), (TGridRect{5, 4, 5, 4}));
  grid.Press(VK_DOWN);
  EXPECT_EQ(grid.Row(), 5);
  EXPECT_EQ(asked, (std::vector<std::pair<int, int>>{{6, 4}, {6, 4}, {5, 5}}));
}

TEST_F(ScrolledGrid, OutOfRangeIndexesAreRefused) {
  grid.SetCol(5);
  grid.SetCol(10);
  grid.SetRow(-1);
  EXPECT_EQ(grid.Col(), 5);
  grid.SetColWidths(10, 7);
  grid.SetRowHeights(-1, 7);
  EXPECT_EQ(grid.ColWidths(10), 50);
  grid.SetFixedCols(10);
  grid.SetFixedRows(-1);
  EXPECT_EQ(grid.FixedCols(), 2);
  EXPECT_EQ(grid.FixedRows(), 1);
  grid.MoveColumn(3, 10);
  EXPECT_EQ(grid.ColWidths(3), 50);
}

TEST_F(ScrolledGrid, CellsBeyondTheCountsSurvive) {
  grid.SetCells(8, 6, "eight");
  grid.SetCells(2, 7, "row seven");
  grid.SetObjects(9, 7, reinterpret_cast<TObject*>(0x10));
  grid.SetColCount(3);
  grid.SetRowCount(5);
  EXPECT_EQ(grid.Cells(8, 6), "eight");  // still readable by index
  grid.SetColCount(10);
  grid.SetRowCount(8);
  EXPECT_EQ(grid.Cells(8, 6), "eight");
  EXPECT_EQ(grid.Cells(2, 7), "row seven");
  EXPECT_EQ(grid.Objects(9, 7), reinterpret_cast<TObject*>(0x10));
  EXPECT_EQ(grid.ColWidths(8), 50);  // a column that came back takes the default width
  grid.SetObjects(9, 7, nullptr);
}

TEST_F(ScrolledGrid, CountChangesPullTheCursorBack) {
  grid.SetCol(9);
  grid.SetRow(7);
  grid.SetColCount(6);
  grid.SetRowCount(4);
  EXPECT_EQ(grid.Col(), 5);
  EXPECT_EQ(grid.Row(), 3);
  EXPECT_LE(grid.TopRow(), 3);
}

TEST_F(ScrolledGrid, PaintCallsDrawCellOncePerVisibleCellWithItsState) {
  grid.SetSelection(TGridRect{4, 3, 5, 4});
  grid.PaintOnce();
  // fixed corner 2, fixed row 5 (4..8), fixed columns 2 x 5, scrolled 5 x 5
  EXPECT_EQ(grid.drawn.size(), 2u + 5u + 10u + 25u);
  for (const auto& [cell, d] : grid.drawn) {
    auto [c, r] = cell;
    EXPECT_EQ(d.count, 1) << c << "," << r;
    EXPECT_TRUE(c < 2 || (c >= 4 && c <= 8)) << c;
    EXPECT_TRUE(r < 1 || (r >= 3 && r <= 7)) << r;
    const bool fixed = c < 2 || r < 1;
    const bool selected = !fixed && c >= 4 && c <= 5 && r >= 3 && r <= 4;
    EXPECT_EQ(d.state.Contains(gdFixed), fixed) << c << "," << r;
    EXPECT_EQ(d.state.Contains(gdSelected), selected) << c << "," << r;
    EXPECT_FALSE(d.state.Contains(gdFocused)) << "the grid has no focus";
  }
  EXPECT_EQ(grid.Col(), 5);  // the selection's bottom-right is the current cell
  EXPECT_EQ(grid.Row(), 4);
  EXPECT_EQ((grid.drawn[{8, 3}].rect), Rect(276, 21, 326, 46));  // whole rectangle, painted clipped
}

TEST_F(ScrolledGrid, KeysMoveAndScroll) {
  grid.SetCol(7);
  grid.SetRow(7);
  grid.Press(VK_RIGHT);  // onto the cut column 8: scrolls it into view
  EXPECT_EQ(grid.Col(), 8);
  EXPECT_EQ(grid.LeftCol(), 5);
  grid.Press(VK_HOME);
  EXPECT_EQ(grid.Col(), 2);
  EXPECT_EQ(grid.LeftCol(), 2);
  grid.Press(VK_END, {ssCtrl});
  EXPECT_EQ(grid.Col(), 9);
  EXPECT_EQ(grid.Row(), 7);
  grid.Press(VK_LEFT, {ssShift});  // extends the selection from the anchor
  EXPECT_EQ(grid.Selection(), (TGridRect{8, 7, 9, 7}));
}

TEST_F(ScrolledGrid, MovingAColumnTakesWidthCellsAndCursor) {
  grid.SetColWidths(3, 11);
  grid.SetCells(3, 1, "c");
  grid.SetCol(3);
  int from = -1, to = -1;
  grid.OnColumnMoved = [&](TObject*, int f, int t) { from = f, to = t; };
  grid.MoveColumn(3, 6);
  EXPECT_EQ(grid.ColWidths(6), 11);
  EXPECT_EQ(grid.Cells(6, 1), "c");
  EXPECT_EQ(grid.Col(), 6);
  EXPECT_EQ(from, 3);
  EXPECT_EQ(to, 6);
}

}  // namespace
