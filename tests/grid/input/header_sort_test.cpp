// Sorting by clicking a header of the sort row with the mouse: the first click
// sorts ascending and shows the up glyph, the second descending, with UndoSort
// the third brings back the unsorted order; OnCanSort may refuse, and clicks
// outside the sort row sort nothing.
#include <gtest/gtest.h>

#include "grid/data/sort_settings.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"
#include "tests/grid/input/keys_grid_fixture.h"
#include "tests/support/shown_pixels.h"

namespace {

struct SortGrid : InputGrid {
  SortGrid() : InputGrid(4, 6) {
    const char* values[] = {"c", "a", "e", "b", "d"};
    for (int r = 1; r <= 5; ++r) {
      g->SetCells(1, r, values[r - 1]);
      g->SetCells(2, r, QString::number(6 - r));
    }
    g->SetCells(1, 0, "Name");
    g->SetCells(2, 0, "Number");
    g->SortSettings()->SetShow(true);
    // Plain coloured glyphs, easy to find on the screen.
    TBitmap up(8, 8), down(8, 8);
    up.Canvas()->Brush()->SetColor(clRed);
    up.Canvas()->FillRect(Rect(0, 0, 8, 8));
    down.Canvas()->Brush()->SetColor(clBlue);
    down.Canvas()->FillRect(Rect(0, 0, 8, 8));
    // The bottom-left pixel is the glyphs' transparent colour.
    up.Canvas()->SetPixel(0, 7, clWhite);
    down.Canvas()->SetPixel(0, 7, clWhite);
    g->SortSettings()->SetUpGlyph(&up);
    g->SortSettings()->SetDownGlyph(&down);
  }
  QString Column(int c) {
    QString out;
    for (int r = 1; r <= 5; ++r) out += g->Cells(c, r);
    return out;
  }
  void ClickHeader(int c, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    const TPoint p = Centre(c, 0);
    MousePress(g, p.X, p.Y, Qt::LeftButton, mods);
    MouseRelease(g, p.X, p.Y, Qt::LeftButton, mods);
    ProcessEvents();
  }
  // Whether the header cell of column c shows the colour anywhere.
  bool HeaderShows(int c, TColor color) {
    g->Repaint();
    ProcessEvents();
    const TRect r = g->CellRect(c, 0);
    std::vector<TPoint> points;
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x) points.push_back({x, y});
    for (TColor shown : ShownPixels(g, points))
      if (shown == color) return true;
    return false;
  }
};

TEST(HeaderSort, ClicksSortUpDownAndShowTheGlyph) {
  SortGrid t;
  int clicked = -1;
  t.g->OnClickSort = [&](TObject*, int col) { clicked = col; };
  EXPECT_FALSE(t.HeaderShows(1, clRed));
  t.ClickHeader(1);
  EXPECT_EQ(t.Column(1), "abcde");
  EXPECT_EQ(clicked, 1);
  EXPECT_TRUE(t.HeaderShows(1, clRed));
  EXPECT_FALSE(t.HeaderShows(2, clRed));
  t.ClickHeader(1);
  EXPECT_EQ(t.Column(1), "edcba");
  EXPECT_TRUE(t.HeaderShows(1, clBlue));
  EXPECT_FALSE(t.HeaderShows(1, clRed));
  // Another column starts ascending again.
  t.ClickHeader(2);
  EXPECT_EQ(t.Column(2), "12345");
  EXPECT_EQ(t.g->SortSettings()->Column, 2);
}

TEST(HeaderSort, ThirdClickUndoesWithUndoSort) {
  SortGrid t;
  t.g->SortSettings()->UndoSort = true;
  t.ClickHeader(1);
  t.ClickHeader(1);
  EXPECT_EQ(t.Column(1), "edcba");
  t.ClickHeader(1);
  EXPECT_EQ(t.Column(1), "caebd");
  EXPECT_EQ(t.g->SortSettings()->Column, -1);
}

TEST(HeaderSort, ShiftClicksBuildTheSortIndexList) {
  SortGrid t;
  t.g->SortSettings()->IndexShow = true;
  // Equal names in column 1, so that column 2 decides within them.
  const char* names[] = {"x", "y", "x", "y", "x"};
  for (int r = 1; r <= 5; ++r) t.g->SetCells(1, r, names[r - 1]);
  t.ClickHeader(1);
  EXPECT_EQ(t.g->SortSettings()->SaveToString(), "i;u1");
  EXPECT_EQ(t.Column(1), "xxxyy");
  t.ClickHeader(2, Qt::ShiftModifier);
  EXPECT_EQ(t.g->SortSettings()->SaveToString(), "i;u1;u2");
  EXPECT_EQ(t.Column(2), "13524");
  // Shift on a column of the list turns its direction.
  t.ClickHeader(2, Qt::ShiftModifier);
  EXPECT_EQ(t.g->SortSettings()->SaveToString(), "i;u1;d2");
  EXPECT_EQ(t.Column(2), "53142");
  // A click without Shift starts the list again with that column.
  t.ClickHeader(2);
  EXPECT_EQ(t.g->SortSettings()->SaveToString(), "i;u2");
  EXPECT_EQ(t.Column(2), "12345");
  EXPECT_EQ(t.g->SortSettings()->Column, 2);
}

TEST(HeaderSort, RefusedOrOutsideTheSortRowSortsNothing) {
  SortGrid t;
  t.g->OnCanSort = [](TObject*, int col, bool& allow) { allow = col != 1; };
  t.ClickHeader(1);
  EXPECT_EQ(t.Column(1), "caebd");
  const TPoint p = t.Centre(1, 2);
  MouseClick(t.g, p.X, p.Y);
  ProcessEvents();
  EXPECT_EQ(t.Column(1), "caebd");
  t.g->SortSettings()->SetShow(false);
  t.ClickHeader(2);
  EXPECT_EQ(t.Column(2), "54321");
}

}  // namespace
