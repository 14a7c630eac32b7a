// Scrolling arithmetic and positions: scroll hints, flat thumb correction,
// proportional thumbs, sizing borders and scrolling while dragging.
#include <gtest/gtest.h>

#include "grid/view/ex_string_grid.h"

namespace {

TEST(SizingScroll, Arithmetic) {
  EXPECT_EQ(TExStringGrid::ScrollHintIndex(127, 20, 5, 1), 15);
  EXPECT_EQ(TExStringGrid::ScrollHintIndex(0, 20, 5, 1), 1);
  EXPECT_EQ(TExStringGrid::FlatThumbPosition(60, 4, 16), 79);
  const TProportionalThumb t = TExStringGrid::ProportionalThumb(65, 1000, 0, 400, 0, false);
  EXPECT_TRUE(t.Apply);
  EXPECT_EQ(t.Max, 191);
  EXPECT_EQ(t.Page, 65);
  EXPECT_FALSE(TExStringGrid::ProportionalThumb(65, 300, 0, 400, 0, false).Apply);  // everything fits
}

TEST(SizingScroll, ThumbTrackHintAndSynchronousScroll) {
  TExStringGrid g(nullptr);
  g.SetColCount(20);
  g.ScrollHints = shBoth;
  g.ScrollSynch = true;
  int hinted = -1;
  g.OnScrollHint = [&](TObject*, int index, QString&) { hinted = index; };
  TMessage m;
  m.Msg = WM_HSCROLL;
  m.WParam = SB_THUMBTRACK | (7 << 16);
  g.Perform(m.Msg, m.WParam, 0);
  EXPECT_EQ(hinted, 7);
  EXPECT_EQ(g.LastScrollHint, "Col : 7");
  EXPECT_TRUE(g.ScrollHintShowing());
  EXPECT_EQ(g.LeftCol(), 7);
  g.Perform(WM_HSCROLL, SB_ENDSCROLL, 0);
  EXPECT_FALSE(g.ScrollHintShowing());
}

TEST(SizingScroll, SizingBorders) {
  TExStringGrid g(nullptr);
  g.SetOptions(g.Options() + goColSizing);
  const TRect header = g.CellRect(2, 0), cell = g.CellRect(2, 3);
  EXPECT_TRUE(g.IsOnSizingBorder(header.Right - 2, header.Top + 5));
  EXPECT_FALSE(g.IsOnSizingBorder(header.Left + 10, header.Top + 5));
  EXPECT_FALSE(g.IsOnSizingBorder(cell.Right - 1, cell.Top + 5));  // not in a header row
  EXPECT_FALSE(g.IsOnSizingBorder(5000, 5000));
}

TEST(SizingScroll, DragScrollingInTheMargins) {
  TExStringGrid g(nullptr);
  g.SetRowCount(50);
  g.DragScrollOptions()->Active = true;
  g.DragScrollOver(200, g.Height() - 5, false);
  EXPECT_TRUE(g.DragScrolling());
  const int top = g.TopRow();
  g.DragScrollTick();
  EXPECT_EQ(g.TopRow(), top + 1);
  bool asked = false;
  g.OnDragScroll = [&](TObject*, int, int, TDragScrollDirection&, bool& can) {
    asked = true;
    can = false;
  };
  g.DragScrollTick();
  EXPECT_TRUE(asked);
  EXPECT_EQ(g.TopRow(), top + 1);
  g.DragScrollOver(200, 100, false);  // back in the middle
  EXPECT_FALSE(g.DragScrolling());
}

}  // namespace
