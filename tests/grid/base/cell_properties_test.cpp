// Cell properties and the base painting of every cell: Assign, merged blocks
// painted once per pass, the styled selection frame kinds, hover and active-row
// precedence, PaintCellExt and the hidden last row.
#include "grid/base/cell_properties.h"

#include <gtest/gtest.h>

#include <QImage>
#include <map>

#include "grid/base/base_grid.h"

namespace {

constexpr TColor kCellBack = RGB(250, 250, 250), kFixedBack = RGB(200, 200, 200);

// A grid whose look of each cell comes from two plain colours and which counts
// the content calls.
class PaintGrid : public TBaseGrid {
public:
  PaintGrid() : TBaseGrid(nullptr) {
    SetScrollBars(ssNone);
    SetBounds(0, 0, 400, 200);
    SetColCount(6);
    SetRowCount(6);
    SetDefaultColWidth(50);
    SetDefaultRowHeight(20);
    SetColor(clWhite);
  }
  std::map<std::pair<int, int>, int> contents;
  QImage image{400, 200, QImage::Format_RGB32};

  void PaintOnce() {
    contents.clear();
    image.fill(Qt::black);
    Canvas()->BindImage(&image);
    Paint();
    Canvas()->ReleasePainter();
  }
  TColor At(int x, int y) { return Canvas()->Pixel(x, y); }
  TRect Cell(int c, int r) { return CellRect(c, r); }
  TColor Middle(int c, int r) {
    TRect rc = Cell(c, r);
    return At(rc.Left + rc.Width() / 2, rc.Top + 4);
  }

protected:
  void DrawGridCell(TCanvas*, int ACol, int ARow, TRect, TGridDrawState) override { ++contents[{ACol, ARow}]; }
  void GetVisualProperties(int ACol, int ARow, TGridDrawState& AState, bool, bool, bool, TBrush* ABrush, TColor&,
                           TColor&, TColor&, TFont*, TAlignment&, TVAlignment&, bool&, TCellGradientDirection&) override {
    ABrush->SetColor(AState.Contains(gdFixed) ? kFixedBack : kCellBack);
  }
};

TEST(CellProperties, AssignCopiesTheListedFieldsOnly) {
  PaintGrid g;
  TCellProperties a(&g, 1, 2), b(&g, 3, 4);
  a.IsBaseCell = false;
  a.CellSpanX = 2;
  a.CellSpanY = 3;
  a.CellObject = 7;
  a.SetAlignment(taCenter);
  a.BorderColor = clRed;
  a.BorderWidth = 2;
  a.SetBrushColor(clBlue);
  a.BrushStyle = bsClear;
  a.FontColor = clGreen;
  a.FontStyle = {fsBold};
  a.FontName = "Serif";
  a.FontSize = 14;
  a.ReadOnly = true;
  a.Editor = edComboList;
  a.SetVAlignment(vtaBottom);
  a.SetWordWrap(false);
  a.NodeLevel = 3;
  TObject graphic, calc;
  a.GraphicObject = &graphic;
  a.SetBrushColorTo(clYellow);
  a.GradientDirection = GradientHorizontal;
  a.PaintID = 9;
  a.CalcType = acSUM;
  a.CalcObject = &calc;
  b.Assign(&a);
  struct Case { const char* field; bool copied; } cases[] = {
      {"IsBaseCell", !b.IsBaseCell}, {"CellSpanX", b.CellSpanX == 2}, {"CellSpanY", b.CellSpanY == 3},
      {"OwnerCol", b.OwnerCol == 1}, {"OwnerRow", b.OwnerRow == 2}, {"CellObject", b.CellObject == 7},
      {"Alignment", b.Alignment() == taCenter}, {"BorderColor", b.BorderColor == clRed},
      {"BorderWidth", b.BorderWidth == 2}, {"BrushColor", b.BrushColor() == clBlue},
      {"BrushStyle", b.BrushStyle == bsClear}, {"FontColor", b.FontColor == clGreen},
      {"FontStyle", b.FontStyle == TFontStyles{fsBold}}, {"FontName", b.FontName == "Serif"},
      {"FontSize", b.FontSize == 14}, {"ReadOnly", b.ReadOnly}, {"Editor", b.Editor == edComboList},
      {"VAlignment", b.VAlignment() == vtaBottom}, {"WordWrap", !b.WordWrap()}, {"NodeLevel", b.NodeLevel == 3}};
  for (const auto& c : cases) EXPECT_TRUE(c.copied) << c.field;
  struct Left { const char* field; bool kept; } left[] = {
      {"GraphicObject", b.GraphicObject == nullptr}, {"BrushColorTo", b.BrushColorTo() == clNone},
      {"GradientDirection", b.GradientDirection == GradientVertical}, {"PaintID", b.PaintID == 0},
      {"CalcType", b.CalcType == acNONE}, {"CalcObject", b.CalcObject == nullptr}, {"OwnerGrid", b.OwnerGrid == &g}};
  for (const auto& c : left) EXPECT_TRUE(c.kept) << c.field;
}

TEST(CellPropertiesPaint, MergedBlockPaintsOncePerPassThroughItsCoveredCells) {
  PaintGrid g;
  g.MergeCells(2, 2, 2, 2);
  g.PaintOnce();
  // The base cell paints itself directly, and the block once more from the first
  // covered cell; the covered cells never paint content of their own.
  EXPECT_EQ((g.contents[{2, 2}]), 2);
  EXPECT_EQ(g.contents.count({3, 2}) + g.contents.count({2, 3}) + g.contents.count({3, 3}), 0u);
  g.PaintOnce();
  EXPECT_EQ((g.contents[{2, 2}]), 2);  // the next pass paints it again

  // With the base column scrolled out, only the covered cells are in view.
  PaintGrid s;
  s.MergeCells(1, 2, 2, 2);
  s.SetLeftCol(2);
  s.PaintOnce();
  EXPECT_EQ((s.contents[{1, 2}]), 1);
  s.PaintOnce();
  EXPECT_EQ((s.contents[{1, 2}]), 1);
  // ... and its block is clipped at the fixed column: the fixed cell keeps its look.
  EXPECT_EQ(s.At(25, s.Cell(2, 2).Top + 5), kFixedBack);
}

// Selection of columns 2..4 in row 2, drawn in the Vista look.
struct SelectionFrames : ::testing::Test {
  PaintGrid g;
  void SetUp() override {
    g.SetSelectionStyle(ssVista);
    g.SetSelection(TGridRect{2, 2, 4, 2});
  }
};

TEST_F(SelectionFrames, KindsFollowThePositionInTheRun) {
  g.PaintOnce();
  const TColor border = 0xD9D9D9;  // the unfocused set: the grid has no focus
  struct Case { int col; bool leftSide, rightSide; } cases[] = {{2, true, false}, {3, false, false}, {4, false, true}};
  for (const auto& c : cases) {
    TRect r = g.Cell(c.col, 2);
    const int mid = r.Top + 6;
    EXPECT_EQ(g.At(r.Left, mid) == border, c.leftSide) << c.col;
    EXPECT_EQ(g.At(r.Right - 2, mid) == border, c.rightSide) << c.col;
    EXPECT_EQ(g.At(r.Left, r.Top) == g.Color(), c.leftSide) << c.col << ": outer corner in the grid colour";
    EXPECT_EQ(g.At(r.Left + 10, r.Top), border) << c.col << ": top line";
  }
  EXPECT_EQ(g.Middle(5, 2), kCellBack);
}

TEST_F(SelectionFrames, SingleCellAndFocusedColours) {
  g.SetSelection(TGridRect{3, 3, 3, 3});
  g.SetOptions(g.Options() + goDrawFocusSelected);  // draws as focused
  g.PaintOnce();
  TRect r = g.Cell(3, 3);
  EXPECT_EQ(g.At(r.Left, r.Top + 6), TColor(0xFDDE99));
  EXPECT_EQ(g.At(r.Right - 2, r.Top + 6), TColor(0xFDDE99));
  g.SetSelectionStyle(ssDefault);
  g.PaintOnce();
  EXPECT_EQ(g.Middle(3, 3), kCellBack);  // no frame in the default look
}

TEST(CellPropertiesPaint, HoverAndActiveRowPrecedence) {
  struct Case {
    const char* what;
    THoverRowCells cells;
    int col;
    TColor expected;
  } cases[] = {
      {"active row wins over hover", {hcNormal, hcSelected}, 4, clBlue},
      {"current cell: hover (selected allowed)", {hcNormal, hcSelected}, 2, clRed},
      {"current cell: selected not hovered", {hcNormal}, 2, kCellBack},
      {"fixed cell without hcFixed", {hcNormal, hcSelected}, 0, kFixedBack},
      {"fixed cell with hcFixed", {hcNormal, hcFixed}, 0, clRed},
  };
  for (const auto& c : cases) {
    PaintGrid g;
    g.HoverRow = true;
    g.HoverRowIdx = 3;
    g.HoverRowColor = clRed;
    g.HoverRowCells = c.cells;
    g.SetActiveRowShow(true);
    g.SetActiveRowColor(clBlue);
    g.SetCol(2);
    g.SetRow(3);
    g.PaintOnce();
    EXPECT_EQ(g.Middle(c.col, 3), c.expected) << c.what;
    EXPECT_EQ(g.Middle(c.col, 4), c.col == 0 ? kFixedBack : kCellBack) << c.what << ": other row";
  }
}

TEST(CellPropertiesPaint, PaintCellExtAndHiddenLastRow) {
  PaintGrid g;
  g.SetActiveRowColor(clBlue);
  QImage image(60, 30, QImage::Format_RGB32);
  TCanvas canvas;
  canvas.BindImage(&image);
  g.PaintCellExt(&canvas, 2, 2, Rect(0, 0, 50, 20), {gdSelected});
  EXPECT_EQ(canvas.Pixel(20, 8), clBlue);
  EXPECT_TRUE(g.contents.empty());
  canvas.ReleasePainter();

  g.HideLastRow = true;
  g.PaintOnce();
  for (int c = 0; c < 6; ++c) {
    EXPECT_EQ(g.contents.count({c, 5}), 0u) << c;
    EXPECT_EQ(g.Middle(c, 5), clWhite) << c;
  }
  EXPECT_EQ((g.contents[{2, 4}]), 1);
}

}  // namespace
