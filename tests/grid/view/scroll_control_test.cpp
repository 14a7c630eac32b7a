// The grid-drawn thin scroll bars: the thumb arithmetic (place, least length,
// pulled back at the end, none without rows to scroll), paging and dragging on
// a shown grid, the bars following ScrollType, and the header drag button.
#include <gtest/gtest.h>

#include <QImage>
#include <QWidget>

#include "grid/view/scroll_control.h"
#include "platform/ui/bitmap.h"
#include "tests/grid/input/keys_grid_fixture.h"

namespace {

TEST(ScrollThumb, PlaceAndLength) {
  struct Case {
    const char* what;
    TScrollAxis axis;
    bool has;
    int pos, length;
    bool shown;
  } cases[] = {
      // 100 rows, 1 fixed, 10 visible, a 200-pixel track under a 22-pixel fixed row.
      {"top", {222, 22, 0, 1, 1, 100, 10, 22}, true, 22, 20, true},
      {"middle", {222, 22, 0, 50, 1, 100, 10, 22}, true, 121, 20, true},
      {"a long thumb", {222, 22, 0, 1, 1, 100, 50, 22}, true, 22, 100, true},
      {"pulled back at the end", {222, 22, 0, 99, 1, 100, 10, 22}, true, 202, 20, true},
      {"footer rows shorten the track", {222, 22, 20, 1, 1, 100, 90, 22}, true, 22, 162, true},
      {"halves round to even", {106, 0, 0, 1, 0, 4, 1, 0}, true, 26, 26, true},
      {"all rows fit: no thumb shown", {222, 22, 0, 1, 1, 5, 4, 22}, true, 22, 160, false},
      {"no rows to scroll", {222, 22, 0, 1, 1, 1, 0, 22}, false, 0, 0, false},
      {"no rows at all", {222, 0, 0, 0, 0, 0, 0, 0}, false, 0, 0, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const auto t = ScrollThumb(c.axis);
    ASSERT_EQ(t.has_value(), c.has);
    if (t) {
      EXPECT_EQ(t->Pos, c.pos);
      EXPECT_EQ(t->Length, c.length);
    }
    EXPECT_EQ(ScrollThumbShown(c.axis), c.shown);
  }
}

TEST(ScrollThumb, PagingAndDragging) {
  const TScrollAxis a{222, 22, 0, 5, 1, 100, 10, 22};
  EXPECT_EQ(ScrollPageBack(a), 1);
  EXPECT_EQ(ScrollPageForward(a), 15);
  EXPECT_EQ(ScrollPageForward({222, 22, 0, 85, 1, 100, 10, 22}), 90);
  // 200 pixels of control below row 0 stand for 100 rows: 2 pixels a row.
  EXPECT_EQ(ScrollDragTarget(a, 20, 5), 15);
  EXPECT_EQ(ScrollDragTarget(a, -40, 5), 1);
  EXPECT_EQ(ScrollDragTarget(a, 400, 5), 90);
  // Nothing to scroll, or no room below row 0: the drag is ignored.
  EXPECT_FALSE(ScrollDragTarget({222, 22, 0, 1, 1, 1, 0, 22}, 20, 1));
  EXPECT_FALSE(ScrollDragTarget({22, 22, 0, 1, 1, 100, 10, 22}, 20, 1));
}

TEST(ScrollControls, FollowScrollTypeAndScrollTheGrid) {
  InputGrid t(6, 200);
  TExColumnGrid& g = *t.g;
  EXPECT_EQ(g.VertScrollControl(), nullptr);
  g.SetScrollType(ssMetro);
  ASSERT_NE(g.VertScrollControl(), nullptr);
  ASSERT_NE(g.HorzScrollControl(), nullptr);
  EXPECT_EQ(g.ScrollBars(), ssNone);
  TScrollControl& v = *g.VertScrollControl();
  EXPECT_EQ(v.Grid(), &g);
  EXPECT_EQ(v.Left(), g.Width() - 6);
  EXPECT_EQ(v.Width(), 6);
  EXPECT_EQ(v.Height(), g.Height());
  EXPECT_EQ(g.HorzScrollControl()->Top(), g.Height() - 6);
  EXPECT_EQ(v.ScrollWidth(), 4);
  EXPECT_EQ(v.Color(), TColor(0xC0C0C0));

  // A press below the thumb pages forward, above it back; the thumb drags.
  const int page = g.VisibleRowCount();
  const auto thumb = ScrollThumb(v.Axis());
  ASSERT_TRUE(thumb);
  MouseClick(&v, 2, v.Height() - 2);
  EXPECT_EQ(g.TopRow(), 1 + page);
  MouseClick(&v, 2, thumb->Pos / 2 + 1);
  EXPECT_EQ(g.TopRow(), 1);
  MousePress(&v, 2, thumb->Pos + 2);
  EXPECT_TRUE(v.Dragging());
  MouseMoveTo(&v, 2, thumb->Pos + 2 + (v.Height() - g.RowHeights(0)) / 4, Qt::LeftButton);
  EXPECT_EQ(g.TopRow(), 51);
  MouseRelease(&v, 2, thumb->Pos + 2);
  EXPECT_FALSE(v.Dragging());

  // The thumb is drawn in the control's colour over the grid.
  ProcessEvents();
  QImage shot = g.Widget()->grab().toImage();
  const auto now = ScrollThumb(v.Axis());
  ASSERT_TRUE(now);
  EXPECT_EQ(shot.pixel(v.Left() + 1, now->Pos + now->Length / 2) & 0xFFFFFF, 0xC0C0C0u);

  g.SetScrollType(ssNormal);
  EXPECT_EQ(g.VertScrollControl(), nullptr);
  EXPECT_EQ(g.ScrollBars(), ssBoth);
}

TEST(HeaderDragButton, MadeHiddenWithTheWindowAndDrawsItsCaption) {
  InputGrid t;
  THeaderDragButton* b = t.g->MoveButton();
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(b->Grid(), t.g);
  EXPECT_FALSE(b->Visible());
  EXPECT_FALSE(b->Enabled());
}

}  // namespace
