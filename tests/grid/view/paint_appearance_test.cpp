// The cell appearance: one table of cell situations and the brush, gradient end,
// font and draw state each resolves to; the alignment rules and colour mixing.
#include <gtest/gtest.h>

#include <functional>

#include "grid/base/text_kinds.h"
#include "grid/view/column_grid.h"

namespace {

struct TLook {
  TColor Brush, ColorTo;
  QString FontName;
  bool Bold;
  TColor FontColor;
  TGridDrawState State;
};

TLook Resolve(TExStringGrid& g, int c, int r, TGridDrawState state = {}, bool select = false) {
  TBrush brush;
  TFont font;
  TColor to = clNone, mirror = clNone, mirrorTo = clNone;
  TAlignment ha = taLeftJustify;
  TVAlignment va = vtaTop;
  bool ww = true;
  TCellGradientDirection gd = GradientVertical;
  g.GetVisualProperties(c, r, state, false, select, true, &brush, to, mirror, mirrorTo, &font, ha, va, ww, gd);
  return {brush.Color(), to, font.Name(), font.Style().Contains(fsBold), font.Color(), state};
}

TEST(PaintAppearance, CellSituationsTable) {
  struct Case {
    const char* situation;
    std::function<void(TExStringGrid&)> setup;
    int col, row;
    TGridDrawState state;
    bool select;
    TColor brush, colorTo;
    bool bold;
    TColor fontColor;
    TGridDrawState result;
  } cases[] = {
      {"plain normal cell", [](TExStringGrid&) {}, 2, 2, {}, false, clWindow, clNone, false, clWindowText, {}},
      {"header cell in the XP look", [](TExStringGrid&) {}, 2, 0, {}, false, clWhite, ColorToRGB(clBtnFace), true,
       clWindowText, {gdFixed}},
      {"header cell with its own colour keeps it, without gradient", [](TExStringGrid& g) { g.SetColors(2, 0, clRed); },
       2, 0, {}, false, clRed, clNone, true, clWindowText, {}},
      {"normal cell with its own colour", [](TExStringGrid& g) { g.SetColors(2, 2, clYellow); }, 2, 2, {}, false,
       clYellow, clNone, false, clWindowText, {}},
      {"cell in the selection", [](TExStringGrid& g) { g.SetSelection({1, 1, 3, 3}); }, 2, 2, {gdSelected}, true,
       0xEACAB6, clNone, false, clBlack, {gdSelected}},
      {"own colour in the selection, mixed half and half",
       [](TExStringGrid& g) {
         g.SetSelection({1, 1, 3, 3});
         g.SetSelectionColorMixer(true);
         g.SetColors(2, 2, RGB(0, 0, 0));
       },
       2, 2, {gdSelected}, true, RGB(0xB6 / 2, 0xCA / 2, 0xEA / 2), clNone, false, clBlack, {gdSelected}},
      {"disabled grid greys the font", [](TExStringGrid& g) { g.SetEnabled(false); }, 2, 2, {}, false, clWindow,
       clNone, false, clSilver, {}},
      {"bands", [](TExStringGrid& g) {
         g.Bands()->SetActive(true);
         g.Bands()->SetPrimaryColor(clAqua);
         g.Bands()->SetSecondaryColor(clLime);
       }, 2, 2, {}, false, clLime, clNone, false, clWindowText, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.situation);
    TExStringGrid g(nullptr);
    g.Font()->SetColor(clWindowText);
    c.setup(g);
    const TLook look = Resolve(g, c.col, c.row, c.state, c.select);
    EXPECT_EQ(look.Brush, c.brush);
    EXPECT_EQ(look.ColorTo, c.colorTo);
    EXPECT_EQ(look.Bold, c.bold);
    EXPECT_EQ(look.FontColor, c.fontColor);
    EXPECT_EQ(look.State, c.result);
  }
}

TEST(PaintAppearance, HeaderFontIsTheFixedFont) {
  TExStringGrid g(nullptr);
  EXPECT_EQ(Resolve(g, 1, 0).FontName, "Tahoma");
  EXPECT_EQ(Resolve(g, 1, 1).FontName, g.Font()->Name());
}

TEST(PaintAppearance, ColumnGridCellsTakeTheirColumnColour) {
  TExColumnGrid g(nullptr);
  g.Columns()->Items(2)->SetColor(clAqua);
  EXPECT_EQ(Resolve(g, 2, 3).Brush, clAqua);
  EXPECT_EQ(Resolve(g, 2, 0).Brush, clWhite);  // the header keeps the header gradient
}

TEST(PaintAppearance, AlignmentRules) {
  TExStringGrid g(nullptr);
  g.AutoNumAlign = true;
  const struct {
    const char* text;
    TAlignment ha;
  } cases[] = {{"12", taRightJustify}, {"-3.5", taRightJustify}, {"1E5", taRightJustify}, {"12a", taLeftJustify}};
  for (const auto& c : cases) {
    g.SetCellEx(1, 1, c.text);
    TAlignment ha;
    TVAlignment va;
    g.GetCellAlignment(1, 1, ha, va);
    EXPECT_EQ(ha, c.ha) << c.text;
    EXPECT_EQ(va, vtaTop);
  }
  // A cell with properties takes their alignment even for a number.
  g.SetCellEx(2, 1, "12");
  g.SetAlignments(2, 1, taCenter);
  TAlignment ha;
  TVAlignment va;
  g.GetCellAlignment(2, 1, ha, va);
  EXPECT_EQ(ha, taCenter);
}

// A formula keeps the automatic alignment (its raw text decides) over the
// alignment of the cell's properties, in plain and in packed wide form.
TEST(PaintAppearance, FormulaKeepsItsAutomaticAlignment) {
  struct TFormulaGrid : TExStringGrid {
    using TExStringGrid::TExStringGrid;
    void GetRawCellText(int, int, QString& Text) override { Text = "42"; }  // a formula's value
  } g(nullptr);
  g.AutoNumAlign = true;
  for (const QString& formula : {QStringLiteral("=A1+1"), EncodeWideCellText("=A1+1")}) {
    SCOPED_TRACE(formula.toStdString());
    g.SetCellEx(2, 1, formula);
    g.SetAlignments(2, 1, taCenter);
    TAlignment ha;
    TVAlignment va;
    g.GetCellAlignment(2, 1, ha, va);
    EXPECT_EQ(ha, taRightJustify);
  }
}

// Display column 2 is real column 3 once real column 1 is hidden.
TEST(PaintAppearance, DisjunctSelectionsAreKeptByDisplayColumn) {
  struct Case {
    const char* name;
    std::function<void(TExStringGrid&)> select;
  } cases[] = {
      {"column flags",
       [](TExStringGrid& g) {
         g.MouseActions()->SetDisjunctColSelect(true);
         g.SetColSelect(3, true);
       }},
      {"selected cells",
       [](TExStringGrid& g) {
         g.MouseActions()->SetDisjunctCellSelect(true);
         g.SetSelectedCells(3, 2, true);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TExStringGrid g(nullptr);
    g.SetColCount(6);
    g.HideColumn(1);
    g.SetSelection({1, 1, 1, 1});
    c.select(g);
    auto selected = [&](int col) { return Resolve(g, col, 2, {}, true).State.Contains(gdSelected); };
    EXPECT_TRUE(selected(3));
    EXPECT_FALSE(selected(2));
    EXPECT_FALSE(selected(4));
  }
}

TEST(PaintAppearance, FormattedCellThroughTheFloatFormatEvent) {
  TExStringGrid g(nullptr);
  g.SetCellEx(1, 1, "2");
  g.SetCellEx(1, 2, "abc");
  g.SetCellEx(1, 3, "2.5");
  EXPECT_EQ(g.GetFormattedCell(1, 1), "2");  // no event: the stored text
  QString format = "%.3f";
  g.OnGetFloatFormat = [&](TObject*, int, int, bool&, QString& f) { f = format; };
  EXPECT_EQ(g.GetFormattedCell(1, 1), "2.000");
  EXPECT_EQ(g.GetFormattedCell(1, 2), "abc");
  format = "%d";
  EXPECT_EQ(g.GetFormattedCell(1, 3), "2.5");  // an integer format on a float keeps the text
}

TEST(PaintAppearance, MixColors) {
  EXPECT_EQ(TExStringGrid::MixColors(clWhite, clBlack, 100), clWhite);
  EXPECT_EQ(TExStringGrid::MixColors(clWhite, clBlack, 0), clBlack);
  EXPECT_EQ(TExStringGrid::MixColors(clNone, clRed, 50), clRed);
  EXPECT_EQ(TExStringGrid::MixColors(clRed, clNone, 50), clRed);
  EXPECT_EQ(TExStringGrid::MixColors(RGB(100, 0, 255), RGB(0, 100, 0), 50), RGB(50, 50, 128));
  EXPECT_EQ(TExStringGrid::MixSelectionColor(clRed, clBlue, false, 50), clRed);
}

}  // namespace
