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

namespace {

// The header of one column as text: '#' black, 'g' the glyphs' grey, '.' any
// other colour; the cell's own edge lines (the last two columns and rows) left out.
std::vector<QString> HeaderPicture(InputGrid& t, int c) {
  t.g->Repaint();
  ProcessEvents();
  const TRect r = t.g->CellRect(c, 0);
  std::vector<QString> lines;
  for (int y = r.Top; y < r.Bottom - 2; ++y) {
    std::vector<TPoint> points;
    for (int x = r.Left; x < r.Right - 2; ++x) points.push_back({x, y});
    QString line;
    for (TColor shown : ShownPixels(t.g, points)) line += shown == 0 ? u'#' : shown == 0x808080 ? u'g' : u'.';
    lines.push_back(line);
  }
  return lines;
}

// The leftmost and rightmost column holding a mark, -1 when none.
std::pair<int, int> Span(const std::vector<QString>& lines, QChar mark) {
  int from = -1, to = -1;
  for (const QString& l : lines)
    for (int x = 0; x < l.size(); ++x)
      if (l[x] == mark) {
        from = from < 0 ? x : std::min(from, x);
        to = std::max(to, x);
      }
  return {from, to};
}

// Without glyph bitmaps the sort glyph is the grey outline triangle, drawn
// right of the header's text (not over it), 8 pixels wide.
TEST(HeaderSort, DefaultGlyphStandsRightOfTheText) {
  InputGrid t(4, 6);
  for (int r = 1; r <= 5; ++r) t.g->SetCells(1, r, QString::number(6 - r));
  t.g->SetCells(1, 0, "Name");
  t.g->SetColWidths(1, 120);
  t.g->SortSettings()->SetShow(true);
  EXPECT_EQ(Span(HeaderPicture(t, 1), u'g').first, -1);
  const TPoint p = t.Centre(1, 0);
  MousePress(t.g, p.X, p.Y, Qt::LeftButton);
  MouseRelease(t.g, p.X, p.Y, Qt::LeftButton);
  ProcessEvents();
  ASSERT_EQ(t.g->SortSettings()->Column, 1);
  const std::vector<QString> header = HeaderPicture(t, 1);
  const auto text = Span(header, u'#'), glyph = Span(header, u'g');
  ASSERT_GE(text.first, 0);
  ASSERT_GE(glyph.first, 0);
  EXPECT_GT(glyph.first, text.second + 2);
  EXPECT_LE(glyph.second - glyph.first, 8);
  EXPECT_GE(glyph.second - glyph.first, 4);
}

// A column whose item has filter lines shows the filter button (the funnel at
// the header's right edge); a column without shows none, even with the
// automatic filter lists on (the column grid's rule).
TEST(HeaderSort, FilterButtonsInTheFilterRow) {
  InputGrid t(4, 6);
  for (int r = 1; r <= 5; ++r) t.g->SetCells(1, r, QString::number(r));
  t.g->FilterDropDownAuto = true;
  t.g->Columns()->Items(2)->Filter()->Add("Low=< 3");
  auto funnel = [&](int c) {  // black pixels in the header's last 16 columns
    const std::vector<QString> header = HeaderPicture(t, c);
    int dark = 0;
    for (const QString& l : header)
      for (int x = std::max(0, int(l.size()) - 14); x < l.size(); ++x) dark += l[x] == u'#';
    return dark;
  };
  EXPECT_GT(funnel(2), 10);
  EXPECT_EQ(funnel(1), 0);
  EXPECT_EQ(funnel(3), 0);
}

}  // namespace
