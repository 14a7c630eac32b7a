// Tree nodes in rows: levels, nested contracting and expanding (hidden rows
// by real index), span-0 nodes, ExpandOne, the parent lookup, rows inserted
// and removed under nodes, the tree-line span type, the glyph hit test and the
// expand cells.
#include <gtest/gtest.h>

#include "tests/support/qstring_print.h"

#include "grid/view/ex_string_grid.h"

namespace {

// Rows labelled "r0".."r{n-1}" in column 1.
struct TTree {
  TExStringGrid g{nullptr};
  explicit TTree(int rows = 10) {
    g.SetRowCount(rows);
    for (int r = 0; r < rows; ++r) g.SetCellEx(1, r, QStringLiteral("r%1").arg(r));
  }
  QString Shown() {
    QStringList out;
    for (int r = 0; r < g.RowCount(); ++r) out << g.GetCellEx(1, r);
    return out.join(u' ');
  }
  int Level(int d) { return g.CellHasProperties(0, d) ? g.GetCellProperties(0, d)->NodeLevel : 0; }
};

TEST(TreeNodes, AddingNodesNestsTheirLevels) {
  TTree t;
  t.g.SetCol(0);
  t.g.AddNode(1, 3);
  EXPECT_EQ(t.g.Col(), 1);  // column 0 carries the glyphs
  EXPECT_EQ(t.Level(1), 1);
  EXPECT_EQ(t.Level(3), 1);
  EXPECT_EQ(t.Level(4), 0);
  t.g.AddNode(2, 2);
  EXPECT_EQ(t.Level(1), 1);
  EXPECT_EQ(t.Level(2), 2);
  EXPECT_EQ(t.Level(3), 2);
  EXPECT_EQ(t.g.NumNodes(), 2);
  EXPECT_TRUE(t.g.IsNode(2));
  EXPECT_FALSE(t.g.IsNode(3));
  EXPECT_EQ(t.g.GetNodeSpan(1), 3);
  EXPECT_EQ(t.g.GetNodeSpan(3), -1);
  EXPECT_EQ(t.g.GetNodeLevel(2), 2);
  EXPECT_EQ(t.g.GetNodeLevel(3), -1);
  EXPECT_EQ(t.g.GetRowIndent(3), 2 * t.g.CellNode()->NodeIndent());
  t.g.RemoveNode(2);
  EXPECT_EQ(t.Level(2), 1);
  EXPECT_FALSE(t.g.IsNode(2));
  t.g.RemoveAllNodes();
  EXPECT_EQ(t.g.NumNodes(), 0);
  EXPECT_EQ(t.Level(1), 0);
}

TEST(TreeNodes, NestedContractAndExpandShowEveryRowAgain) {
  TTree t;
  t.g.AddNode(1, 6);  // rows 1..6
  t.g.AddNode(2, 3);  // rows 2..4
  t.g.ContractNode(2);
  EXPECT_EQ(t.Shown(), "r0 r1 r2 r5 r6 r7 r8 r9");
  EXPECT_TRUE(t.g.GetNodeState(2));
  t.g.ContractNode(1);
  EXPECT_EQ(t.Shown(), "r0 r1 r7 r8 r9");
  EXPECT_TRUE(t.g.GetNodeState(1));
  t.g.ExpandNode(1);
  EXPECT_EQ(t.Shown(), "r0 r1 r2 r3 r4 r5 r6 r7 r8 r9");
  EXPECT_FALSE(t.g.GetNodeState(1));
  EXPECT_FALSE(t.g.GetNodeState(2));  // the inner node reads as expanded
  EXPECT_EQ(t.g.NumHiddenRows(), 0);
}

TEST(TreeNodes, SpanZeroReachesTheNextNodeRow) {
  TTree t;
  t.g.AddNode(1, 0);
  t.g.AddNode(5, 2);
  t.g.ContractNode(1);
  EXPECT_EQ(t.Shown(), "r0 r1 r5 r6 r7 r8 r9");
  t.g.ExpandNode(1);
  EXPECT_EQ(t.Shown(), "r0 r1 r2 r3 r4 r5 r6 r7 r8 r9");
}

TEST(TreeNodes, ExpandOneLeavesOnlyOneNodeOpen) {
  TTree t;
  for (int r : {1, 4, 7}) t.g.AddNode(r, 3);
  t.g.ContractAll();
  EXPECT_EQ(t.Shown(), "r0 r1 r4 r7");
  t.g.CellNode()->ExpandOne = true;
  t.g.ExpandNode(4);
  EXPECT_EQ(t.Shown(), "r0 r1 r4 r5 r6 r7");
  t.g.ExpandNode(7);
  EXPECT_EQ(t.Shown(), "r0 r1 r4 r7 r8 r9");
  EXPECT_TRUE(t.g.GetNodeState(1));
  EXPECT_TRUE(t.g.GetNodeState(2));  // the node of real row 4
  EXPECT_FALSE(t.g.GetNodeState(3));
  t.g.ExpandAll();
  EXPECT_EQ(t.Shown(), "r0 r1 r2 r3 r4 r5 r6 r7 r8 r9");
}

TEST(TreeNodes, ContractAllKeepsNestedFlagsAndExpandAllUndoesIt) {
  TTree t;
  t.g.AddNode(1, 5);
  t.g.AddNode(2, 2);
  t.g.AddNode(6, 2);
  t.g.ContractAll();
  EXPECT_EQ(t.Shown(), "r0 r1 r6 r8 r9");
  EXPECT_TRUE(t.g.GetNodeState(1));
  EXPECT_TRUE(t.g.GetNodeState(2));
  t.g.ExpandAll();
  EXPECT_EQ(t.Shown(), "r0 r1 r2 r3 r4 r5 r6 r7 r8 r9");
  for (int r : {1, 2, 6}) EXPECT_FALSE(t.g.GetNodeState(r)) << r;
}

TEST(TreeNodes, ParentLookup) {
  TTree t;
  EXPECT_EQ(t.g.GetParentRow(3), -1);  // no node at all
  t.g.AddNode(1, 6);
  t.g.AddNode(2, 3);
  t.g.AddNode(7, 2);
  struct Case {
    int row, parent;
  } cases[] = {{1, 1}, {2, 1}, {3, 2}, {4, 2}, {5, 1}, {6, 1}, {7, 7}, {8, 7}, {9, -1}, {0, -1}};
  for (const Case& c : cases) EXPECT_EQ(t.g.GetParentRow(c.row), c.parent) << c.row;
  // Under a contracted inner node the display rows below still find their parent.
  t.g.ContractNode(2);  // display: r0 r1 r2 r5 r6 r7 ...
  EXPECT_EQ(t.g.GetParentRow(3), 1);  // r5
  EXPECT_EQ(t.g.GetParentRow(5), 5);  // r7, a node of its own
}

TEST(TreeNodes, ChildRowsGoInAndOutUnderTheirNode) {
  TTree t;
  t.g.AddNode(1, 3);  // r1 with r2, r3
  t.g.SetCellEx(2, 1, "node text");
  t.g.InsertChildRow(1, 0);
  // The node's texts go to its new first child; the node row is left empty.
  EXPECT_EQ(t.Shown(), "r0  r1 r2 r3 r4 r5 r6 r7 r8 r9");
  EXPECT_EQ(t.g.GetCellEx(2, 2), "node text");
  EXPECT_EQ(t.g.GetCellEx(2, 1), "");
  EXPECT_EQ(t.g.GetNodeSpan(1), 4);
  EXPECT_EQ(t.Level(2), 1);
  EXPECT_EQ(t.g.GetParentRow(4), 1);
  t.g.InsertChildRow(3, 1);  // after r2
  EXPECT_EQ(t.g.GetNodeSpan(1), 5);
  EXPECT_EQ(t.g.GetCellEx(1, 4), "");
  EXPECT_EQ(t.Level(4), 1);
  t.g.RemoveChildRow(4);
  t.g.RemoveChildRow(2);
  EXPECT_EQ(t.g.GetNodeSpan(1), 3);
  EXPECT_EQ(t.Shown(), "r0  r2 r3 r4 r5 r6 r7 r8 r9");
}

TEST(TreeNodes, AChildUnderANestedNodeLengthensItAndItsAncestors) {
  TTree t;
  t.g.AddNode(1, 6);
  t.g.AddNode(2, 3);
  t.g.InsertChildRow(3, 1);  // below r3, inside both nodes
  EXPECT_EQ(t.g.GetNodeSpan(2), 4);
  EXPECT_EQ(t.g.GetNodeSpan(1), 7);
  EXPECT_EQ(t.Level(4), 2);
  t.g.ContractNode(1);
  EXPECT_EQ(t.Shown(), "r0 r1 r7 r8 r9");
}

TEST(TreeNodes, NormalRowsAroundHiddenRowsKeepThemInPlace) {
  TTree t;
  t.g.AddNode(5, 3);
  t.g.ContractNode(5);  // r6, r7 hidden
  t.g.InsertNormalRow(2);
  t.g.ExpandNode(6);
  EXPECT_EQ(t.Shown(), "r0 r1  r2 r3 r4 r5 r6 r7 r8 r9");
}

TEST(TreeNodes, SpanTypeForTheTreeLines) {
  TTree t;
  t.g.AddNode(1, 4);
  t.g.AddNode(2, 2);
  EXPECT_EQ(t.g.GetNodeSpanType(1), 0);
  EXPECT_EQ(t.g.GetNodeSpanType(3), 1);  // last child of the inner node
  EXPECT_EQ(t.g.GetNodeSpanType(4), 1);  // last child of the outer node
  t.g.AddNode(6, 3);
  EXPECT_EQ(t.g.GetNodeSpanType(7), 2);  // an earlier child
  EXPECT_EQ(t.g.GetNodeSpanType(8), 1);
}

TEST(TreeNodes, GlyphHitTestByNodeKind) {
  TTree t;
  t.g.AddNode(1, 3);
  struct Case {
    TNodeType type;
    int x;
    bool in;
  } cases[] = {{cnLeaf, 2, false}, {cnLeaf, 3, true},  {cnLeaf, 19, true},  {cnLeaf, 20, false},
               {cnXP, 4, false},   {cnXP, 5, true},    {cnXP, 15, true},    {cnXP, 16, false},
               {cn3D, 0, false},   {cn3D, 1, true},    {cn3D, 17, true},    {cn3D, 18, false},
               {cnGlyph, 0, false}, {cnGlyph, 1, true}, {cnGlyph, 11, true}, {cnGlyph, 12, false}};
  for (const Case& c : cases) {
    t.g.CellNode()->SetNodeType(c.type);
    EXPECT_EQ(t.g.IsInNodeGlyph(1, c.x), c.in) << c.type << " at " << c.x;
  }
  t.g.MouseActions()->PreciseNodeClick = false;
  EXPECT_TRUE(t.g.IsInNodeGlyph(1, 300));
}

TEST(TreeNodes, ExpandCellsSwitchBetweenTwoHeights) {
  TExStringGrid g(nullptr);
  g.SetRowHeights(2, 22);
  g.AddExpand(3, 2, 60);
  EXPECT_TRUE(g.HasExpand(3, 2));
  EXPECT_FALSE(g.GetExpandState(3, 2));
  EXPECT_EQ(g.GetExpandHeight(3, 2, true), 60);
  EXPECT_EQ(g.GetExpandHeight(3, 2, false), 22);
  EXPECT_TRUE(g.ToggleExpand(3, 2));
  EXPECT_TRUE(g.GetExpandState(3, 2));
  EXPECT_FALSE(g.ToggleExpand(3, 2));
  EXPECT_EQ(g.GetExpandHeight(1, 1, true), g.DefaultRowHeight());  // no expand cell
  EXPECT_FALSE(g.ToggleExpand(1, 1));
  g.RemoveExpand(3, 2);
  EXPECT_FALSE(g.HasExpand(3, 2));
}

TEST(TreeNodes, RemovingANodeRowCountsItOut) {
  TTree t;
  t.g.AddNode(1, 2);
  t.g.AddNode(4, 2);
  t.g.RemoveRows(4, 1);
  EXPECT_EQ(t.g.NumNodes(), 1);
  t.g.Clear();
  EXPECT_EQ(t.g.NumNodes(), 0);
}

}  // namespace
