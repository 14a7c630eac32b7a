// The cell advance that Enter and the in-place editors use: the end of a row,
// the loop back to the first cell, merged blocks, a refused advance, and
// Escape's path past the class library's key handling.
#include <gtest/gtest.h>

#include "grid/view/ex_string_grid.h"
#include "platform/ui/form.h"

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

// The advance asks OnCellChanging once, for its target, never for the cell the
// cursor passes on its way there (column first, then row); a refusal keeps the
// cursor where it was.
TEST(KeyAdvance, CellChangingOnceForTheTarget) {
  struct Case {
    const char* name;
    int col, row;
    bool allow;
    const char* asked;  // OnCellChanging calls: old row,col > new row,col
    TGridCoord cursor;
  } cases[] = {
      {"to the next row", 4, 3, true, "3,4>4,1", {1, 4}},
      {"within the row", 2, 3, true, "3,2>3,3", {3, 3}},
      {"refused", 4, 3, false, "3,4>4,1", {4, 3}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TAdvanceGrid a;
    TForm form(nullptr);  // a grid on a form asks its change events at every move
    a.g.SetParent(&form);
    a.g.SetCol(c.col);
    a.g.SetRow(c.row);
    QStringList asked;
    a.g.OnCellChanging = [&](TObject*, int oldRow, int oldCol, int newRow, int newCol, bool& allow) {
      asked << QStringLiteral("%1,%2>%3,%4").arg(oldRow).arg(oldCol).arg(newRow).arg(newCol);
      allow = c.allow;
    };
    a.g.AdvanceCell(c.col, c.row, false, false, true, false, false);
    EXPECT_EQ(asked.join(u'|'), QString::fromLatin1(c.asked));
    EXPECT_EQ((TGridCoord{a.g.Col(), a.g.Row()}), c.cursor);
    // Moves of the grid's own keep asking.
    asked.clear();
    a.g.SetRow(5);
    EXPECT_EQ(asked.size(), 1);
    a.g.SetParent(nullptr);
  }
}

// With a hidden column the advance steps over display columns and asks the
// can-edit hook by real column.
TEST(KeyAdvance, HiddenColumnsAdvanceByDisplayColumn) {
  TAdvanceGrid a;
  a.g.SetColCount(6);
  a.g.HideColumn(2);  // display column 2 is real column 3
  QStringList asked;
  a.g.OnCanEditCell = [&](TObject*, int r, int c, bool& can) {
    asked << QStringLiteral("%1,%2").arg(c).arg(r);
    can = c != 3;
  };
  a.g.Navigation()->AdvanceSkipReadOnlyCells = true;
  EXPECT_EQ(a.Advance(1, 3), (TGridCoord{3, 3}));  // past display column 2, which cannot be edited
  EXPECT_EQ(asked.value(0), "3,3");
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
