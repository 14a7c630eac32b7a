// Pixel probes of the drawing routines on an offscreen bitmap.
#include "grid/base/draw_routines.h"

#include <gtest/gtest.h>

#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"

namespace {

constexpr TColor kInnerTop = RGB(1, 1, 1), kInnerBottom = RGB(2, 2, 2), kBorder = RGB(3, 3, 3),
                 kCorner = RGB(4, 4, 4), kBack = RGB(5, 5, 5), kFill = RGB(6, 6, 6);

TBitmap* FreshBitmap(TBitmap& b, int w, int h, TColor color = clWhite) {
  b.SetSize(w, h);
  b.Canvas()->Brush()->SetColor(color);
  b.Canvas()->FillRect(Rect(0, 0, w, h));
  return &b;
}

void Frame(TBitmap& b, int kind) {
  DrawRoundFrame(b.Canvas(), kFill, clNone, clNone, clNone, kInnerTop, kInnerBottom, kBorder, kCorner, kBack,
                 Rect(0, 0, 20, 12), kind);
}

// A 20 x 12 frame: L = 0, T = 0, R = 19, B = 10, middle 5.
TEST(DrawRoundFrame, FrameKindsProbe) {
  struct Probe { int x, y; TColor color; };
  struct Case {
    int kind;
    std::vector<Probe> probes;
  } cases[] = {
      {0, {{0, 0, kBack}, {1, 0, kCorner}, {0, 1, kCorner}, {5, 0, kBorder}, {16, 0, kBorder}, {17, 0, kCorner},
           {18, 0, kBack}, {0, 5, kBorder}, {18, 5, kBorder}, {5, 1, kInnerTop}, {1, 3, kInnerTop},
           {1, 7, kInnerBottom}, {17, 7, kInnerBottom}, {5, 9, kInnerBottom}, {5, 10, kBorder}, {0, 10, kBack},
           {5, 5, kFill}, {2, 5, kFill}, {16, 5, kFill}}},
      {1, {{0, 0, kBack}, {0, 5, kBorder}, {18, 0, kBorder}, {18, 5, kFill}, {17, 5, kFill}}},
      {2, {{0, 0, kBorder}, {0, 5, kFill}, {18, 0, kBack}, {18, 5, kBorder}}},
      // Middle piece: top and bottom lines and the inner lines only.
      {3, {{0, 0, kBorder}, {18, 0, kBorder}, {0, 10, kBorder}, {0, 1, kInnerTop}, {0, 9, kInnerBottom},
           {0, 5, kFill}, {18, 5, kFill}, {1, 3, kFill}, {19, 5, clWhite}}},
  };
  for (const auto& c : cases) {
    TBitmap b;
    FreshBitmap(b, 24, 14);
    Frame(b, c.kind);
    for (const auto& p : c.probes)
      EXPECT_EQ(b.Canvas()->Pixel(p.x, p.y), p.color) << "kind " << c.kind << " at " << p.x << "," << p.y;
  }
}

TEST(DrawRoundFrame, MirroredInsideRunsTwoGradients) {
  TBitmap b;
  FreshBitmap(b, 24, 40);
  DrawRoundFrame(b.Canvas(), RGB(0, 0, 0), RGB(0, 0, 100), RGB(200, 0, 0), RGB(250, 0, 0), kInnerTop, kInnerBottom,
                 kBorder, kCorner, kBack, Rect(0, 0, 20, 40), 0);
  // Inside rows 2..36: upper half black to blue, lower half red to brighter red.
  EXPECT_EQ(b.Canvas()->Pixel(8, 2), RGB(0, 0, 0));
  EXPECT_EQ(GetRValue(b.Canvas()->Pixel(8, 30)) >= 200, true);
  EXPECT_EQ(GetBValue(b.Canvas()->Pixel(8, 18)) > 50, true);
}

TEST(DrawGradient, BandsAndDegenerateRects) {
  TBitmap b;
  FreshBitmap(b, 30, 10);
  DrawGradient(b.Canvas(), clBlack, RGB(0, 0, 200), 128, Rect(0, 0, 21, 10), true);
  EXPECT_EQ(b.Canvas()->Pixel(0, 5), RGB(0, 0, 0));
  EXPECT_EQ(b.Canvas()->Pixel(10, 5), RGB(0, 0, 100));
  EXPECT_EQ(b.Canvas()->Pixel(20, 5), RGB(0, 0, 200));
  EXPECT_EQ(b.Canvas()->Pixel(21, 5), clWhite);

  FreshBitmap(b, 30, 10);
  DrawGradient(b.Canvas(), clRed, clBlue, 16, Rect(0, 4, 30, 4), false);  // top = bottom: nothing
  EXPECT_EQ(b.Canvas()->Pixel(5, 4), clWhite);
  DrawGradient(b.Canvas(), clNone, clBlue, 16, Rect(0, 6, 30, 2), false);  // reversed, one colour: solid
  EXPECT_EQ(b.Canvas()->Pixel(5, 3), clBlue);
  EXPECT_EQ(b.Canvas()->Pixel(5, 6), clWhite);
}

TEST(DrawCellBackground, SolidMirrorAndBorder) {
  TBitmap b;
  FreshBitmap(b, 20, 20);
  DrawCellBackground(b.Canvas(), Rect(0, 0, 10, 10), clRed, clNone, clNone, clNone, true, clNone, false, true);
  EXPECT_EQ(b.Canvas()->Pixel(5, 10), clRed);  // the solid fill is one pixel taller
  FreshBitmap(b, 20, 20);
  DrawCellBackground(b.Canvas(), Rect(0, 0, 20, 20), clRed, clRed, clBlue, clBlue, true, clLime, true, true);
  EXPECT_EQ(b.Canvas()->Pixel(10, 5), clRed);
  EXPECT_EQ(b.Canvas()->Pixel(10, 15), clBlue);
  EXPECT_EQ(b.Canvas()->Pixel(0, 5), clLime);
  EXPECT_EQ(b.Canvas()->Pixel(19, 15), clLime);
  EXPECT_EQ(b.Canvas()->Pixel(10, 0), clRed);  // side lines only
}

bool IsYellowish(TColor c) { return GetRValue(c) > 180 && GetGValue(c) > 180 && GetBValue(c) < 90; }
bool IsReddish(TColor c) { return GetRValue(c) > 180 && GetGValue(c) < 90 && GetBValue(c) < 90; }

// A bar at (5, 5, 105, 25): complete part navy with yellow text, the rest white
// with red text; the text "50%" straddles the bar's end at x = 55.
TEST(DrawProgressBar, TextChangesColourAtTheBarEnd) {
  TBitmap b;
  FreshBitmap(b, 120, 30);
  TCanvas* c = b.Canvas();
  c->Brush()->SetColor(clFuchsia);
  DrawProgressBar(c, Rect(5, 5, 105, 25), clNavy, clYellow, clWhite, clRed, 50, 0, 0, 0, 100, "", clGreen, false);
  EXPECT_EQ(c->Pixel(10, 7), clNavy);
  EXPECT_EQ(c->Pixel(54, 7), clNavy);
  EXPECT_EQ(c->Pixel(55, 7), clWhite);
  EXPECT_EQ(c->Pixel(4, 10), clGreen);    // border one pixel outside
  EXPECT_EQ(c->Pixel(3, 10), clFuchsia);  // the earlier brush colour one more outside
  bool yellowLeft = false, redLeft = false, yellowRight = false, redRight = false;
  for (int x = 5; x < 105; ++x)
    for (int y = 5; y < 25; ++y) {
      TColor p = c->Pixel(x, y);
      (x < 55 ? yellowLeft : yellowRight) |= IsYellowish(p);
      (x < 55 ? redLeft : redRight) |= IsReddish(p);
    }
  EXPECT_TRUE(yellowLeft);
  EXPECT_TRUE(redRight);
  EXPECT_FALSE(redLeft);
  EXPECT_FALSE(yellowRight);
}

TEST(DrawProgressBar, LimitsAndEmptyRange) {
  TBitmap b;
  FreshBitmap(b, 120, 30);
  DrawProgressBar(b.Canvas(), Rect(5, 5, 105, 25), clNavy, clYellow, clWhite, clRed, 250, 0, 0, 0, 100, "", clNone, false);
  EXPECT_EQ(b.Canvas()->Pixel(103, 7), clNavy);  // above Max: full bar
  FreshBitmap(b, 120, 30);
  DrawProgressBar(b.Canvas(), Rect(5, 5, 105, 25), clNavy, clYellow, clSilver, clRed, 7, 0, 0, 3, 3, "%d", clNone, false);
  EXPECT_EQ(b.Canvas()->Pixel(6, 7), clSilver);  // min = max: 0 %
}

TEST(DrawRangeIndicator, HalfWidthAndEmptyRange) {
  TBitmap b;
  FreshBitmap(b, 44, 10);
  DrawRangeIndicator(b.Canvas(), Rect(0, 0, 44, 10), 99, 10, false, clRed, clBlue);
  // inside 2..42, centre 22: beyond the range fills exactly the right half
  EXPECT_EQ(b.Canvas()->Pixel(22, 5), clBlue);
  EXPECT_EQ(b.Canvas()->Pixel(41, 5), clBlue);
  EXPECT_EQ(b.Canvas()->Pixel(42, 5), clWhite);
  EXPECT_EQ(b.Canvas()->Pixel(21, 5), clWhite);
  FreshBitmap(b, 44, 10);
  DrawRangeIndicator(b.Canvas(), Rect(0, 0, 44, 10), 5, 0, false, clRed, clBlue);
  for (int x = 0; x < 44; ++x) EXPECT_EQ(b.Canvas()->Pixel(x, 5), clWhite) << x;
}

TEST(DrawCellShape, ShapesAndOutOfRange) {
  TBitmap b;
  FreshBitmap(b, 30, 20);
  DrawCellShape(b.Canvas(), 0, 0, 20, 10, 19, clRed, clRed);
  DrawCellShape(b.Canvas(), 0, 0, 20, 10, -1, clRed, clRed);
  for (int x = 0; x < 20; ++x) EXPECT_EQ(b.Canvas()->Pixel(x, 5), clWhite);
  DrawCellShape(b.Canvas(), 0, 0, 20, 10, csCircle, clRed, clRed);  // a 10-pixel circle
  EXPECT_EQ(b.Canvas()->Pixel(5, 5), clRed);
  EXPECT_EQ(b.Canvas()->Pixel(15, 5), clWhite);
}

TEST(DrawBitmapTransparent, KeyColourBecomesBackColour) {
  TBitmap glyph;
  FreshBitmap(glyph, 4, 4, clLime);
  glyph.Canvas()->SetPixel(2, 2, clBlue);
  TBitmap b;
  FreshBitmap(b, 10, 10);
  DrawBitmapTransparent(b.Canvas(), &glyph, clRed, Rect(3, 3, 7, 7));
  EXPECT_EQ(b.Canvas()->Pixel(3, 3), clRed);
  EXPECT_EQ(b.Canvas()->Pixel(5, 5), clBlue);
  EXPECT_EQ(b.Canvas()->Pixel(8, 8), clWhite);
}

}  // namespace
