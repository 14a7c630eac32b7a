// The focus frame's pictures: the Gaussian kernel, the edge-band blur, the
// round-rectangle mask and the premultiplied alpha mask.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "grid/base/alpha_blur.h"
#include "platform/rtl/exceptions.h"
#include "platform/ui/canvas.h"

namespace {

TRGBTriple PixelAt(TBitmap& b, int x, int y) { return reinterpret_cast<TRGBTriple*>(b.ScanLine(y))[x]; }

void Fill(TBitmap& b, int w, int h, TColor color) {
  b.SetPixelFormat(pf24bit);
  b.SetSize(w, h);
  b.Canvas()->Brush()->SetColor(color);
  b.Canvas()->FillRect(Rect(0, 0, w, h));
}

// The blur of a grey image computed directly: rows then columns, ends clamped,
// each pass truncated.
std::vector<std::vector<int>> ReferenceBlur(std::vector<std::vector<int>> img, const TGaussianKernel& k) {
  const int h = static_cast<int>(img.size()), w = static_cast<int>(img[0].size());
  auto pass = [&](auto get, auto set, int n, int lines) {
    for (int l = 0; l < lines; ++l) {
      std::vector<int> out(static_cast<size_t>(n));
      for (int j = 0; j < n; ++j) {
        double s = 0;
        for (int o = -k.Size; o <= k.Size; ++o) s += k.Weight(o) * get(l, std::clamp(j - o, 0, n - 1));
        out[static_cast<size_t>(j)] = std::clamp(static_cast<int>(std::trunc(s)), 0, 255);
      }
      for (int j = 0; j < n; ++j) set(l, j, out[static_cast<size_t>(j)]);
    }
  };
  pass([&](int y, int x) { return img[y][x]; }, [&](int y, int x, int v) { img[y][x] = v; }, w, h);
  pass([&](int x, int y) { return img[y][x]; }, [&](int x, int y, int v) { img[y][x] = v; }, h, w);
  return img;
}

}  // namespace

TEST(GaussianKernel, HalfSizeShrinksWithTheRadiusBetweenOneAndTen) {
  struct Case {
    double radius;
    int size;
  } cases[] = {{1e-6, 1}, {0.1, 1}, {1.0, 2}, {3.0, 8}, {1000.0, 9}, {1e12, 9}};  // at most 19 taps
  for (const Case& c : cases) {
    const TGaussianKernel k = MakeGaussianKernel(c.radius);
    EXPECT_EQ(k.Size, c.size) << "radius " << c.radius;
    double sum = 0;
    for (int j = -k.Size; j <= k.Size; ++j) sum += k.Weight(j);
    EXPECT_NEAR(sum, 1.0, 1e-6) << "radius " << c.radius;
    EXPECT_FLOAT_EQ(k.Weight(-1), k.Weight(1));
  }
}

TEST(GaussianKernel, RadiusNotAboveZeroIsTheIdentity) {
  for (double radius : {0.0, -3.0, std::nan("")}) {
    const TGaussianKernel k = MakeGaussianKernel(radius);
    EXPECT_EQ(k.Size, 1);
    EXPECT_EQ(k.Weight(0), 1.0f);
    EXPECT_EQ(k.Weight(1), 0.0f);
  }
}

TEST(BlurBitmap, FortyByFortyIsBlurredWholeLikeTheDirectBlur) {
  TBitmap b;
  Fill(b, 40, 40, clBlack);
  b.Canvas()->SetPixel(25, 25, clWhite);
  b.Canvas()->SetPixel(3, 38, clWhite);
  std::vector<std::vector<int>> grey(40, std::vector<int>(40, 0));
  grey[25][25] = 255;
  grey[38][3] = 255;
  BlurBitmap(&b, 1.5);
  const auto expected = ReferenceBlur(grey, MakeGaussianKernel(1.5));
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 40; ++x) {
      const TRGBTriple p = PixelAt(b, x, y);
      ASSERT_EQ(p.R, expected[y][x]) << x << "," << y;
      ASSERT_EQ(p.G, p.R);
      ASSERT_EQ(p.B, p.R);
    }
  // The dot in the middle spread evenly.
  EXPECT_GT(PixelAt(b, 24, 25).R, 0);
  EXPECT_EQ(PixelAt(b, 24, 25).R, PixelAt(b, 26, 25).R);
  EXPECT_EQ(PixelAt(b, 25, 24).R, PixelAt(b, 25, 26).R);
}

TEST(BlurBitmap, MiddleOfALargeBitmapCopiesRowAndColumnFifteen) {
  TBitmap b;
  Fill(b, 60, 50, clBlack);
  b.Canvas()->SetPixel(30, 25, clWhite);  // in the middle: replaced
  b.Canvas()->SetPixel(5, 15, clWhite);   // on row 15, in the left band
  BlurBitmap(&b, 1.0);
  EXPECT_EQ(PixelAt(b, 30, 25).R, 0);
  // Middle columns are, in every row, the pixel of column 15.
  for (int x : {21, 30, 39})
    for (int y : {3, 15, 25, 46}) EXPECT_EQ(PixelAt(b, x, y), PixelAt(b, 15, y)) << x << "," << y;
  EXPECT_GT(PixelAt(b, 5, 15).R, 0);
  EXPECT_GT(PixelAt(b, 5, 25).R, 0);  // row 25 is a copy of the blurred row 15
}

TEST(BlurBitmap, RefusesOtherFormatsAndKeepsTheBitmapWithoutRadius) {
  TBitmap wide;
  wide.SetPixelFormat(pf32bit);
  wide.SetSize(4, 4);
  try {
    BlurBitmap(&wide, 2);
    FAIL() << "no exception";
  } catch (const Exception& e) {
    EXPECT_EQ(QString::fromStdString(e.what()), "Blur only works for 24-bit bitmaps");
  }
  TBitmap b;
  Fill(b, 30, 30, clBlack);
  b.Canvas()->SetPixel(10, 10, clWhite);
  for (double radius : {0.0, -1.0}) {
    BlurBitmap(&b, radius);
    EXPECT_EQ(PixelAt(b, 10, 10).R, 255);
    EXPECT_EQ(PixelAt(b, 11, 10).R, 0);
  }
}

TEST(RoundRectMask, HardEdgedWithoutRadiusAndSoftWithOne) {
  TBitmap hard, soft;
  CreateRoundRectMask(&hard, 40, 30, 4, 5, 0);
  CreateRoundRectMask(&soft, 40, 30, 4, 5, 3);
  EXPECT_EQ(hard.PixelFormat(), pf24bit);
  EXPECT_EQ(hard.Width(), 40);
  EXPECT_EQ(hard.Height(), 30);
  // Outline 4 wide from (4, 4): black outside, white on the pen, black inside.
  EXPECT_EQ(PixelAt(hard, 0, 15).R, 0);
  EXPECT_EQ(PixelAt(hard, 5, 15).R, 255);
  EXPECT_EQ(PixelAt(hard, 20, 15).R, 0);
  for (int x = 0; x < 40; ++x) {
    const int v = PixelAt(hard, x, 15).R;
    ASSERT_TRUE(v == 0 || v == 255) << x;
  }
  const int edge = PixelAt(soft, 2, 15).R;
  EXPECT_GT(edge, 0);
  EXPECT_LT(edge, 255);
  // Pen width below 1: a filled shape.
  TBitmap filled;
  CreateRoundRectMask(&filled, 40, 30, 0, 5, 0);
  EXPECT_EQ(PixelAt(filled, 20, 15).R, 255);
  EXPECT_EQ(PixelAt(filled, 0, 0).R, 0);
}

TEST(AlphaMask, MergeMaskPremultipliesByTheMasksRed) {
  TBitmap colour, mask;
  Fill(colour, 3, 1, RGB(200, 100, 50));
  Fill(mask, 3, 1, clBlack);
  mask.Canvas()->SetPixel(0, 0, clWhite);
  mask.Canvas()->SetPixel(1, 0, RGB(128, 0, 0));
  TGridAlphaMask m;
  m.MergeMask(&mask, &colour, clRed);
  EXPECT_EQ(m.PixelFormat(), pf32bit);
  EXPECT_EQ(m.Width(), 3);
  // White: the colour and alpha 255. Red 128: scaled. Black: alpha 0, colour 0.
  EXPECT_EQ(m.Alpha(0, 0), 255);
  EXPECT_EQ(m.PixelColor(0, 0), RGB(200, 100, 50));
  EXPECT_EQ(m.Alpha(1, 0), 128);
  EXPECT_EQ(m.PixelColor(1, 0), RGB(100, 50, 25));
  EXPECT_EQ(m.Alpha(2, 0), 0);
  EXPECT_EQ(m.PixelColor(2, 0), clBlack);
}

TEST(AlphaMask, MergeMaskIgnoresOtherFormatsAndASmallMaskLeavesTransparency) {
  TGridAlphaMask m;
  m.SetSize(2, 2);
  TBitmap wide;
  wide.SetPixelFormat(pf32bit);
  wide.SetSize(5, 5);
  TBitmap mask;
  Fill(mask, 1, 1, clWhite);
  m.MergeMask(&mask, &wide, clNone);
  EXPECT_EQ(m.Width(), 2);  // untouched
  TBitmap colour;
  Fill(colour, 3, 2, clWhite);
  m.MergeMask(&mask, &colour, clNone);
  EXPECT_EQ(m.Alpha(0, 0), 255);
  EXPECT_EQ(m.Alpha(2, 1), 0);
  m.MergeMask(nullptr, &colour, clNone);
  EXPECT_EQ(m.Alpha(0, 0), 0);
}

TEST(AlphaMask, AssignCopiesOpacityAndTheSharedPixels) {
  TBitmap colour, mask;
  Fill(colour, 4, 4, RGB(10, 20, 30));
  Fill(mask, 4, 4, clWhite);
  TGridAlphaMask a;
  a.MergeMask(&mask, &colour, clNone);
  a.Opacity = 230;
  TGridAlphaMask b;
  b.SetSize(2, 6);
  b.Assign(&a);
  EXPECT_EQ(b.Opacity, 230);
  EXPECT_EQ(b.Width(), 2);
  EXPECT_EQ(b.Alpha(1, 3), 255);
  EXPECT_EQ(b.PixelColor(1, 3), RGB(10, 20, 30));
  TGridAlphaMask c;
  c.Assign(&colour);  // an ordinary bitmap: its picture, made 32-bit
  EXPECT_EQ(c.PixelFormat(), pf32bit);
  EXPECT_EQ(c.Width(), 4);
}
