// Dragging a column or row header with the grid's own drag visuals: the drag
// button carries the header text, the arrows mark the target, the release moves
// the column or row once; a refused target, the header's own place and a
// stopped drag move nothing.
#include <gtest/gtest.h>

#include "grid/view/scroll_control.h"
#include "platform/ui/control.h"
#include "tests/grid/input/keys_grid_fixture.h"

namespace {

struct DragGrid : InputGrid {
  DragGrid() {
    g->SetOptions(g->Options() + goColMoving + goRowMoving);
    g->EnhRowColMove = true;
    for (int c = 0; c < g->ColCount(); ++c) g->SetCells(c, 0, QStringLiteral("h%1").arg(c));
    for (int r = 1; r < g->RowCount(); ++r) g->SetCells(0, r, QStringLiteral("r%1").arg(r));
  }
  QString Headers() const {
    QStringList out;
    for (int c = 0; c < g->ColCount(); ++c) out << g->Cells(c, 0);
    return out.join(u' ');
  }
  // Presses on cell (c1, r1), moves over (c2, r2) and releases there.
  void Drag(int c1, int r1, int c2, int r2) {
    const TPoint a = Centre(c1, r1), b = Centre(c2, r2);
    MousePress(g, a.X, a.Y);
    MouseMoveTo(g, (a.X + b.X) / 2, (a.Y + b.Y) / 2, Qt::LeftButton);
    MouseMoveTo(g, b.X, b.Y, Qt::LeftButton);
    ProcessEvents();
    seenButton = g->MoveButton() && g->MoveButton()->Visible();
    caption = g->MoveButton() ? g->MoveButton()->Caption() : QString();
    cursor = g->Cursor();
    MouseRelease(g, b.X, b.Y);
    ProcessEvents();
  }
  bool seenButton = false;
  QString caption;
  TCursor cursor = crDefault;
};

TEST(HeaderDrag, ColumnMovesOnceWithTheButtonShown) {
  DragGrid t;
  QStringList moving;
  int moved = 0;
  t.g->OnColumnMoving = [&](TObject*, int c, bool&) { moving << QString::number(c); };
  t.g->OnColumnMoved = [&](TObject*, int, int) { ++moved; };
  t.Drag(1, 0, 4, 0);
  EXPECT_TRUE(t.seenButton);
  EXPECT_EQ(t.caption, "h1");
  EXPECT_EQ(t.cursor, crDrag);
  EXPECT_EQ(moving.last(), "4");
  EXPECT_EQ(moved, 1);
  EXPECT_EQ(t.Headers(), "h0 h2 h3 h4 h1 h5");
  EXPECT_FALSE(t.g->MoveButton()->Visible());
  EXPECT_NE(t.g->Cursor(), crDrag);
}

TEST(HeaderDrag, RefusedTargetsAndStoppedDragsMoveNothing) {
  struct Case {
    const char* what;
    std::function<void(DragGrid&)> setup;
    int from, to;
  } cases[] = {
      {"refused target",
       [](DragGrid& t) { t.g->OnColumnMoving = [](TObject*, int c, bool& allow) { allow = c != 4; }; }, 1, 4},
      {"back over its own column", [](DragGrid&) {}, 2, 2},
      {"stopped by OnColumnMove",
       [](DragGrid& t) { t.g->OnColumnMove = [](TObject*, int, bool& allow) { allow = false; }; }, 1, 4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    DragGrid t;
    c.setup(t);
    t.Drag(c.from, 0, c.to, 0);
    EXPECT_EQ(t.Headers(), "h0 h1 h2 h3 h4 h5");
  }
}

TEST(HeaderDrag, RowMovesByItsFixedCell) {
  DragGrid t;
  int from = -1, to = -1;
  t.g->OnRowMoved = [&](TObject*, int f, int tt) {
    from = f;
    to = tt;
  };
  t.Drag(0, 2, 0, 5);
  EXPECT_EQ(t.caption, "r2");
  EXPECT_EQ(from, 2);
  EXPECT_EQ(to, 5);
  EXPECT_EQ(t.g->Cells(0, 5), "r2");
  EXPECT_EQ(t.g->Cells(0, 2), "r3");
}

}  // namespace
