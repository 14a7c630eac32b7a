// Column sizing: the automatic width of a column within the limits, the end of a
// mouse sizing with a column-size handler, stretching a column to the client
// width, fitting columns to the grid's width, and the text measures.
#include <gtest/gtest.h>

#include "grid/view/column_grid.h"
#include "platform/rtl/exceptions.h"
#include "platform/ui/canvas.h"
#include "platform/ui/form.h"
#include "tests/support/ui_input.h"

namespace {

int TextWidthInGridFont(TExStringGrid& g, const QString& text, bool fixed = false) {
  TCanvas* c = MeasureCanvas();
  c->Font()->Assign(fixed ? *g.FixedFont() : *g.Font());
  return c->TextWidth(text);
}

TEST(Sizing, AutoSizeColIsTheWidestTextPlusOffsetsAndLines) {
  TExStringGrid g(nullptr);
  g.SetCellEx(2, 1, "short");
  g.SetCellEx(2, 2, "the widest text");
  g.SetCellEx(2, 0, "H");
  g.AutoSizeCol(2, 0);
  const int widest = TextWidthInGridFont(g, "the widest text");
  // text + 2 x XYOffset.X + 2 x grid line + 2
  EXPECT_EQ(g.ColWidths(2), widest + 4 + 2 + 2);
}

TEST(Sizing, AutoSizeColLimitsAndGrowOnly) {
  struct Case {
    const char* name;
    int min, max;
    bool growOnly;
    int before;
    int expected;  // -1: the computed width
  } cases[] = {
      {"no limits", 0, 0, false, 200, -1},
      {"equal limits leave it unchanged", 30, 30, false, 200, -1},
      {"minimum", 500, 0, false, 200, 500},
      {"maximum", 0, 20, false, 200, 20},
      {"grow only keeps a wider column", 0, 0, true, 300, 300},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TExStringGrid g(nullptr);
    g.SetCellEx(1, 1, "some text");
    g.MinColWidth = c.min;
    g.MaxColWidth = c.max;
    g.SizeGrowOnly = c.growOnly;
    g.SetColWidths(1, c.before);
    g.AutoSizeCol(1, 0);
    const int computed = TextWidthInGridFont(g, "some text") + 8;
    EXPECT_EQ(g.ColWidths(1), c.expected < 0 ? computed : c.expected);
  }
}

TEST(Sizing, FixedRowsOnlyWhenAsked) {
  TExStringGrid g(nullptr);
  g.SetCellEx(1, 0, "x");
  g.SetCellEx(1, 1, "a much longer normal text");
  g.ColumnSize()->Rows = arFixed;
  g.AutoSizeCol(1, 0);
  EXPECT_EQ(g.ColWidths(1), TextWidthInGridFont(g, "x", true) + 8);
}

TEST(Sizing, ColumnGridLimitsTheAutomaticWidth) {
  TExColumnGrid g(nullptr);
  g.Columns()->Items(1)->AutoMaxSize = 40;
  g.SetCellEx(1, 1, "a much longer normal text");
  g.AutoSizeCol(1, 0);
  EXPECT_EQ(g.ColWidths(1), 40);
}

TEST(Sizing, ChangedWidthInOnUpdateColumnSizeEndsTheSizingOnce) {
  TExStringGrid g(nullptr);
  int ends = 0, updates = 0;
  g.OnEndColumnSize = [&](TObject*, int col) {
    EXPECT_EQ(col, 2);
    ++ends;
  };
  g.OnUpdateColumnSize = [&](TObject*, int, int& width) {
    ++updates;
    width = 80;
  };
  g.SetColWidths(2, 140);
  g.EndMouseColumnSizing(2, 64);
  EXPECT_EQ(g.ColWidths(2), 80);
  EXPECT_EQ(ends, 1);
  EXPECT_EQ(updates, 1);
}

TEST(Sizing, AllColumnsFollowTheSizedOne) {
  TExStringGrid g(nullptr);
  g.MouseActions()->AllColumnSize = true;
  for (int c = 0; c < g.ColCount(); ++c) g.SetColWidths(c, 100);
  g.SetColWidths(2, 150);
  g.EndMouseColumnSizing(2, 100);
  EXPECT_EQ(g.ColWidths(1), 150);
  EXPECT_EQ(g.ColWidths(4), 150);
  EXPECT_EQ(g.ColWidths(0), 100);  // a fixed column stays
}

TEST(Sizing, StretchColumnFillsTheClientWidth) {
  TForm form(nullptr);
  form.SetClientSize(600, 300);
  TExStringGrid* g = new TExStringGrid(&form);
  g->SetParent(&form);
  g->SetColCount(3);
  g->SetColWidths(0, 100);
  g->SetColWidths(1, 120);
  g->SetBounds(0, 0, 500 + (g->Width() - g->ClientWidth()), 200);
  g->ColumnSize()->StretchColumn = -1;
  g->ColumnSize()->SetStretch(true);
  EXPECT_EQ(g->ColWidths(2), g->ClientWidth() - 220 - 1);
  EXPECT_THROW(g->StretchToClientWidth(3), Exception);
  try {
    g->StretchToClientWidth(3);
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message, "Stretch column index out of range");
  }
}

TEST(Sizing, AutoFitColumnsScalesToTheGridWidth) {
  TExStringGrid g(nullptr);
  g.SetColCount(2);
  g.SetFixedCols(0);
  g.SetOptions(g.Options() - goVertLine - goFixedVertLine);
  g.SetScrollBars(ssNone);
  g.SetWidth(300);
  g.SetColWidths(0, 100);
  g.SetColWidths(1, 50);
  g.AutoFitColumns(true);
  EXPECT_EQ(g.ColWidths(0), 200);
  EXPECT_EQ(g.ColWidths(1), 100);
}

TEST(Sizing, TextMeasures) {
  TExStringGrid g(nullptr);
  g.SetXYOffset({2, 3});
  EXPECT_EQ(g.TotalXOffset(), 4);
  EXPECT_EQ(g.TotalYOffset(), 6);
  g.XYOffsetTopLeftOnly = true;
  EXPECT_EQ(g.TotalXOffset(), 2);
  EXPECT_EQ(g.TotalYOffset(), 3);
  g.SetCellEx(2, 1, "one\rtwo\rthree");
  EXPECT_EQ(g.MaxLinesInRow(1), 1);
  g.Multilinecells = true;
  EXPECT_EQ(g.MaxLinesInRow(1), 3);
  EXPECT_EQ(g.MaxLinesInRow(2), 1);
}

TEST(Sizing, RowsWithoutWordWrapTakeTheirLineCount) {
  TExStringGrid g(nullptr);
  g.SetWordWrap(false);
  g.Multilinecells = true;
  g.SetCellEx(1, 2, "a\rb");
  g.AutoSizeRows(false, 0);
  TCanvas* c = MeasureCanvas();
  c->Font()->Assign(*g.Font());
  const int h = c->TextHeight("gh");
  EXPECT_EQ(g.RowHeights(1), h + h / 8);
  EXPECT_EQ(g.RowHeights(2), 2 * (h + h / 8));
}

}  // namespace

namespace {

TEST(Sizing, AutoSizeCellsGrowsColumnsAndRows) {
  TExStringGrid g(nullptr);
  g.SetCellEx(2, 3, "a fairly long text");
  g.AutoSizeCells(false, 4, 6);
  const int w = TextWidthInGridFont(g, "a fairly long text");
  EXPECT_EQ(g.ColWidths(2), w + 4 + 2);
  EXPECT_EQ(g.RowHeights(3), 22);  // rows only grow, and the text is lower than the row
  EXPECT_EQ(g.ColWidths(1), 2 + 4);  // an empty column takes the padding and offset only
}

TEST(Sizing, ComboItemLookups) {
  TExStringGrid g(nullptr);
  g.ClearComboString();
  g.AddComboString("A");
  g.AddComboString("B");
  EXPECT_EQ(g.ComboCount(), 2);
  EXPECT_FALSE(g.RemoveComboString("C"));
  g.SetCellEx(1, 1, "B");
  EXPECT_EQ(g.GetComboIndex(1, 1), 1);
  g.SetComboIndex(1, 2, 0);
  EXPECT_EQ(g.GetCellEx(1, 2), "A");
  EXPECT_TRUE(g.RemoveComboString("A"));
  EXPECT_EQ(g.ComboCount(), 1);
  EXPECT_EQ(g.GetComboIndex(1, 2), -1);
}

}  // namespace

namespace {

// A column sized with the mouse at a header border ends once, with the
// column-size handler's width; a mere move over the border ends nothing.
TEST(Sizing, MouseSizingEndsTheSizingOnce) {
  TForm form(nullptr);
  form.SetClientSize(500, 300);
  auto* g = new TExStringGrid(&form);
  g->SetParent(&form);
  g->SetBounds(0, 0, 400, 250);
  g->SetOptions(g->Options() + goColSizing);
  form.Show();
  std::vector<int> ended;
  g->OnEndColumnSize = [&](TObject*, int col) { ended.push_back(col); };
  g->OnUpdateColumnSize = [&](TObject*, int, int& width) { width = std::min(width, 90); };
  const TRect header = g->CellRect(2, 0);
  MouseMoveTo(g, header.Right - 1, header.Top + 5);  // over the border, no button
  g->SetColWidths(3, 70);
  EXPECT_TRUE(ended.empty());
  MousePress(g, header.Right - 1, header.Top + 5);
  MouseMoveTo(g, header.Right + 60, header.Top + 5, Qt::LeftButton);
  MouseRelease(g, header.Right + 60, header.Top + 5);
  EXPECT_EQ(ended, std::vector<int>{2});
  EXPECT_EQ(g->ColWidths(2), 90);
  form.Hide();
}

}  // namespace
