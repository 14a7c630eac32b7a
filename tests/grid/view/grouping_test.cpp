// Grouping rows by a column: header rows become nodes (with summary rows when
// asked), the group column leaves the grid and comes back with every cell when
// the grouping is undone; sub-groups inside groups; group calculations.
#include <gtest/gtest.h>

#include "tests/support/qstring_print.h"

#include "grid/view/column_grid.h"

namespace {

// One fixed row and column; column 1 names, column 2 the group values, column
// 3 numbers; rows 1.. hold the given group values.
void FillGroups(TExStringGrid& g, const QStringList& values) {
  g.SetColCount(4);
  g.SetRowCount(values.size() + 1);
  g.SetCellEx(1, 0, "name");
  g.SetCellEx(2, 0, "group");
  g.SetCellEx(3, 0, "value");
  for (int i = 0; i < values.size(); ++i) {
    g.SetCellEx(1, i + 1, QStringLiteral("n%1").arg(i + 1));
    g.SetCellEx(2, i + 1, values[i]);
    g.SetCellEx(3, i + 1, QString::number(i + 1));
  }
}

// Every cell of the grid, row by row, for comparing states.
QString AllCells(TExStringGrid& g) {
  QStringList rows;
  for (int r = 0; r < g.RowCount(); ++r) {
    QStringList cells;
    for (int c = 0; c < g.AllColCount(); ++c) cells << g.GetCellEx(c, r);
    rows << cells.join(u'|');
  }
  return rows.join(u'/');
}

// Per row: "H<text>/<span>" for a header node, "S" for a summary row, else
// the row's name.
QString Outline(TExStringGrid& g) {
  QStringList out;
  for (int r = g.FixedRows(); r < g.RowCount(); ++r) {
    if (g.IsNode(r)) out << QStringLiteral("H%1/%2").arg(g.GetCellEx(1, r)).arg(g.GetNodeSpan(r));
    else if (g.IsSummary(r)) out << QStringLiteral("S");
    else out << g.GetCellEx(1, r);
  }
  return out.join(u' ');
}

TEST(Grouping, HeadersSummariesAndTheRoundTrip) {
  struct Case {
    const char* what;
    bool summary;
    int column;
    const char* outline;
  } cases[] = {
      {"without summaries", false, 2, "HA/3 n1 n2 HB/3 n3 n4 HC/3 n5 n6"},
      {"with summaries", true, 2, "HA/3 n1 n2 S HB/3 n3 n4 S HC/3 n5 n6 S"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TExStringGrid g(nullptr);
    FillGroups(g, {"A", "A", "B", "B", "C", "C"});
    g.SetColWidths(2, 77);
    const QString before = AllCells(g);
    g.Grouping()->Summary = c.summary;
    g.Group(c.column);
    EXPECT_EQ(g.GetGroupColumn(), 2);
    EXPECT_EQ(g.ColCount(), 3);  // the group column left the grid
    EXPECT_EQ(Outline(g), c.outline);
    EXPECT_EQ(g.GetCellEx(2, 2), "1");  // the numbers moved one column left
    g.UnGroup();
    EXPECT_EQ(g.GetGroupColumn(), -1);
    EXPECT_EQ(AllCells(g), before);
    EXPECT_EQ(g.ColWidths(2), 77);
    EXPECT_EQ(g.NumNodes(), 0);
  }
}

TEST(Grouping, OnColumnOneTheHeaderTextsEndInColumnOne) {
  TExStringGrid g(nullptr);
  FillGroups(g, {"x", "y", "y"});
  // Group by the names column.
  g.SetCellEx(1, 1, "P");
  g.SetCellEx(1, 2, "Q");
  g.SetCellEx(1, 3, "Q");
  const QString before = AllCells(g);
  g.Group(1);
  EXPECT_EQ(Outline(g), "HP/2 x HQ/3 y y");
  g.UnGroup();
  EXPECT_EQ(AllCells(g), before);
}

TEST(Grouping, SortsFirstAndTheFirstRowAlwaysOpensAGroup) {
  TExStringGrid g(nullptr);
  // A value equal to a sentinel text is an ordinary value.
  FillGroups(g, {QStringLiteral("\u00FF\u00FE"), "B", QStringLiteral("\u00FF\u00FE")});
  g.Group(2);
  EXPECT_EQ(Outline(g), "HB/2 n2 H\u00FF\u00FE/3 n1 n3");
}

TEST(Grouping, RefusedAndNeutralCases) {
  TExStringGrid g(nullptr);
  FillGroups(g, {"A", "B"});
  g.SetFixedCols(0);
  const QString before = AllCells(g);
  g.Group(0);  // column 0 could never come back
  g.SetGroupColumn(0);
  g.UnGroup();  // not grouped
  EXPECT_EQ(g.GetGroupColumn(), -1);
  EXPECT_EQ(AllCells(g), before);
  g.FixedRowAlways = true;
  g.SetRowCount(1);
  g.Group(2);  // no normal row
  EXPECT_EQ(g.GetGroupColumn(), -1);
  g.SetRowCount(3);
  g.SetGroupColumn(2);
  EXPECT_EQ(g.GetGroupColumn(), 2);
  g.SetGroupColumn(-1);
  EXPECT_EQ(g.GetGroupColumn(), -1);
}

TEST(Grouping, GroupingAGroupedGridUngroupsFirst) {
  TExStringGrid g(nullptr);
  FillGroups(g, {"A", "A", "B"});
  const QString before = AllCells(g);
  g.Group(2);
  g.Group(2);
  EXPECT_EQ(Outline(g), "HA/3 n1 n2 HB/2 n3");
  g.UnGroup();
  EXPECT_EQ(AllCells(g), before);
}

TEST(Grouping, CalculationsFillHeadersOrSummariesOfExpandedGroups) {
  struct Case {
    const char* what;
    bool summary;
    int method;
    const char* expect;  // column 2 of each header (or summary) row
  } cases[] = {
      {"sum into headers", false, 1, "3.00 7.00 5.00"},
      {"count into summaries", true, 5, "2 2 1"},
      {"average", false, 2, "1.50 3.50 5.00"},
      {"minimum", false, 3, "1.00 3.00 5.00"},
      {"maximum", false, 4, "2.00 4.00 5.00"},
      {"distinct", false, 7, "2.00 2.00 1.00"},
      {"standard deviation", false, 8, "0.50 0.50 0.00"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TExStringGrid g(nullptr);
    FillGroups(g, {"A", "A", "B", "B", "C"});
    g.Grouping()->Summary = c.summary;
    g.Group(2);
    g.GroupCalc(2, c.method);
    QStringList got;
    for (int r = 1; r < g.RowCount(); ++r)
      if (c.summary ? g.IsSummary(r) : g.IsNode(r)) got << g.GetCellEx(2, r);
    EXPECT_EQ(got.join(u' '), c.expect);
  }
}

TEST(Grouping, ContractedGroupsKeepTheirValuesAndTheEventAnswersCustomCalculations) {
  TExStringGrid g(nullptr);
  FillGroups(g, {"A", "A", "B"});
  g.Group(2);
  g.GroupCount(2);
  g.ContractNode(g.RealRowIndex(4));  // group B
  g.SetCellEx(2, 4, "old");
  g.GroupCount(2);
  EXPECT_EQ(g.GetCellEx(2, 1), "2");
  EXPECT_EQ(g.GetCellEx(2, 4), "old");
  std::vector<std::pair<int, int>> ranges;
  g.OnGroupCalc = [&](TObject*, int, int from, int to, double& res) {
    ranges.emplace_back(from, to);
    res = 42;
  };
  g.GroupCustomCalc(2);
  ASSERT_EQ(ranges.size(), 1u);
  EXPECT_EQ(ranges[0], std::make_pair(2, 3));
  EXPECT_EQ(g.GetCellEx(2, 1), "42.00");
}

TEST(Grouping, SubGroupsInsideGroupsAndBack) {
  TExStringGrid g(nullptr);
  g.SetColCount(5);
  g.SetRowCount(6);
  const char* rows[][3] = {{"A", "x", "1"}, {"A", "x", "2"}, {"A", "y", "3"}, {"B", "y", "4"}, {"B", "y", "5"}};
  for (int i = 0; i < 5; ++i) {
    g.SetCellEx(1, i + 1, QStringLiteral("n%1").arg(i + 1));
    for (int j = 0; j < 3; ++j) g.SetCellEx(j + 2, i + 1, rows[i][j]);
  }
  const QString original = AllCells(g);
  g.Group(2);
  const QString grouped = AllCells(g);
  g.SubGroup(2);
  EXPECT_EQ(g.GetGroupColumn(), 2);  // still the outer grouping's column
  QStringList outline;
  for (int r = 1; r < g.RowCount(); ++r) {
    if (g.IsNode(r)) outline << QStringLiteral("%1%2/%3").arg(g.GetCellGraphic(0, r)->CellVar == 2 ? "s" : "H",
                                                              g.GetCellEx(g.GetCellGraphic(0, r)->CellVar == 2 ? 3 : 1, r))
                                         .arg(g.GetNodeSpan(r));
    else outline << g.GetCellEx(1, r) + g.GetCellEx(2, r);
  }
  EXPECT_EQ(outline.join(u' '), "HA/6 sx/3 n1 n2 sy/2 n3 HB/4 sy/3 n4 n5");
  g.SubUnGroup(2);
  EXPECT_EQ(AllCells(g), grouped);
  g.UnGroup();
  EXPECT_EQ(AllCells(g), original);
}

TEST(Grouping, TheColumnGridKeepsTheGroupedColumnsItem) {
  TExColumnGrid g(nullptr);
  FillGroups(g, {"A", "B"});
  g.Columns()->Items(2)->Name = "grp";
  g.Columns()->Items(2)->SetAlignment(taRightJustify);
  g.Group(2);
  EXPECT_EQ(g.Columns()->Count(), g.AllColCount());
  EXPECT_EQ(g.Columns()->Items(2)->Name, "");  // the numbers column and its item moved into its place
  g.UnGroup();
  EXPECT_EQ(g.Columns()->Count(), 4);
  EXPECT_EQ(g.Columns()->Items(2)->Name, "grp");
  EXPECT_EQ(g.Columns()->Items(2)->Alignment(), taRightJustify);
}

}  // namespace
