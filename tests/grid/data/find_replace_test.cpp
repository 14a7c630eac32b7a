// Finding cells: FindFirst and FindNext visit each matching cell once, in
// either walk order, forwards and backwards, over the normal cells, the fixed
// ones too or the selection, never in ignored columns; the match rules (start,
// whole cell, case, the empty-cell search); Replace by the search's case rule
// and its end when the search stands still; the type-ahead Search.
#include <gtest/gtest.h>

#include "tests/support/qstring_print.h"

#include "grid/base/int_list.h"
#include "grid/view/ex_string_grid.h"

namespace {

// 4 columns and 4 rows (one fixed row and column); "x" in the cells named
// below, other texts elsewhere.
struct TFindGrid {
  TExStringGrid g{nullptr};
  TFindGrid() {
    g.SetColCount(4);
    g.SetRowCount(4);
    for (int c = 0; c < 4; ++c)
      for (int r = 0; r < 4; ++r) g.SetCells(c, r, QStringLiteral("c%1r%2").arg(c).arg(r));
    for (TPoint p : {TPoint{1, 1}, TPoint{3, 1}, TPoint{2, 2}, TPoint{1, 3}, TPoint{0, 2}, TPoint{2, 0}})
      g.SetCells(p.X, p.Y, "box");
  }
  // Every cell FindFirst and FindNext report, in order.
  QString Walk(const QString& s, TFindParams p) {
    QStringList out;
    for (TPoint at = g.FindFirst(s, p); at.X >= 0 && out.size() < 50; at = g.FindNext())
      out << QStringLiteral("%1,%2").arg(at.X).arg(at.Y);
    return out.join(u' ');
  }
};

TEST(Find, EachMatchOnceInEachOrderAndArea) {
  struct Case {
    const char* what;
    TFindParams params;
    const char* cells;
  } cases[] = {
      {"column by column", {}, "1,1 1,3 2,2 3,1"},
      {"row by row", {fnDirectionLeftRight}, "1,1 3,1 2,2 1,3"},
      {"backward, from the bottom right", {fnBackward}, "3,1 2,2 1,3 1,1"},
      {"backward row by row", {fnBackward, fnDirectionLeftRight}, "1,3 2,2 3,1 1,1"},
      {"fixed cells too", {fnIncludeFixed}, "0,2 1,1 1,3 2,0 2,2 3,1"},
      {"the current row", {fnFindInCurrentRow, fnDirectionLeftRight}, "1,1 3,1"},
      {"a preset column", {fnFindInPresetCol}, "2,2"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TFindGrid t;
    t.g.SetRow(1);
    t.g.FindCol = 2;
    // FindNext after the last match answers (-1, -1): the walk does not wrap.
    EXPECT_EQ(t.Walk("BOX", c.params), c.cells);
  }
  TFindGrid sel;
  sel.g.SetSelection({2, 1, 3, 3});
  EXPECT_EQ(sel.Walk("box", {fnSelectedCells}), "2,2 3,1");
}

TEST(Find, IgnoredColumnsAreNeverReported) {
  for (TFindParams p : {TFindParams{}, TFindParams{fnDirectionLeftRight}}) {
    TFindGrid t;
    t.g.IgnoreColumns()->Add(1);
    EXPECT_EQ(t.Walk("box", p).contains(QStringLiteral("1,")), false);
  }
}

TEST(Find, MatchRules) {
  TFindGrid t;
  t.g.SetCells(1, 2, "boxer");
  t.g.SetCells(3, 3, "a box");
  t.g.SetCells(2, 3, QString());
  EXPECT_EQ(t.Walk("box", {fnMatchStart}), "1,1 1,2 1,3 2,2 3,1");
  EXPECT_EQ(t.Walk("box", {fnMatchFull}), "1,1 1,3 2,2 3,1");
  EXPECT_EQ(t.Walk("BOX", {fnMatchCase}), "");
  EXPECT_EQ(t.Walk("\"\"", {}), "2,3");  // the empty cells
  EXPECT_EQ(t.Walk("b?x*", {fnMatchRegular, fnMatchFull}), "1,1 1,2 1,3 2,2 3,1");
  // The found cell becomes current with fnAutoGoto.
  t.g.FindFirst("a box", {fnAutoGoto});
  EXPECT_EQ(t.g.Col(), 3);
  EXPECT_EQ(t.g.Row(), 3);
}

TEST(Replace, ByTheSearchsCaseRuleAndEndingWhenACellComesBack) {
  TFindGrid t;
  t.g.SetCells(1, 1, "Box box");
  EXPECT_EQ(t.g.Replace("box", "bag", {}), 4);
  EXPECT_EQ(t.g.Cells(1, 1), "bag bag");  // without case: both
  EXPECT_EQ(t.g.Cells(2, 2), "bag");
  TFindGrid cs;
  cs.g.SetCells(1, 1, "Box box");
  EXPECT_EQ(cs.g.Replace("box", "bag", {fnMatchCase}), 4);
  EXPECT_EQ(cs.g.Cells(1, 1), "Box bag");  // with case: the lower one only
  // The current column in row-by-row order stands still: each cell once.
  TFindGrid still;
  still.g.SetCol(1);
  EXPECT_EQ(still.g.Replace("box", "boxes", {fnFindInCurrentCol, fnDirectionLeftRight}), 1);
  EXPECT_EQ(still.g.Cells(1, 1), "boxes");
}

TEST(TypeAhead, SearchInTheSortColumnByLeadingCharacters) {
  TExStringGrid g(nullptr);
  g.SetColCount(3);
  g.SetRowCount(5);
  const char* names[] = {"Berta", "anna", "Abel", "<b>Carl</b>"};
  for (int r = 1; r <= 4; ++r) {
    g.SetCells(1, r, names[r - 1]);
    g.SetCells(2, r, names[4 - r]);
  }
  EXPECT_EQ(g.Search("AN"), 2);  // without sorting: the first normal column
  EXPECT_EQ(g.Search("C"), 4);   // tags are not text
  EXPECT_EQ(g.Search("X"), -1);
  g.SortSettings()->SetShow(true);
  g.SortSettings()->Column = 2;
  EXPECT_EQ(g.Search("B"), 4);
  g.SortSettings()->Column = -1;
  EXPECT_EQ(g.Search("B"), -1);
}

}  // namespace
