// Dragging a column or row header with the grid's own drag visuals: a
// translucent picture of the dragged cells, or else the drag button with the
// header text, the arrows mark the target, the release moves the column or row
// once; a refused target, the header's own place and a stopped drag move nothing.
#include <gtest/gtest.h>

#include <QImage>

#include "grid/view/drag_settings.h"
#include "grid/view/scroll_control.h"
#include "platform/ui/popup_window.h"
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
    if (TPopupWindow* f = g->MoveForm()) {
      seenPicture = f->Visible() && f->TopMost() && !f->TakesMouse();
      picture = f->LayeredImage();
      opacity = f->LayeredOpacity();
    }
    caption = g->MoveButton() ? g->MoveButton()->Caption() : QString();
    cursor = g->Cursor();
    MouseRelease(g, b.X, b.Y);
    ProcessEvents();
  }
  bool seenButton = false;
  bool seenPicture = false;
  QImage picture;
  int opacity = 0;
  QString caption;
  TCursor cursor = crDefault;
};

TEST(HeaderDrag, ColumnMovesOnceWithTheButtonShown) {
  DragGrid t;
  t.g->DragDropSettings()->ShowCells = false;
  QStringList moving;
  int moved = 0;
  t.g->OnColumnMoving = [&](TObject*, int c, bool&) { moving << QString::number(c); };
  t.g->OnColumnMoved = [&](TObject*, int, int) { ++moved; };
  t.Drag(1, 0, 4, 0);
  EXPECT_TRUE(t.seenButton);
  EXPECT_FALSE(t.seenPicture);
  EXPECT_EQ(t.caption, "h1");
  EXPECT_EQ(t.cursor, crDrag);
  EXPECT_EQ(moving.last(), "4");
  EXPECT_EQ(moved, 1);
  EXPECT_EQ(t.Headers(), "h0 h2 h3 h4 h1 h5");
  EXPECT_FALSE(t.g->MoveButton()->Visible());
  EXPECT_NE(t.g->Cursor(), crDrag);
}

// The default look: a translucent picture of the whole shown column follows the
// mouse instead of the button, and goes with the release.
TEST(HeaderDrag, ColumnDragShowsAPictureOfTheColumn) {
  DragGrid t;
  t.g->SetColWidths(1, 70);
  t.g->SetColors(1, 3, clRed);
  const TRect first = t.g->CalcCellRect(1, 0), last = t.g->CalcCellRect(1, 7), red = t.g->CalcCellRect(1, 3);
  t.Drag(1, 0, 4, 0);
  EXPECT_TRUE(t.seenPicture);
  EXPECT_FALSE(t.seenButton);
  EXPECT_EQ(t.opacity, 192);
  // Column 1 over every row shown (rows 0 to 7), inside the grid lines.
  ASSERT_EQ(t.picture.width(), last.Right - first.Left + 1);
  ASSERT_EQ(t.picture.height(), last.Bottom - first.Top + 1);
  EXPECT_EQ(t.picture.pixelColor(10, red.Top + 5 - first.Top), QColor(Qt::red));
  EXPECT_NE(t.picture.pixelColor(10, first.Top + 5), QColor(Qt::red));
  EXPECT_EQ(t.g->MoveForm(), nullptr);
  EXPECT_EQ(t.Headers(), "h0 h2 h3 h4 h1 h5");
}

TEST(HeaderDrag, SelectionPictureIsTheSameWhicheverCornerComesFirst) {
  DragGrid t;
  t.g->SetColors(2, 2, clBlue);
  const QImage a = t.g->SelectionToForm({1, 1, 3, 4})->LayeredImage();
  const QImage b = t.g->SelectionToForm({3, 4, 1, 1})->LayeredImage();
  ASSERT_FALSE(a.isNull());
  EXPECT_EQ(a, b);
  const TRect r = t.g->CalcCellRect(1, 1), blue = t.g->CalcCellRect(2, 2);
  EXPECT_EQ(a.pixelColor(blue.Left - r.Left + 5, blue.Top - r.Top + 5), QColor(Qt::blue));
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
