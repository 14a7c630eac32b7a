// The cell drawing, probed on offscreen renders of a grid: the text origin, the
// header gradient, a data check-box cell without text, the focus rectangle, the
// disabled check box of a read-only cell and the window border of the looks.
#include <gtest/gtest.h>

#include <algorithm>

#include "grid/base/draw_arithmetic.h"
#include "grid/view/glyph_artwork.h"
#include "tests/grid/view/paint_fixture.h"

namespace {

// The first column (from the left) in rows y0..y1 of x0..x1 that holds a pixel
// darker than `limit` in every component; -1 when none.
int FirstDarkColumn(TBitmap& b, int x0, int x1, int y0, int y1, int limit = 0x80) {
  for (int x = x0; x < x1; ++x)
    for (int y = y0; y < y1; ++y) {
      const TColor p = b.Canvas()->Pixel(x, y);
      if (GetRValue(p) < limit && GetGValue(p) < limit && GetBValue(p) < limit) return x;
    }
  return -1;
}

int FirstDarkRow(TBitmap& b, int x0, int x1, int y0, int y1, int limit = 0x80) {
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) {
      const TColor p = b.Canvas()->Pixel(x, y);
      if (GetRValue(p) < limit && GetGValue(p) < limit && GetBValue(p) < limit) return y;
    }
  return -1;
}

TEST(PaintCellDrawing, TextStartsTwoPixelsInsideTheCell) {
  TPaintFixture<> f;
  f.grid->SetCellEx(1, 1, "|");
  f.grid->Font()->SetColor(clBlack);
  f.Render();
  const TRect r = f.grid->CellRect(1, 1);
  // The inner corner is the cell rectangle less the grid line; the text's cell
  // starts 2 pixels right and below it.
  const int x = FirstDarkColumn(f.bitmap, r.Left + 1, r.Right - 1, r.Top + 1, r.Bottom - 1);
  const int y = FirstDarkRow(f.bitmap, r.Left + 1, r.Right - 1, r.Top + 1, r.Bottom - 1);
  ASSERT_GE(x, 0);
  EXPECT_GE(x, r.Left + 1 + 2);
  EXPECT_LE(x, r.Left + 1 + 2 + 2);  // the bar's own side bearing
  EXPECT_GE(y, r.Top + 1 + 2);
  EXPECT_LE(y, r.Top + 1 + 2 + 4);
}

TEST(PaintCellDrawing, HeaderGradientRunsFromWhiteToTheButtonFace) {
  TPaintFixture<> f;
  f.Render();
  const TRect r = f.grid->CellRect(2, 0);
  const int x = (r.Left + r.Right) / 2;
  const TColor top = f.Pixel(x, r.Top + 2), bottom = f.Pixel(x, r.Bottom - 4);
  const TColor face = ColorToRGB(clBtnFace);
  // The gradient's first pixel rows are (nearly) white, its last ones (nearly)
  // the button face; the top is lighter than the bottom.
  EXPECT_GE(GetRValue(top), 250);
  EXPECT_GE(GetGValue(top), 250);
  EXPECT_GE(GetBValue(top), 250);
  EXPECT_GT(GetRValue(top) + GetGValue(top) + GetBValue(top), GetRValue(bottom) + GetGValue(bottom) + GetBValue(bottom));
  EXPECT_NEAR(GetRValue(bottom), GetRValue(face), 3);
  EXPECT_NEAR(GetGValue(bottom), GetGValue(face), 3);
  EXPECT_NEAR(GetBValue(bottom), GetBValue(face), 3);
  // The XP look's lines: white down the left side, the fixed colour halved at
  // the bottom (the top edge of the window carries the window border).
  EXPECT_EQ(f.Pixel(r.Left, (r.Top + r.Bottom) / 2), clWhite);
  EXPECT_EQ(f.Pixel(x, r.Bottom - 1), HalveColor(f.grid->FixedColor()));
}

TEST(PaintCellDrawing, DataCheckBoxCellShowsOnlyItsGlyph) {
  TPaintFixture<TExColumnGrid> f;
  f.grid->Columns()->Items(2)->SetEditor(edDataCheckBox);
  f.grid->ControlLook()->ControlStyle = csWinXP;
  f.grid->SetCellEx(2, 1, "Y");
  f.grid->SetCellEx(2, 2, "N");
  f.grid->SetCellEx(3, 1, "Y");  // a text cell with the same text, for comparison
  f.Render();
  const TRect checked = f.grid->CellRect(2, 1), unchecked = f.grid->CellRect(2, 2), text = f.grid->CellRect(3, 1);
  // Text is drawn in the text cell, not beside the glyph of the check-box cell.
  EXPECT_GE(FirstDarkColumn(f.bitmap, text.Left, text.Right, text.Top, text.Bottom), 0);
  const int glyphRight = checked.Left + 1 + 16 + 4;
  EXPECT_EQ(FirstDarkColumn(f.bitmap, glyphRight, checked.Right - 1, checked.Top + 1, checked.Bottom - 1), -1);
  // The glyphs: a checked box shows its tick, an unchecked one none.
  auto hasColour = [&](const TRect& r, TColor c) {
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x)
        if (f.Pixel(x, y) == c) return true;
    return false;
  };
  EXPECT_TRUE(hasColour(checked, kGlyphFrame));
  EXPECT_TRUE(hasColour(checked, kGlyphMark));
  EXPECT_TRUE(hasColour(unchecked, kGlyphFrame));
  EXPECT_FALSE(hasColour(unchecked, kGlyphMark));
}

TEST(PaintCellDrawing, CheckBoxOfAReadOnlyColumnIsDrawnDisabled) {
  TPaintFixture<TExColumnGrid> f;
  f.grid->Columns()->Items(2)->SetEditor(edDataCheckBox);
  f.grid->Columns()->Items(3)->SetEditor(edDataCheckBox);
  f.grid->Columns()->Items(3)->ReadOnly = true;
  f.grid->ControlLook()->ControlStyle = csWinXP;
  f.grid->SetCellEx(2, 1, "Y");
  f.grid->SetCellEx(3, 1, "Y");
  auto hasColour = [&](const TRect& r, TColor c) {
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x)
        if (f.Pixel(x, y) == c) return true;
    return false;
  };
  f.Render();
  EXPECT_TRUE(hasColour(f.grid->CellRect(2, 1), kGlyphMark));
  EXPECT_FALSE(hasColour(f.grid->CellRect(2, 1), kGlyphMarkDisabled));
  EXPECT_TRUE(hasColour(f.grid->CellRect(3, 1), kGlyphMarkDisabled));
  EXPECT_FALSE(hasColour(f.grid->CellRect(3, 1), kGlyphMark));
  // Always-active boxes are drawn enabled even there.
  f.grid->ControlLook()->CheckAlwaysActive = true;
  f.Render();
  EXPECT_TRUE(hasColour(f.grid->CellRect(3, 1), kGlyphMark));
}

TEST(PaintCellDrawing, FocusRectangleOnlyWhenFocused) {
  TPaintFixture<> f;
  f.grid->SetCol(2);
  f.grid->SetRow(2);
  f.grid->SetSelectionColor(clWhite);  // a plain current cell
  f.grid->SetColor(clWhite);
  auto dotted = [&] {
    const TRect r = f.grid->CellRect(2, 2);
    int dark = 0;
    for (int x = r.Left + 2; x < r.Right - 3; ++x)
      if (GetRValue(f.Pixel(x, r.Top)) < 0x80) ++dark;
    return dark;
  };
  f.Render();
  ASSERT_FALSE(f.grid->Focused());
  const int unfocused = dotted();
  f.form->Show();
  f.grid->SetFocus();
  ASSERT_TRUE(f.grid->Focused());
  f.Render();
  EXPECT_GT(dotted(), unfocused + 5);
  f.form->Hide();
}

// The focus rectangle finds a cell's merge base by real column and compares it
// with the current cell by display column. Real column 1 is hidden and real
// columns 2 and 3 are merged (display columns 1 and 2), so display column 3 is
// real column 4, which no block covers, although real column 3 is covered.
TEST(PaintCellDrawing, FocusRectangleFindsTheMergeBaseByRealColumn) {
  struct TDrawGrid : TExStringGrid {
    using TExStringGrid::TExStringGrid;
    using TExStringGrid::DrawGridCell;
  };
  struct Case {
    int current, drawn;
    bool framed;
  } cases[] = {{3, 3, true}, {3, 4, false}, {1, 1, true}, {1, 3, false}};
  TPaintFixture<TDrawGrid> f;
  f.grid->SetColCount(7);
  f.grid->SetSelectionColor(clWhite);
  f.grid->SetColor(clWhite);
  f.grid->HideColumn(1);
  f.grid->MergeCells(2, 2, 2, 1);
  f.form->Show();
  f.grid->SetFocus();
  ASSERT_TRUE(f.grid->Focused());
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "current " << c.current << ", drawn " << c.drawn);
    f.grid->SetCol(c.current);
    f.grid->SetRow(2);
    ASSERT_EQ(f.grid->Col(), c.current);
    TBitmap b;
    b.SetSize(60, 24);
    const TRect r{0, 0, 60, 24};
    b.Canvas()->Brush()->SetColor(clWhite);
    b.Canvas()->FillRect(r);
    f.grid->DrawGridCell(b.Canvas(), c.drawn, 2, r, {});
    int dark = 0;  // the frame's dots (the cell is empty and white)
    for (int y = 0; y < 24; ++y)
      for (int x = 0; x < 60; ++x)
        if (GetRValue(b.Canvas()->Pixel(x, y)) < 0x80) ++dark;
    EXPECT_EQ(dark > 5, c.framed) << dark;
  }
  f.form->Hide();
}

TEST(PaintCellDrawing, WindowBorderOfTheLooks) {
  TPaintFixture<> f;
  f.Render();
  EXPECT_EQ(f.Pixel(f.grid->Width() - 1, f.grid->Height() - 1), 0xB99D7F);  // XP: the border colour
  f.grid->SetLook(glStandard);
  f.Render();
  EXPECT_NE(f.Pixel(f.grid->Width() - 1, f.grid->Height() - 1), 0xB99D7F);
}

}  // namespace

namespace {

TEST(PaintCellDrawing, BackgroundPictureInNormalCells) {
  TPaintFixture<> f;
  TBitmap picture(400, 250);
  picture.Canvas()->Brush()->SetColor(clRed);
  picture.Canvas()->FillRect(Rect(0, 0, 400, 250));
  f.grid->BackGround()->SetBitmap(&picture);
  f.grid->BackGround()->SetDisplay(bdFixed);
  f.grid->BackGround()->SetCells(bcNormal);
  f.Render();
  const TRect normal = f.grid->CellRect(2, 3), fixed = f.grid->CellRect(2, 0);
  EXPECT_EQ(f.Pixel(normal.Left + 20, normal.Top + 10), clRed);
  EXPECT_NE(f.Pixel(fixed.Left + 20, fixed.Top + 10), clRed);
  // Tiles of a two-colour picture alternate across the cells.
  TBitmap tile(2, 1);
  tile.Canvas()->SetPixel(0, 0, clLime);
  tile.Canvas()->SetPixel(1, 0, clBlue);
  f.grid->BackGround()->SetBitmap(&tile);
  f.grid->BackGround()->SetDisplay(bdTile);
  f.Render();
  const TColor a = f.Pixel(normal.Left + 20, normal.Top + 10), b = f.Pixel(normal.Left + 21, normal.Top + 10);
  EXPECT_TRUE((a == clLime && b == clBlue) || (a == clBlue && b == clLime)) << std::hex << a << " " << b;
}

// The box of the dark pixels in a cell (left, top, right, bottom inclusive);
// Left -1 when the cell holds none.
TRect InkBox(TBitmap& b, const TRect& r) {
  TRect box{-1, -1, -1, -1};
  for (int y = r.Top + 1; y < r.Bottom - 1; ++y)
    for (int x = r.Left + 1; x < r.Right - 1; ++x) {
      const TColor p = b.Canvas()->Pixel(x, y);
      if (GetRValue(p) >= 0x80 || GetGValue(p) >= 0x80 || GetBValue(p) >= 0x80) continue;
      if (box.Left < 0) box = {x, y, x, y};
      box.Left = std::min(box.Left, x);
      box.Top = std::min(box.Top, y);
      box.Right = std::max(box.Right, x);
      box.Bottom = std::max(box.Bottom, y);
    }
  return box;
}

// A rotated cell draws its text in a turned font: upright text is wider than
// high, text turned by 90 degrees higher than wide.
TEST(PaintCellDrawing, RotatedCellTurnsItsText) {
  TPaintFixture<> f;
  f.grid->SetColWidths(2, 120);
  f.grid->SetRowHeights(2, 120);
  f.grid->Font()->SetColor(clBlack);
  for (int angle : {0, 90}) {
    SCOPED_TRACE(angle);
    f.grid->AddRotated(2, 2, static_cast<int16_t>(angle), "WWWWWW");
    f.Render();
    const TRect box = InkBox(f.bitmap, f.grid->CellRect(2, 2));
    ASSERT_GE(box.Left, 0);
    const int w = box.Right - box.Left, h = box.Bottom - box.Top;
    if (angle == 0)
      EXPECT_GT(w, 2 * h);
    else
      EXPECT_GT(h, 2 * w);
  }
}

// A rich-text cell is rendered by the hidden rich edit: the same text in the
// same font as a plain cell, inset once more by XYOffset inside the text
// margins; it measures as its plain text.
TEST(PaintCellDrawing, RichTextCellIsRenderedInsetByTheOffset) {
  TPaintFixture<> f;
  f.grid->Font()->SetColor(clBlack);
  f.grid->SetColWidths(2, 120);
  f.grid->SetColWidths(3, 120);
  f.grid->SetCellEx(2, 2, "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 Hello}");
  f.grid->SetCellEx(3, 2, "Hello");
  f.Render();
  const TRect rich = f.grid->CellRect(2, 2), plain = f.grid->CellRect(3, 2);
  const TRect a = InkBox(f.bitmap, rich), b = InkBox(f.bitmap, plain);
  ASSERT_GE(b.Left, 0);
  const TPoint o = f.grid->XYOffset();
  EXPECT_EQ(a.Left - rich.Left, b.Left - plain.Left + o.X);
  EXPECT_EQ(a.Right - rich.Left, b.Right - plain.Left + o.X);
  EXPECT_EQ(a.Bottom - rich.Top, b.Bottom - plain.Top + o.Y);
  EXPECT_EQ(f.grid->GetCellTextSize(2, 2, false, false), f.grid->GetCellTextSize(3, 2, false, false));
}

}  // namespace
