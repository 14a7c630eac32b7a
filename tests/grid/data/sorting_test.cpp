// Sorting: how two cells compare by sort style (detected or given), the plain,
// indexed and grouped sorts moving whole rows (hidden columns' cells with them)
// while fixed rows and the footer row stay, un-sorting back to the order before
// the first sort, and the sort specifier text.
#include <gtest/gtest.h>

#include "tests/grid/base/scoped_format.h"
#include "tests/support/qstring_print.h"

#include "grid/view/ex_string_grid.h"
#include "grid/view/grid_error.h"
#include "platform/rtl/exceptions.h"

namespace {

// A grid whose rows 1.. hold the given texts in column 1 and labels "a", "b",
// ... in column 0.
struct TSortGrid {
  TExStringGrid g{nullptr};
  explicit TSortGrid(const QStringList& values, int cols = 3) {
    g.SetColCount(cols);
    g.SetRowCount(values.size() + 1);
    for (int r = 0; r < values.size(); ++r) {
      g.SetCells(0, r + 1, QString(QChar(u'a' + r)));
      g.SetCells(1, r + 1, values[r]);
    }
  }
  // Column 0 of the rows from..to, joined.
  QString Labels(int from = 1, int to = -1) {
    if (to < 0) to = g.RowCount() - 1;
    QStringList out;
    for (int r = from; r <= to; ++r) out << g.Cells(0, r);
    return out.join(u' ');
  }
};

TEST(SortCompare, EachStyleComparesAsItSays) {
  const ScopedFormat us(UsFormat());
  struct Case {
    const char* what;
    QString t1, t2;
    int style;  // -1: detected from the texts
    QString prefix;
    int expected;
  } cases[] = {
      {"numbers detected", "10", "9", -1, {}, 1},
      {"an empty first cell compares as text", "", "10", -1, {}, -1},
      {"an empty second cell is 0 to a number", "9", "", -1, {}, 1},
      {"a date against a text without its separator is text", "01/02/2020", "text", -1, {}, -1},
      {"dates detected", "01/02/2020", "03/01/2019", -1, {}, 1},
      {"times detected", "10:30", "9:15", -1, {}, 1},
      {"ordinal text", "a", "B", ssAlphabetic, {}, 1},
      {"text without case", "a", "B", ssAlphaNoCase, {}, -1},
      {"numbers after a prefix", "$5", "$10", ssNumeric, "$", -1},
      {"two non-numbers are equal", "abc", "xyz", ssNumeric, {}, 0},
      {"money with thousand separators", "1,000.50", "999", ssFinancial, {}, 1},
      {"European short dates", "02/01/2020", "01/02/2020", ssShortDateEU, {}, -1},
      {"US short dates", "02/01/2020", "01/02/2020", ssShortDateUS, {}, 1},
      {"text of mini-HTML", "<b>b</b>", "a", ssHTML, {}, 1},
      {"alphanumeric numbers", "10", "9", ssAlphaNumeric, {}, 1},
      {"alphanumeric texts", "b", "a10", ssAlphaNumeric, {}, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TSortGrid t({c.t1, c.t2});
    if (c.style >= 0) {
      t.g.OnGetFormat = [&c](TObject*, int, TSortStyle& style, QString& prefix, QString&) {
        style = static_cast<TSortStyle>(c.style);
        prefix = c.prefix;
      };
    }
    EXPECT_EQ(t.g.CompareRows(1, 1, 2, sdAscending), c.expected);
  }
}

TEST(SortCompare, HandlersCheckBoxesImagesAndBlanks) {
  TSortGrid t({"x", "y"});
  t.g.OnGetFormat = [](TObject*, int, TSortStyle& style, QString&, QString&) { style = ssCustom; };
  t.g.OnCustomCompare = [](TObject*, const QString& a, const QString& b, int& res) { res = a == "x" && b == "y" ? -7 : 0; };
  EXPECT_EQ(t.g.CompareRows(1, 1, 2, sdAscending), -7);
  t.g.OnGetFormat = [](TObject*, int, TSortStyle& style, QString&, QString&) { style = ssRaw; };
  t.g.OnRawCompare = [](TObject*, int col, int r1, int r2, int& res) { res = col * 100 + r1 * 10 + r2; };
  EXPECT_EQ(t.g.CompareRows(1, 1, 2, sdAscending), 112);
  // Check boxes are detected from the first cell: checked after cleared.
  t.g.OnGetFormat = nullptr;
  t.g.AddCheckBox(1, 1, true, false);
  t.g.AddCheckBox(1, 2, false, false);
  EXPECT_EQ(t.g.CompareRows(1, 1, 2, sdAscending), 1);
  EXPECT_EQ(t.g.CompareRows(1, 2, 1, sdAscending), -1);
  // Blanks where BlankPos says, in both directions.
  TSortGrid b({"", "x"});
  b.g.SortSettings()->IgnoreBlanks = true;
  b.g.SortSettings()->BlankPos = blLast;
  EXPECT_EQ(b.g.CompareRows(1, 1, 2, sdAscending), 1);
  EXPECT_EQ(b.g.CompareRows(1, 1, 2, sdDescending), -1);
  b.g.SortSettings()->BlankPos = blFirst;
  EXPECT_EQ(b.g.CompareRows(1, 1, 2, sdAscending), -1);
  EXPECT_EQ(b.g.CompareRows(1, 2, 1, sdAscending), 1);
}

TEST(Sorting, BlanksEndLastInBothDirections) {
  for (TSortDirection d : {sdAscending, sdDescending}) {
    TSortGrid t({"b", "", "c", "a"});
    t.g.SortSettings()->IgnoreBlanks = true;
    t.g.SortSettings()->BlankPos = blLast;
    t.g.Sort(1, d);
    EXPECT_EQ(t.g.Cells(1, 4), "") << d;
    EXPECT_EQ(t.Labels(1, 3), d == sdAscending ? "d a c" : "c a d");
  }
}

// Rows 1-5 with the values 3 1 5 2 4 in column 1, labels in column 0, a hidden
// real column 3 with "h" + label, the floating footer on row 6 and a fixed row 0.
struct TFooterGrid : TSortGrid {
  TFooterGrid() : TSortGrid({"3", "1", "5", "2", "4", "sum"}, 4) {
    for (int r = 1; r <= 5; ++r) g.SetCells(3, r, "h" + g.Cells(0, r));
    g.SetCells(0, 6, "footer");
    g.SetCells(0, 0, "fixed");
    g.FloatingFooter()->SetVisible(true);
    g.HideColumn(3);
  }
  bool HiddenCellsTravelled() {
    for (int r = 1; r <= 5; ++r)
      if (g.GetCellEx(3, r) != "h" + g.Cells(0, r)) return false;
    return true;
  }
};

TEST(Sorting, PlainSortMovesWholeRowsAndLeavesFixedAndFooterRows) {
  TFooterGrid t;
  t.g.Sort(1, sdAscending);
  EXPECT_EQ(t.Labels(1, 5), "b d a e c");
  EXPECT_TRUE(t.HiddenCellsTravelled());
  EXPECT_EQ(t.g.Cells(0, 0), "fixed");
  EXPECT_EQ(t.g.Cells(0, 6), "footer");
  EXPECT_EQ(t.g.Cells(1, 6), "sum");
  EXPECT_EQ(t.g.RowCount(), 7);
  EXPECT_EQ(t.g.ColCount(), 3);
  EXPECT_EQ(t.g.NumHiddenColumns(), 1);
  EXPECT_TRUE(t.g.FloatingFooter()->Visible());
  EXPECT_EQ(t.g.FixedFooters(), 1);
  t.g.Sort(1, sdDescending);
  EXPECT_EQ(t.Labels(1, 5), "c e a d b");
  EXPECT_TRUE(t.HiddenCellsTravelled());
  // Nothing without a sort column, nor with a single row.
  t.g.SortSettings()->Column = -1;
  t.g.QSort();
  EXPECT_EQ(t.Labels(1, 5), "c e a d b");
  TSortGrid one({});
  one.g.SortByColumn(1);
  EXPECT_EQ(one.g.SortSettings()->Column, -1);
}

// The indexed and the group sort move rows as the plain one does: hidden
// columns' cells go with their rows, the fixed row and the floating footer's
// row stay where they are.
TEST(Sorting, EveryKindOfSortLeavesTheFixedAndFooterRowsAndCarriesHiddenCells) {
  struct Case {
    const char* what;
    void (*sort)(TExStringGrid&);
    const char* labels;
  } cases[] = {
      {"indexed, one column", [](TExStringGrid& g) {
         g.SortIndexes()->AddIndex(1, true);
         g.QSortIndexed();
       }, "b d a e c"},
      {"indexed, descending", [](TExStringGrid& g) {
         g.SortIndexes()->AddIndex(1, false);
         g.QSortIndexed();
       }, "c e a d b"},
      {"group, inside the node of rows 1-5", [](TExStringGrid& g) {
         g.AddNode(1, 5);
         g.SortSettings()->Column = 1;
         g.QSortGroup();
       }, "a b d e c"},
      {"group indexed", [](TExStringGrid& g) {
         g.AddNode(1, 5);
         g.SortIndexes()->AddIndex(1, false);
         g.QSortGroupIndexed();
       }, "a c e d b"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TFooterGrid t;
    c.sort(t.g);
    EXPECT_EQ(t.Labels(1, 5), c.labels);
    EXPECT_TRUE(t.HiddenCellsTravelled());
    EXPECT_EQ(t.g.Cells(0, 0), "fixed");
    EXPECT_EQ(t.g.Cells(0, 6) + t.g.Cells(1, 6), "footersum");
    EXPECT_EQ(t.g.RowCount(), 7);
    EXPECT_EQ(t.g.ColCount(), 3);
    EXPECT_EQ(t.g.NumHiddenColumns(), 1);
    EXPECT_EQ(t.g.FixedFooters(), 1);
  }
}

TEST(Sorting, TiesLookRightOnlyWithFull) {
  TSortGrid t({"1", "1", "0"}, 3);
  t.g.SetCells(2, 1, "z");
  t.g.SetCells(2, 2, "y");
  t.g.SetCells(2, 3, "x");
  t.g.Sort(1, sdAscending);
  EXPECT_EQ(t.Labels(), "c b a");
  // The column left of the sort column never decides.
  TSortGrid left({"1", "1"}, 3);
  left.g.SetCells(0, 1, "b");
  left.g.SetCells(0, 2, "a");
  left.g.SetCells(2, 1, "1");
  left.g.SetCells(2, 2, "2");
  left.g.Sort(1, sdAscending);
  EXPECT_EQ(left.Labels(), "b a");
}

TEST(Sorting, IndexedSortByTwoColumns) {
  TSortGrid t({"2", "1", "2", "1"}, 3);
  for (int r = 1; r <= 4; ++r) t.g.SetCells(2, r, QString::number(r));
  TExStringGrid& g = t.g;
  EXPECT_THROW(g.QSortIndexed(), EExGridError);  // no indexes
  EXPECT_EQ(t.Labels(), "a b c d");
  g.SortIndexes()->AddIndex(1, true);
  g.SortIndexes()->AddIndex(2, false);
  g.QSortIndexed();
  EXPECT_EQ(t.Labels(), "d b c a");
  // Without Full only the first index decides (equal rows may change places).
  g.SortSettings()->Full = false;
  g.SortIndexes()->Clear();
  g.SortIndexes()->AddIndex(1, false);
  g.QSortIndexed();
  EXPECT_EQ(g.Cells(1, 1) + g.Cells(1, 2) + g.Cells(1, 3) + g.Cells(1, 4), "2211");
}

TEST(Sorting, GroupSortSortsInsideTheDeepestNodesOnly) {
  TSortGrid t({"A", "z", "a", "B", "y", "b"});
  t.g.AddNode(1, 3);
  t.g.AddNode(4, 3);
  t.g.SortSettings()->Column = 1;
  t.g.QSortGroup();
  EXPECT_EQ(t.Labels(), "a c b d f e");
  EXPECT_TRUE(t.g.IsNode(1));
  EXPECT_TRUE(t.g.IsNode(4));
}

TEST(Sorting, UnSortAfterTwoSortsRestoresTheFirstOrder) {
  TSortGrid t({"3", "1", "2", "1"}, 3);
  for (int r = 1; r <= 4; ++r) t.g.SetCells(2, r, QString(QChar(u'v' + r)));
  t.g.Sort(1, sdAscending);
  t.g.Sort(2, sdDescending);
  ASSERT_NE(t.Labels(), "a b c d");
  t.g.QUnSort();
  EXPECT_EQ(t.Labels(), "a b c d");
  for (int r = 1; r <= 4; ++r) EXPECT_EQ((*t.g.SortRowXRef())[r], r);
}

TEST(Sorting, NormalCellsOnlyKeepsColumnZero) {
  TSortGrid t({"2", "1"});
  t.g.SetFixedCols(1);
  t.g.SortSettings()->NormalCellsOnly = true;
  t.g.Sort(1, sdAscending);
  EXPECT_EQ(t.Labels(), "a b");
  EXPECT_EQ(t.g.Cells(1, 1), "1");
}

TEST(SortSpecifier, RoundTrip) {
  TSortGrid t({"b", "c", "a"}, 4);
  for (int r = 1; r <= 3; ++r) t.g.SetCells(3, r, QString::number(r % 2));
  TSortSettings& s = *t.g.SortSettings();
  t.g.Sort(1, sdDescending);
  EXPECT_EQ(s.SaveToString(), "d1");
  EXPECT_EQ(t.Labels(), "b a c");
  s.LoadFromString("u1");
  EXPECT_TRUE(s.Show());
  EXPECT_EQ(s.Direction, sdAscending);
  EXPECT_EQ(t.Labels(), "c a b");
  // Column 3 ascending, then column 1 descending.
  s.LoadFromString("i;u3;d1");
  EXPECT_TRUE(s.IndexShow);
  EXPECT_EQ(t.Labels(), "b a c");
  EXPECT_EQ(s.SaveToString(), "i;u3;d1");
  EXPECT_THROW(s.LoadFromString("x"), Exception);
  s.LoadFromString("");  // nothing
  EXPECT_EQ(t.Labels(), "b a c");
  s.Remove();
  EXPECT_EQ(s.Column, -1);
  EXPECT_EQ(t.g.SortIndexes()->Count(), 0);
}

}  // namespace
