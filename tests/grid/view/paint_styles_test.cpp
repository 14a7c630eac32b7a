// The colour presets and the control look: what a style sets and leaves, the
// look's defaults, its fixed-gradient setters and Assign.
#include <gtest/gtest.h>

#include "grid/view/ex_string_grid.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/shapes.h"

namespace {

TEST(PaintStyles, CustomStyleOnlyResetsSelectionSortHeaderAndLook) {
  TExStringGrid g(nullptr);
  g.SetLook(glSoft);
  g.VODGradientFrom = clRed;
  g.SetSelectionColor(clLime);
  g.SortSettings()->SetHeaderColor(clAqua);
  g.ControlLook()->SetCommentColor(clBlue);
  g.SetStyle(gsCustom);
  EXPECT_EQ(g.Look(), glSoft);
  EXPECT_EQ(g.VODGradientFrom, clRed);
  EXPECT_EQ(g.SelectionColor(), clHighlight);
  EXPECT_EQ(g.SelectionTextColor(), clHighlightText);
  EXPECT_EQ(g.SortSettings()->HeaderColor(), clNone);
  EXPECT_EQ(g.ControlLook()->CommentColor, clRed);
}

TEST(PaintStyles, StyleTable) {
  struct Case {
    TExGridStyle style;
    TGridLook look;
    TColor headerFrom, headerTo, selection;
    TGridSelectionStyle selectionStyle;
  } cases[] = {
      {gsOffice2003Blue, glXP, 0xFCE1CB, 0xE0A57D, 0x94E6FB, ssDefault},
      {gsOffice2007Luna, glOffice2007, 0xFBF9F6, 0xE8DBD2, 0x5EC1F1, ssOffice2007},
      {gsWindowsVista, glVista, clWhite, clWhite, 0xEACAB6, ssVista},
      {gsWindows7, glWin7, 0xFDFCFA, 0xFAF0E6, 0xEACAB6, ssWin7},
      {gsOffice2010Black, glOffice2007, 0x6A6A6A, 0x6A6A6A, 0xFFDBB7, ssDefault},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.style);
    TExStringGrid g(nullptr);
    g.SetStyle(c.style);
    EXPECT_EQ(g.Look(), c.look);
    EXPECT_EQ(g.VODGradientFrom, c.headerFrom);
    EXPECT_EQ(g.VODGradientTo, c.headerTo);
    EXPECT_EQ(g.SelectionColor(), c.selection);
    EXPECT_EQ(g.SelectionStyle(), c.selectionStyle);
  }
  TExStringGrid g(nullptr);
  g.SetLook(glSoft);
  g.SetStyle(gsWhidbey);
  EXPECT_EQ(g.Look(), glSoft);  // Whidbey keeps the look
  g.SetStyle(gsWindows7);
  EXPECT_EQ(g.GradientHoverFrom, 0xFEFBF8);  // the look's hover colours overwrite the direct ones
  EXPECT_EQ(g.SortSettings()->HeaderColor(), 0xFCF9F2);
}

TEST(PaintStyles, ControlLookDefaultsAndGradientSetters) {
  TExStringGrid g(nullptr);
  TControlLook* look = g.ControlLook();
  EXPECT_EQ(look->CheckSize, 15);
  EXPECT_EQ(look->RadioSize, 10);
  EXPECT_EQ(look->ControlStyle, csTheme);
  EXPECT_EQ(look->DropDownCount, 8);
  EXPECT_EQ(look->ProgressMarginX, 2);
  EXPECT_EQ(look->FixedGradientHoverFrom, clGray);
  EXPECT_EQ(look->FixedGradientHoverTo, clWhite);
  const TColor before = g.VODGradientFrom;
  look->SetFixedGradientFrom(clNone);
  EXPECT_EQ(g.VODGradientFrom, before);  // none leaves the grid's colour
  look->SetFixedGradientFrom(clRed);
  EXPECT_EQ(g.VODGradientFrom, clRed);
  look->SetFixedGradientHoverMirrorFrom(clYellow);
  EXPECT_EQ(g.GradientHoverMirrorFrom, clYellow);
  look->SetFixedGradientHoverMirrorFrom(clNone);  // none removes a mirror
  EXPECT_EQ(g.GradientHoverMirrorFrom, clNone);
  TExStringGrid other(nullptr);
  other.ControlLook()->Assign(look);
  EXPECT_EQ(other.ControlLook()->FixedGradientFrom, clRed);
  EXPECT_NE(other.VODGradientFrom, clRed);  // Assign does not touch the grid's colours
}

TEST(PaintStyles, ThemeSchemes) {
  TExStringGrid g(nullptr);
  g.SetTheme(xpBlue);
  EXPECT_EQ(g.VODGradientFrom, 0xFCE1CB);
  EXPECT_EQ(g.ControlLook()->FixedGradientFrom, 0xFCE1CB);
  g.SetTheme(xpNone);
  EXPECT_EQ(g.VODGradientTo, clBtnFace);
  EXPECT_EQ(g.ControlLook()->FixedGradientFrom, clNone);
  g.SetTheme(vistaAero);
  EXPECT_EQ(g.VODGradientMirrorFrom, 0xFAF8F7);
}

TEST(PaintStyles, SizingLineDrawnTwiceIsGone) {
  TExStringGrid g(nullptr);
  g.DrawColSizingLine(40);
  EXPECT_EQ(g.SizingLine(), (TPoint{40, -1}));
  g.DrawColSizingLine(40);
  EXPECT_EQ(g.SizingLine(), (TPoint{-1, -1}));
}

TEST(PaintStyles, PictureFitting) {
  struct Case {
    TStretchMode mode;
    int cw, rh;
    TPoint size;
  } cases[] = {
      {StretchWithAspectRatio, 50, 50, {50, 25}}, {ShrinkWithAspectRatio, 50, 50, {50, 25}},
      {ShrinkWithAspectRatio, 200, 200, {100, 50}}, {noStretch, 10, 10, {100, 50}},
      {Stretch, 30, 40, {30, 40}}, {Shrink, 200, 200, {100, 50}}, {Shrink, 60, 200, {60, 200}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(TCellGraphic::FitPictureSize(100, 50, c.cw, c.rh, 0, c.mode), c.size) << c.mode << " " << c.cw;
}

}  // namespace

namespace {

TEST(PaintStyles, GraphicSizesOnScreenAndInPrint) {
  TExStringGrid g(nullptr);
  g.AddCheckBox(1, 1, true, false);
  g.AddButton(2, 1, 40, 18, "Go", haLeft, vaTop);
  TPicture* p = g.CreatePicture(3, 1, false, StretchWithAspectRatio, 0, haLeft, vaTop);
  p->Bitmap()->SetSize(100, 50);
  TPoint s;
  g.CalcCellGraphicPrintSize(1, 1, 0, 0, 1, s);
  EXPECT_EQ(s, (TPoint{15, 15}));
  g.CalcCellGraphicPrintSize(2, 1, 0, 0, 1, s);
  EXPECT_EQ(s, (TPoint{40, 18}));
  g.CalcCellGraphicPrintSize(3, 1, 100, 100, 2, s);  // 50 by 50 after the scale
  EXPECT_EQ(s, (TPoint{50, 25}));
  EXPECT_EQ(g.GetCellGraphicSize(1, 1), (TPoint{15, 15}));
  EXPECT_EQ(g.GetCellGraphicSize(2, 1), (TPoint{40, 18}));  // no text: the button's size
}

}  // namespace
