// The cell store: covered cells reach their base, merge and split (with the
// guarded cases), the wide display hook, keys over merged blocks, span queries and
// geometry of blocks.
#include "grid/base/base_grid.h"

#include <gtest/gtest.h>

#include "grid/base/text_kinds.h"

namespace {

class StoreGrid : public TBaseGrid {
public:
  explicit StoreGrid(int hiddenCols = 0) : TBaseGrid(nullptr), hidden(hiddenCols) {
    SetScrollBars(ssNone);
    SetBounds(0, 0, 600, 300);
    SetColCount(8);
    SetRowCount(8);
    NormalRowCount = 8;
  }
  std::vector<std::pair<int, int>> changed;
  int hidden;
  void Press(int key) { KeyDown(key, {}); }

protected:
  void CellChanged(int ACol, int ARow) override { changed.emplace_back(ACol, ARow); }
  int TotalColCount() const override { return ColCount() + hidden; }
};

TEST(BaseGridStore, CoveredCellsReadAndWriteTheBase) {
  StoreGrid g;
  g.SetCellEx(2, 2, "base");
  g.MergeCells(2, 2, 2, 3);
  EXPECT_EQ(g.GetCellEx(3, 4), "base");
  g.SetCellEx(3, 4, "new");
  EXPECT_EQ(g.GetGridCell(2, 2), "new");
  EXPECT_EQ(g.GetGridCell(3, 4), "");  // the covered cell's own entry is untouched
  EXPECT_EQ(g.changed, (std::vector<std::pair<int, int>>{{2, 2}}));
  g.changed.clear();
  g.SetCellEx(6, 6, "plain");
  EXPECT_TRUE(g.changed.empty());
  EXPECT_FALSE(g.CellHasProperties(6, 6));
}

TEST(BaseGridStore, MergeCases) {
  struct Case {
    const char* what;
    int c, r, sx, sy;
    int mergeCount;
    TPoint spanOfBase;       // CellSpan of (c, r) afterwards
    bool lastCellCovered;    // is (c+1, r+1) a covered cell afterwards
  } cases[] = {
      {"2 x 2", 1, 1, 2, 2, 1, Point(1, 1), true},
      {"1 x 1: properties, no span", 1, 1, 1, 1, 1, Point(0, 0), false},
      {"zero width: nothing", 1, 1, 0, 3, 0, Point(0, 0), false},
      {"negative height: nothing", 1, 1, 3, -2, 0, Point(0, 0), false},
      {"clipped to the grid", 6, 6, 5, 9, 1, Point(1, 1), true},
      {"base outside the grid: nothing", 8, 1, 2, 2, 0, Point(0, 0), false},
  };
  for (const auto& c : cases) {
    StoreGrid g;
    g.MergeCells(c.c, c.r, c.sx, c.sy);
    EXPECT_EQ(g.MergeCount, c.mergeCount) << c.what;
    EXPECT_EQ(g.CellSpan(c.c, c.r), c.spanOfBase) << c.what;
    EXPECT_EQ(g.IsMergedNonBaseCell(c.c + 1, c.r + 1), c.lastCellCovered) << c.what;
    EXPECT_FALSE(g.IsMergedCell(c.c, c.r) && c.spanOfBase == Point(0, 0)) << c.what;
  }
  StoreGrid g;
  g.MergeCells(6, 6, 5, 9);
  EXPECT_FALSE(g.CellHasProperties(8, 8));  // nothing beyond the grid
  EXPECT_EQ(g.CellRect(7, 7), g.CellRect(6, 6));
}

TEST(BaseGridStore, MergingOverABlockSplitsItFirst) {
  StoreGrid g;
  g.SetCellEx(1, 1, "first");
  g.SetGridCell(1, 2, "own text");
  g.MergeCells(1, 1, 2, 2);
  g.MergeCells(2, 2, 2, 2);
  EXPECT_EQ(g.MergeCount, 1);
  EXPECT_EQ(g.GetCellEx(1, 2), "own text");  // no longer pointing at (1, 1)
  EXPECT_FALSE(g.IsMergedCell(1, 1));
  EXPECT_EQ(g.BaseCell(3, 3), Point(2, 2));
  EXPECT_EQ(g.CellSpan(2, 2), Point(1, 1));
}

TEST(BaseGridStore, SplitCases) {
  StoreGrid g;
  g.MergeCells(1, 1, 3, 2);
  g.SplitCells(3, 2);  // any cell of the block
  EXPECT_EQ(g.MergeCount, 0);
  for (int c = 1; c <= 3; ++c)
    for (int r = 1; r <= 2; ++r) {
      EXPECT_TRUE(g.IsBaseCell(c, r));
      EXPECT_EQ(g.GetCellProperties(c, r)->CellSpanX, -1);
      EXPECT_EQ(g.GetCellProperties(c, r)->CellSpanY, -1);
    }
  g.SplitCells(5, 5);  // never merged
  g.SplitCells(1, 1);  // already split
  g.SplitCells(99, 1);
  EXPECT_EQ(g.MergeCount, 0);
  EXPECT_FALSE(g.CellHasProperties(5, 5));
  g.MergeCells(4, 4, 1, 1);
  g.SplitCells(4, 4);
  EXPECT_EQ(g.MergeCount, 0);
}

TEST(BaseGridStore, WideHookPacksOnlyNormalRows) {
  StoreGrid g;
  g.NormalRowCount = 5;
  g.SetCellEx(1, 2, "abc");
  g.SetCellEx(1, 6, "abc");
  g.OnGetDisplWideText = [](TObject*, int, int, QString&) {};
  EXPECT_EQ(g.GetCellEx(1, 2), EncodeWideCellText("abc"));
  EXPECT_EQ(g.GetCellEx(1, 2).size(), 8);
  EXPECT_EQ(g.GetCellEx(1, 6), "abc");
  g.OnGetDisplWideText = [](TObject*, int, int, QString& v) { v += "!"; };
  g.SetCellEx(1, 3, EncodeWideCellText("xy"));
  EXPECT_EQ(DecodeWideCellText(g.GetCellEx(1, 3)), "xy!");
}

TEST(BaseGridStore, ArrowKeysOverAMergedBlockEndOnBaseCells) {
  struct Case { int startCol, startRow, key, col, row; } cases[] = {
      {2, 3, VK_RIGHT, 5, 3},  // from the base, past the block
      {4, 3, VK_LEFT, 1, 3},   // from a covered cell, past the block
      {1, 3, VK_RIGHT, 2, 3},  // into the block: its base
      {5, 4, VK_LEFT, 2, 3},   // into the block from the right: its base
      {3, 2, VK_DOWN, 2, 3},   // into the block from above: its base
      {2, 3, VK_DOWN, 2, 5},   // from the base, below the block
      {3, 4, VK_UP, 3, 2},     // from a covered cell, above the block
  };
  for (const auto& c : cases) {
    StoreGrid g;
    g.MergeCells(2, 3, 3, 2);  // columns 2..4, rows 3..4
    g.SetCol(c.startCol);
    g.SetRow(c.startRow);
    g.Press(c.key);
    EXPECT_EQ(g.Col(), c.col) << c.startCol << "," << c.startRow << " key " << c.key;
    EXPECT_EQ(g.Row(), c.row) << c.startCol << "," << c.startRow << " key " << c.key;
    EXPECT_TRUE(g.IsBaseCell(g.Col(), g.Row()));
  }
}

TEST(BaseGridStore, SpanIdentityTables) {
  StoreGrid g;
  g.MergeCells(1, 1, 1, 3);  // column 1, rows 1..3
  g.MergeCells(3, 1, 1, 3);  // column 3, rows 1..3
  g.MergeCells(2, 5, 3, 1);  // row 5, columns 2..4
  g.MergeCells(2, 6, 2, 1);  // row 6, columns 2..3
  struct Case { bool rows; int a, b; bool identical; } cases[] = {
      {true, 1, 2, true},    // same blocks in every vertically merged column
      {true, 2, 3, true},
      {true, 6, 7, false},   // no vertically merged column
      {true, 3, 4, false},
      {false, 2, 3, true},   // same horizontal block in rows 5 and 6
      {false, 3, 4, false},  // row 6 merges 3 but not 4
      {false, 6, 7, false},  // nothing merged
  };
  for (const auto& c : cases)
    EXPECT_EQ(c.rows ? g.RowSpanIdentical(c.a, c.b) : g.ColSpanIdentical(c.a, c.b), c.identical)
        << (c.rows ? "rows " : "cols ") << c.a << "," << c.b;
  EXPECT_EQ(g.MinRowSpan(1), 2);
  EXPECT_EQ(g.MaxRowSpan(5), 0);
  EXPECT_EQ(g.CellExt(3, 2), Point(0, 1));
  EXPECT_EQ(g.FullCell(4, 5), Rect(2, 5, 4, 5));
}

TEST(BaseGridStore, ObjectsAndPropertiesOnDemand) {
  StoreGrid g;
  EXPECT_EQ(g.GetObjectEx(3, 3), 0u);
  EXPECT_FALSE(g.CellHasProperties(3, 3));
  g.SetObjectEx(3, 3, 42);
  EXPECT_EQ(g.GetObjectEx(3, 3), 42u);
  EXPECT_EQ(g.GetCellEx(3, 3), "");
  EXPECT_TRUE(g.HasCellProps);
  TCellProperties* p = g.GetCellProperties(4, 4);
  EXPECT_EQ(p->BrushColor(), g.Color());
  EXPECT_EQ(p->FontName, g.Font()->Name());
  EXPECT_EQ(p->Alignment(), taLeftJustify);
}

TEST(BaseGridStore, IndexesOutsideTheGridAreRefused) {
  StoreGrid g(2);  // two hidden columns: real columns 8 and 9 belong to the store
  TCellProperties* scratch = g.GetCellProperties(20, 3);
  ASSERT_NE(scratch, nullptr);
  scratch->ReadOnly = true;
  EXPECT_FALSE(g.CellHasProperties(20, 3));
  EXPECT_EQ(g.GetGridObject(20, 3), nullptr);
  g.SetCellProperties(-1, 0, new TCellProperties(&g, -1, 0));  // freed, not stored
  g.SetGraphicObjectEx(3, 99, nullptr);
  EXPECT_FALSE(g.CellHasProperties(3, 99));
  g.GetCellProperties(9, 2)->ReadOnly = true;  // a hidden column's cell is inside
  EXPECT_TRUE(g.CellHasProperties(9, 2));
  g.SetColCount(4);
  g.SetColCount(8);
  EXPECT_TRUE(g.GetCellProperties(9, 2)->ReadOnly);  // survives the count change
}

TEST(BaseGridStore, BlockAndOffscreenCellRects) {
  StoreGrid g;
  g.SetDefaultColWidth(40);
  g.SetDefaultRowHeight(20);
  g.MergeCells(2, 2, 2, 3);
  // fixed column 0 and row 0; columns 40 wide, rows 20 high, no library lines
  EXPECT_EQ(g.CellRect(3, 4), Rect(80, 40, 160, 100));
  EXPECT_EQ(g.CellSize(2, 2), Point(80, 60));
  g.SetTopRow(5);
  EXPECT_EQ(g.CellRect(6, 2), Rect(0, 0, 40, 20));  // out of view: its size at the origin
  EXPECT_EQ(g.CalcCellRect(6, 2), Rect(240, -40, 280, -20));
}

}  // namespace
