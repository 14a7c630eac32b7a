// What a move of the cursor tells and repaints besides the move itself: the row
// change (OnRowUpdate) however the cursor moved, the selection observer, and the
// rows marked by ActiveRowShow, which show the mark only where the cursor is.
#include <gtest/gtest.h>

#include <functional>

#include "platform/ui/edit.h"
#include "tests/grid/input/keys_grid_fixture.h"
#include "tests/support/shown_pixels.h"

namespace {

struct TRowLog {
  explicit TRowLog(InputGrid& t) {
    t.g->OnRowUpdate = [this](TObject*, int o, int n) { rows << QStringLiteral("%1>%2").arg(o).arg(n); };
  }
  QStringList rows;
};

TEST(SelectCellEvents, RowUpdateFollowsEveryWayTheRowChanges) {
  struct Case {
    const char* name;
    std::function<void(InputGrid&)> move;
    const char* rows;  // OnRowUpdate calls: old>new
  } cases[] = {
      {"Down key", [](InputGrid& t) { t.Key(Qt::Key_Down); }, "2>3"},
      {"Up key twice", [](InputGrid& t) { t.Key(Qt::Key_Up); t.Key(Qt::Key_Up); }, "2>1"},
      {"Right key keeps the row", [](InputGrid& t) { t.Key(Qt::Key_Right); }, ""},
      {"Ctrl+End", [](InputGrid& t) { t.Key(Qt::Key_End, Qt::ControlModifier); }, "2>7"},
      {"click in another row",
       [](InputGrid& t) {
         const TPoint p = t.Centre(3, 5);
         MouseClick(t.g, p.X, p.Y);
         ProcessEvents();
       },
       "2>5"},
      {"click in the same row", [](InputGrid& t) {
         const TPoint p = t.Centre(4, 2);
         MouseClick(t.g, p.X, p.Y);
         ProcessEvents();
       }, ""},
      {"Row setter", [](InputGrid& t) { t.g->SetRow(6); }, "2>6"},
  };
  InputGrid t;
  TRowLog log(t);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    t.Go(2, 2);
    ProcessEvents();
    log.rows.clear();
    c.move(t);
    EXPECT_EQ(log.rows.join(u'|'), QString::fromLatin1(c.rows));
  }
}

TEST(SelectCellEvents, RefusedMoveTellsNoRowChange) {
  InputGrid t;
  TRowLog log(t);
  t.Go(2, 2);
  log.rows.clear();
  t.g->OnSelectCell = [](TObject*, int, int r, bool& can) { can = r != 3; };
  t.Key(Qt::Key_Down);
  EXPECT_EQ(t.Cell(), QStringLiteral("2,2"));
  EXPECT_TRUE(log.rows.isEmpty());
  // The next move that happens reports the row the cursor really left.
  t.g->OnSelectCell = nullptr;
  t.Key(Qt::Key_Up);
  EXPECT_EQ(log.rows.join(u'|'), QStringLiteral("2>1"));
}

struct TObserver : ITExStringGridSelect {
  void SelectionChanged(int ACol, int ARow) override { cells << QStringLiteral("%1,%2").arg(ACol).arg(ARow); }
  QStringList cells;
};

TEST(SelectCellEvents, ObserverHearsOfEachCursorMove) {
  InputGrid t;
  t.Go(2, 2);
  TObserver observer;
  t.g->RegisterSelListener(&observer);
  t.Key(Qt::Key_Down);
  t.Key(Qt::Key_Right);
  // Told before the move: the current column, the target row.
  EXPECT_EQ(observer.cells.join(u'|'), QStringLiteral("2,3|2,3"));
  t.g->UnRegisterSelListener(&observer);
}

TEST(SelectCellEvents, ActiveRowMarkLeavesTheRowLeftBehind) {
  InputGrid t;
  t.g->SetActiveRowShow(true);
  t.g->SetActiveRowColor(clRed);
  t.g->SetActiveRowColorTo(clNone);
  t.Go(2, 2);
  ProcessEvents();
  auto shown = [&](int c, int r) {
    const TRect rc = t.g->CellRect(c, r);
    return ShownPixel(t.g, rc.Left + 3, rc.Bottom - 3);
  };
  ASSERT_EQ(shown(4, 2), clRed);  // the current row is marked
  t.Key(Qt::Key_Down);
  ProcessEvents();
  EXPECT_NE(shown(4, 2), clRed);  // the row left behind shows no mark
  EXPECT_EQ(shown(4, 3), clRed);
  // A click moves the mark the same way.
  const TPoint p = t.Centre(3, 6);
  MouseClick(t.g, p.X, p.Y);
  ProcessEvents();
  EXPECT_NE(shown(4, 3), clRed);
  EXPECT_EQ(shown(4, 6), clRed);
}

// The focus frame of a merged current cell goes round its whole block, and
// with the focus it goes from the whole block.
TEST(SelectCellEvents, MergedCurrentCellFollowsTheFocus) {
  InputGrid t;
  auto* other = new TEdit(t.form);
  other->SetParent(t.form);
  other->SetBounds(0, 490, 60, 8);
  t.g->MergeCells(2, 2, 2, 2);
  t.Go(2, 2);
  t.g->SetFocus();
  ProcessEvents();
  const TRect block = t.g->CellRect(2, 2);
  std::vector<TPoint> line;
  for (int x = block.Left + 2; x < block.Right - 2; ++x) line.push_back({x, block.Bottom - 2});
  auto frameRow = [&] { return ShownPixels(t.g, line); };
  const std::vector<TColor> focused = frameRow();
  other->SetFocus();
  ProcessEvents();
  const std::vector<TColor> unfocused = frameRow();
  EXPECT_NE(unfocused, focused);
  t.g->Repaint();
  EXPECT_EQ(frameRow(), unfocused);  // nothing of the frame was left behind
  t.g->SetFocus();
  ProcessEvents();
  EXPECT_EQ(frameRow(), focused);
}

}  // namespace
