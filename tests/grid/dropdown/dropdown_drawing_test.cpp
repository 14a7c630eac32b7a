// The drop-down unit's routines: gradient bands probed on an offscreen bitmap,
// colour arithmetic, text truncation and the number helpers.
#include "grid/dropdown/dropdown_drawing.h"

#include <gtest/gtest.h>

#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"

namespace {

TBitmap* White(TBitmap& b, int w, int h) {
  b.SetSize(w, h);
  b.Canvas()->Brush()->SetColor(clWhite);
  b.Canvas()->FillRect(Rect(0, 0, w, h));
  return &b;
}

// 101 pixels wide, 10 steps from black to red: band i starts at Round(i * 10)
// with red Round(i * 25.5), halves to even.
TEST(DrawGradientRect, HorizontalBandsStartAndColour) {
  TBitmap b;
  White(b, 120, 6);
  DrawGradientRect(b.Canvas(), RGB(0, 0, 0), RGB(255, 0, 0), 10, Rect(0, 0, 101, 6), true);
  const struct {
    int band, red;
  } cases[] = {{0, 0}, {1, 26}, {2, 51}, {3, 76}, {5, 128}, {9, 230}};
  for (const auto& c : cases) {
    // The first pixel of a band (band i's start, not covered by band i - 1's
    // extra pixel past i * 10 + 1).
    const int x = c.band * 10 + 2;
    EXPECT_EQ(b.Canvas()->Pixel(x, 3), RGB(c.red, 0, 0)) << "band " << c.band;
  }
  // The last band ends at the reduced right edge plus its extra pixel, never
  // past the given rectangle; the last colour is step 9, not the end colour.
  EXPECT_EQ(b.Canvas()->Pixel(100, 3), RGB(230, 0, 0));
  EXPECT_EQ(b.Canvas()->Pixel(101, 3), clWhite);
}

TEST(DrawGradientRect, ZeroStepsIsOneBandInTheStartColour) {
  TBitmap b;
  White(b, 20, 30);
  DrawGradientRect(b.Canvas(), RGB(10, 20, 30), RGB(200, 200, 200), 0, Rect(2, 2, 12, 22), false);
  EXPECT_EQ(b.Canvas()->Pixel(5, 2), RGB(10, 20, 30));
  EXPECT_EQ(b.Canvas()->Pixel(5, 21), RGB(10, 20, 30));
  EXPECT_EQ(b.Canvas()->Pixel(5, 22), clWhite);
  EXPECT_EQ(b.Canvas()->Pixel(12, 10), clWhite);
}

TEST(DrawGradientRect, DegenerateRectangleStaysInside) {
  TBitmap b;
  White(b, 20, 20);
  DrawGradientRect(b.Canvas(), clBlack, clRed, 64, Rect(5, 5, 15, 6), false);
  EXPECT_EQ(b.Canvas()->Pixel(8, 4), clWhite);
  EXPECT_EQ(b.Canvas()->Pixel(8, 6), clWhite);
}

TEST(DropDownColours, BlendAndScale) {
  EXPECT_EQ(BlendColor(RGB(0, 0, 0), RGB(255, 1, 3), 50), RGB(128, 0, 2));  // 127.5 -> 128, 0.5 -> 0, 1.5 -> 2
  EXPECT_EQ(BlendColor(clBtnFace, clRed, 100), clBtnFace);
  EXPECT_EQ(BlendColor(clBtnFace, clRed, 0), clRed);
  EXPECT_EQ(ScaleColor(RGB(100, 0, 200), -50, 20, 10), RGB(50, 20, 200));
  EXPECT_EQ(ScaleColor(RGB(0, 0, 0), -10, 300, 0), RGB(0, 300 & 0xFF, 0));
}

TEST(DropDownText, TruncateAndSize) {
  TCanvas* c = MeasureCanvas();
  EXPECT_EQ(TruncateText(c, "fits", 1000, true), "fits");
  const QString text = "a rather long caption";
  const QString cut = TruncateText(c, text, c->TextWidth("a rather") + 1, true);
  EXPECT_TRUE(cut.endsWith("...")) << cut.toStdString();
  EXPECT_LT(c->TextWidth(cut), c->TextWidth("a rather") + 1);
  EXPECT_EQ(GetTextSize(c, ""), (TSize{0, 0}));
  EXPECT_EQ(GetTextSize(c, "gh").cx, c->TextWidth("gh"));
}

}  // namespace
