// The drop-down unit's routines: gradient bands probed on an offscreen bitmap,
// colour arithmetic, text truncation, the caption with its image, the size of
// a mini-HTML text, and the number helpers.
#include "grid/dropdown/dropdown_drawing.h"

#include <gtest/gtest.h>

#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"
#include "platform/ui/image_list.h"

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

// The first and last column holding a pixel that is neither white nor the
// image's colour ({-1, -1} when there is none).
std::pair<int, int> InkColumns(TBitmap& b, TColor image) {
  int first = -1, last = -1;
  for (int x = 0; x < b.Width(); ++x)
    for (int y = 0; y < b.Height(); ++y) {
      const TColor p = b.Canvas()->Pixel(x, y);
      if (p == clWhite || p == image) continue;
      if (first < 0) first = x;
      last = x;
    }
  return {first, last};
}

// An image of the list goes 4 pixels in and is centred vertically; the caption
// then starts at the image's width + 8, left-aligned; without an image it is
// centred.
TEST(DropDownText, CaptionWithAndWithoutImage) {
  TImageList images(nullptr);
  images.SetWidth(8);
  images.SetHeight(8);
  TBitmap blue(8, 8);
  blue.Canvas()->Brush()->SetColor(clBlue);
  blue.Canvas()->FillRect(Rect(0, 0, 8, 8));
  ASSERT_EQ(images.Add(&blue), 0);
  TBitmap b;
  White(b, 200, 20)->Canvas()->Font()->SetColor(clBlack);
  DrawCaptionText(b.Canvas(), Rect(0, 0, 200, 20), "III", 0, &images);
  EXPECT_EQ(b.Canvas()->Pixel(4, 6), clBlue);  // (20 - 8) div 2
  EXPECT_EQ(b.Canvas()->Pixel(11, 13), clBlue);
  EXPECT_EQ(b.Canvas()->Pixel(3, 6), clWhite);
  EXPECT_EQ(b.Canvas()->Pixel(4, 5), clWhite);
  const auto [left, right] = InkColumns(b, clBlue);
  EXPECT_GE(left, 16);  // the image's width + 8
  EXPECT_LT(left, 20);
  EXPECT_LT(right, 60);
  // Without an image (index -1 or no list) the caption is centred.
  for (const auto& [index, list] : {std::pair{-1, &images}, std::pair{0, static_cast<TImageList*>(nullptr)}}) {
    White(b, 200, 20);
    DrawCaptionText(b.Canvas(), Rect(0, 0, 200, 20), "III", index, list);
    const auto [l, r] = InkColumns(b, clBlue);
    EXPECT_NEAR((l + r) / 2, 100, 3);
    EXPECT_EQ(b.Canvas()->Pixel(4, 6), clWhite);
  }
}

// HtmlTextSize: (0, 0) for an empty text; the size of the laid-out text (tags
// take no room, bold is wider); measuring draws nothing, drawing shows the
// text in the colour its tags give.
TEST(DropDownText, MiniHtmlTextSize) {
  TBitmap b;
  White(b, 200, 40)->Canvas()->Font()->SetColor(clBlack);
  TCanvas* c = b.Canvas();
  const TRect r = Rect(0, 0, 200, 40);
  TSize plain{-1, -1}, tagged{-1, -1}, bold{-1, -1}, empty{-1, -1}, two{-1, -1};
  HtmlTextSize(c, "", r, nullptr, true, nullptr, empty);
  EXPECT_EQ(empty, (TSize{0, 0}));
  HtmlTextSize(c, "WWWW", r, nullptr, false, nullptr, plain);
  HtmlTextSize(c, "<FONT COLOR=\"clred\">WWWW</FONT>", r, nullptr, false, nullptr, tagged);
  HtmlTextSize(c, "<B>WWWW</B>", r, nullptr, false, nullptr, bold);
  HtmlTextSize(c, "WWWW<BR>WW", r, nullptr, false, nullptr, two);
  EXPECT_GT(plain.cx, 0);
  EXPECT_GT(plain.cy, 0);
  EXPECT_EQ(tagged, plain);
  EXPECT_GT(bold.cx, plain.cx);
  EXPECT_EQ(two, (TSize{plain.cx, 2 * plain.cy}));  // the widest line, the lines' heights
  EXPECT_EQ(InkColumns(b, clWhite).first, -1);  // measuring left the bitmap white
  TSize drawn{-1, -1};
  HtmlTextSize(c, "<FONT COLOR=\"clred\">WWWW</FONT>", r, nullptr, true, nullptr, drawn);
  EXPECT_EQ(drawn, plain);
  int red = 0;
  for (int x = 0; x < plain.cx; ++x)
    for (int y = 0; y < plain.cy; ++y) red += c->Pixel(x, y) == clRed;
  EXPECT_GT(red, 5);
  EXPECT_LE(InkColumns(b, clWhite).second, plain.cx);
}

}  // namespace
