// Column and row calculations (texts that are no number never raise), the
// floating footer's totals over hidden rows, numbering, the selection's text and
// the footer template.
#include <gtest/gtest.h>

#include "tests/support/qstring_print.h"

#include <cmath>

#include "grid/data/footer_template.h"
#include "grid/view/ex_string_grid.h"

namespace {

// Column 1 of rows 1-4 holds 1, 2, "" and "x".
struct TCalcGrid {
  TExStringGrid g{nullptr};
  TCalcGrid() {
    g.SetColCount(4);
    g.SetRowCount(5);
    const char* values[] = {"1", "2", "", "x"};
    for (int r = 1; r <= 4; ++r) g.SetCells(1, r, values[r - 1]);
  }
};

TEST(Calculations, ColumnWithTextsThatAreNoNumbers) {
  TCalcGrid t;
  EXPECT_DOUBLE_EQ(t.g.ColumnSum(1, -1, -1), 3);
  EXPECT_DOUBLE_EQ(t.g.ColumnAvg(1, -1, -1), 0.75);
  EXPECT_DOUBLE_EQ(t.g.ColumnMax(1, -1, -1), 2);
  EXPECT_DOUBLE_EQ(t.g.ColumnMin(1, -1, -1), 1);  // from the first number, not the empty cell
  EXPECT_NEAR(t.g.ColumnStdDev(1, -1, -1), std::sqrt(2.75 / 4), 1e-9);
  t.g.SetCells(1, 3, "X");
  EXPECT_DOUBLE_EQ(t.g.ColumnDistinct(1, -1, -1), 3);  // "x" and "X" count once
  double custom = 0;
  t.g.OnColumnCalc = [&](TObject*, int col, int from, int to, double& res) { res = custom = col * 100 + from * 10 + to; };
  EXPECT_DOUBLE_EQ(t.g.ColumnCustomCalc(1, 1, 4), 114);
}

// A grid that writes down what its calculations report.
struct TReportingGrid : TExStringGrid {
  QStringList reports;
  TReportingGrid() : TExStringGrid(nullptr) {}
  void ExportNotification(TGridExportState AState, int ARow) override {
    static const char* names[] = {"start", "new", "sel", "next", "done", "fail"};
    reports << QStringLiteral("%1 %2").arg(names[AState]).arg(ARow);
  }
};

TEST(Calculations, ColumnCalculationsReportTheRowsTheyUse) {
  TReportingGrid g;
  g.SetColCount(3);
  g.SetRowCount(5);
  const char* values[] = {"1", "", "x", "4"};
  for (int r = 1; r <= 4; ++r) g.SetCells(1, r, values[r - 1]);
  const QStringList numbers{"start 1", "next 1", "next 4", "done -1"};
  struct Case {
    const char* what;
    double (TExStringGrid::*calc)(int, int, int);
    double result;
    QStringList reports;
  } cases[] = {
      {"sum", &TExStringGrid::ColumnSum, 5, numbers},
      {"average", &TExStringGrid::ColumnAvg, 1.25, numbers},
      {"minimum", &TExStringGrid::ColumnMin, 1, numbers},
      {"maximum", &TExStringGrid::ColumnMax, 4, numbers},
      {"standard deviation", &TExStringGrid::ColumnStdDev, std::sqrt((0.0625 + 2 * 1.5625 + 7.5625) / 4), numbers},
      {"distinct texts", &TExStringGrid::ColumnDistinct, 4,
       {"start 1", "next 1", "next 2", "next 3", "next 4", "done -1"}},
      {"the application's", &TExStringGrid::ColumnCustomCalc, 0, {"start -1", "done -1"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    g.reports.clear();
    EXPECT_NEAR((g.*c.calc)(1, -1, -1), c.result, 1e-9);
    EXPECT_EQ(g.reports, c.reports);
  }
}

TEST(Calculations, RowsAndNumbering) {
  TCalcGrid t;
  for (int c = 0; c < 4; ++c) t.g.SetCells(c, 2, QStringList({"", "5", "x", "3"})[c]);
  EXPECT_DOUBLE_EQ(t.g.RowSum(2, 0, 3), 8);
  EXPECT_DOUBLE_EQ(t.g.RowAvg(2, 0, 3), 2);
  EXPECT_DOUBLE_EQ(t.g.RowAvg(2, 2, 1), 0);
  EXPECT_DOUBLE_EQ(t.g.RowMin(2, 0, 3), 3);
  EXPECT_DOUBLE_EQ(t.g.RowMax(2, 0, 3), 5);
  // AutoNumberStart 1 leaves the first normal row empty.
  t.g.AutoNumberStart = 1;
  t.g.ClearCols(3, 1);
  t.g.AutoNumberCol(3);
  EXPECT_EQ(t.g.Cells(3, 1), "");
  EXPECT_EQ(t.g.Cells(3, 2), "2");
  EXPECT_EQ(t.g.Cells(3, 4), "4");
  t.g.AutoNumberDirection = sdDescending;
  t.g.AutoNumberStart = 0;
  t.g.AutoNumberCol(3);
  EXPECT_EQ(t.g.Cells(3, 1), "4");
  EXPECT_EQ(t.g.Cells(3, 4), "1");
}

TEST(Calculations, SelectionTextAndIsSelected) {
  TCalcGrid t;
  t.g.SelectCells(1, 1, 2, 2);
  t.g.SetCells(2, 1, "a");
  EXPECT_EQ(t.g.SelectedText(), "1\ta\r\n2\t");
  EXPECT_TRUE(t.g.IsSelected(2, 2));
  EXPECT_FALSE(t.g.IsSelected(3, 2));
  EXPECT_FALSE(t.g.IsSelected(0, 1));  // fixed cells never
}

TEST(FloatingFooter, TotalsOverHiddenRows) {
  TExStringGrid g(nullptr);
  g.SetColCount(3);
  g.SetRowCount(5);  // rows 1-3 the data, row 4 the footer
  for (int r = 1; r <= 3; ++r) g.SetCells(1, r, QString::number(r));
  g.FloatingFooter()->SetVisible(true);
  EXPECT_EQ(g.FixedFooters(), 1);
  g.FloatingFooter()->SetColumnCalc(1, acSUM);
  g.FloatingFooter()->SetColumnCalc(2, acCOUNT);
  EXPECT_EQ(g.Cells(1, 4), "6.00");
  EXPECT_EQ(g.Cells(2, 4), "3");
  // The row holding 3 filtered out: still 6 with the hidden rows, 3 without.
  TFilterData* f = g.Filter()->Add();
  f->Column = 1;
  f->Condition = "<3";
  g.SetFilterActive(true);
  EXPECT_EQ(g.RowCount(), 4);
  EXPECT_EQ(g.Cells(1, g.RowCount() - 1), "6.00");
  g.FloatingFooter()->CalculateHiddenRows = false;
  g.CalcFooter(-1);
  EXPECT_EQ(g.Cells(1, g.RowCount() - 1), "3.00");
  g.FloatingFooter()->SetVisible(false);
  EXPECT_EQ(g.FixedFooters(), 0);
}

TEST(FloatingFooter, TemplateTakesTheCurrentRowsColumns) {
  auto text = [](int col) { return QStringLiteral("C%1").arg(col); };
  EXPECT_EQ(ExpandFooterTemplate("Total: <#2> and <#x>!", 4, text), "Total: C2 and !");
  EXPECT_EQ(ExpandFooterTemplate("<#0><#9><#3>", 4, text), "C0C3");
  EXPECT_EQ(ExpandFooterTemplate("open <#1 end", 4, text), "open <#1 end");
}

}  // namespace
