// The cell advance that Enter and the in-place editors use: the end of a row,
// the loop back to the first cell, merged blocks, a refused advance, and
// Escape's path past the class library's key handling.
#include <gtest/gtest.h>

#include "grid/view/ex_string_grid.h"

namespace {

struct TAdvanceGrid {
  TExStringGrid g{nullptr};
  TAdvanceGrid() {
    g.Navigation()->AdvanceOnEnter = true;
    g.SetOptions(g.Options() + goEditing);
  }
  TGridCoord Advance(int col, int row) {
    g.SetCol(col);
    g.SetRow(row);
    g.AdvanceCell(col, row, false, false, true, false, false);
    return {g.Col(), g.Row()};
  }
};

TEST(KeyAdvance, ForwardLeftToRight) {
  TAdvanceGrid a;
  EXPECT_EQ(a.Advance(2, 3), (TGridCoord{3, 3}));
  EXPECT_EQ(a.Advance(4, 3), (TGridCoord{1, 4}));  // the end of the row: the next row's first column
  EXPECT_EQ(a.Advance(4, 9), (TGridCoord{1, 1}));  // the last cell loops to the first
  a.g.Navigation()->AdvanceOnEnterLoop = false;
  EXPECT_EQ(a.Advance(4, 9), (TGridCoord{4, 9}));  // without loop and insert it stays
}

TEST(KeyAdvance, MergedBlockIsSteppedOver) {
  TAdvanceGrid a;
  a.g.SetColCount(6);
  a.g.MergeCells(2, 3, 2, 1);
  EXPECT_EQ(a.Advance(2, 3), (TGridCoord{4, 3}));
}

TEST(KeyAdvance, RefusedAdvanceKeepsTheCursor) {
  TAdvanceGrid a;
  a.g.OnAutoAdvance = [](TObject*, int, int, int&, int&, bool& allow) { allow = false; };
  EXPECT_EQ(a.Advance(2, 3), (TGridCoord{2, 3}));
}

TEST(KeyAdvance, OffWithoutTheNavigationSettingUnlessForced) {
  TAdvanceGrid a;
  a.g.Navigation()->AdvanceOnEnter = false;
  EXPECT_EQ(a.Advance(2, 3), (TGridCoord{2, 3}));
  a.g.AdvanceCell(2, 3, true, false, true, false, false);
  EXPECT_EQ(a.g.Col(), 3);
}

// The grid's key press made callable.
struct TKeyGrid : TExStringGrid {
  using TExStringGrid::TExStringGrid;
  using TExStringGrid::KeyPress;
};

TEST(KeyAdvance, EscapeAndEnterOnALockedCellRaiseOnKeyPressOnce) {
  TKeyGrid g(nullptr);
  int presses = 0;
  g.OnKeyPress = [&](TObject*, QChar&) { ++presses; };
  QChar key(27);
  g.KeyPress(key);
  EXPECT_EQ(presses, 1);
  // Enter on a cell that cannot be edited is swallowed after the event.
  QChar enter(13);
  g.KeyPress(enter);
  EXPECT_EQ(presses, 2);
  EXPECT_EQ(enter, QChar(0));
}

}  // namespace
