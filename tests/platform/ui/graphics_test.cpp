// Colours, rectangles, bitmaps and the canvas's pixel rules.
#include <gtest/gtest.h>

#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"
#include "platform/ui/graphics.h"

static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

// A white bitmap to draw on, with black pen and brush.
struct Surface {
  explicit Surface(int w = 40, int h = 30) : bmp(w, h) {
    c = bmp.Canvas();
    c->Pen()->SetColor(clBlack);
    c->Brush()->SetColor(clBlack);
  }
  TColor At(int x, int y) { return c->Pixel(x, y); }
  TBitmap bmp;
  TCanvas* c;
};

TEST(Colors, SystemColorsResolveThroughTheFixedTable) {
  struct Case {
    TColor in, out;
  } cases[] = {
      {clRed, 0x0000FF},
      {clNone, clNone},
      {clBtnFace, GetSysColor(15)},
      {cl3DDkShadow, GetSysColor(21)},
      {clWindow, 0xFFFFFF},
      {ColorConst(0xFF0000FF), 0},  // unknown system index
  };
  for (const Case& k : cases) EXPECT_EQ(ColorToRGB(k.in), k.out) << std::hex << k.in;
  EXPECT_EQ(clNone, 0x1FFFFFFF);
  EXPECT_EQ(static_cast<uint32_t>(clBtnFace), 0xFF00000Fu);
  EXPECT_EQ(RGB(1, 2, 3), 0x030201);
}

TEST(Rects, RightAndBottomAreExclusive) {
  const TRect r = Rect(2, 3, 5, 7);
  EXPECT_EQ(r.Width(), 3);
  EXPECT_TRUE(PtInRect(r, Point(4, 6)));
  EXPECT_FALSE(PtInRect(r, Point(5, 6)));
  EXPECT_FALSE(PtInRect(r, Point(4, 7)));
  TRect common;
  EXPECT_FALSE(IntersectRect(common, r, Rect(5, 3, 9, 7)));
  EXPECT_TRUE(IsRectEmpty(common));
  EXPECT_TRUE(IntersectRect(common, r, Rect(4, 0, 9, 4)));
  EXPECT_EQ(common, Rect(4, 3, 5, 4));
  TRect both;
  EXPECT_TRUE(UnionRect(both, Rect(0, 0, 0, 0), r));
  EXPECT_EQ(both, r);
}

TEST(Canvas, FillAndRectangleStopBeforeRightAndBottom) {
  Surface s;
  s.c->Brush()->SetColor(clRed);
  s.c->FillRect(Rect(2, 2, 6, 5));
  EXPECT_EQ(s.At(2, 2), clRed);
  EXPECT_EQ(s.At(5, 4), clRed);
  EXPECT_EQ(s.At(6, 4), clWhite);
  EXPECT_EQ(s.At(5, 5), clWhite);

  s.c->Pen()->SetColor(clBlue);
  s.c->Brush()->SetColor(clLime);
  s.c->Rectangle(10, 10, 20, 16);
  EXPECT_EQ(s.At(10, 10), clBlue);
  EXPECT_EQ(s.At(19, 15), clBlue);
  EXPECT_EQ(s.At(20, 15), clWhite);
  EXPECT_EQ(s.At(15, 13), clLime);

  s.c->Brush()->SetColor(clRed);
  s.c->FrameRect(Rect(22, 2, 30, 8));
  EXPECT_EQ(s.At(29, 7), clRed);
  EXPECT_EQ(s.At(25, 5), clWhite);
}

// Every pixel of thin-pen rectangles: the edge pixels (right and bottom exclusive)
// in the pen colour, the inside in the brush colour, nothing else touched; a
// rectangle of a single pixel draws nothing.
TEST(Canvas, RectanglePixelsWithAThinPen) {
  struct Case {
    TRect r;
    TColor pen, brush;
    TBrushStyle style;
  } cases[] = {
      {Rect(2, 3, 9, 8), clBlue, clLime, bsSolid},  {Rect(2, 3, 9, 8), clRed, clRed, bsSolid},
      {Rect(2, 3, 9, 8), clBlue, clLime, bsClear},  {Rect(4, 4, 5, 9), clBlue, clLime, bsSolid},
      {Rect(4, 4, 10, 5), clRed, clRed, bsSolid},   {Rect(4, 4, 6, 6), clBlue, clLime, bsSolid},
      {Rect(4, 4, 5, 5), clBlue, clLime, bsSolid},  {Rect(-3, -2, 5, 4), clBlue, clLime, bsSolid},
  };
  for (const Case& k : cases) {
    Surface s(12, 12);
    s.c->Pen()->SetColor(k.pen);
    s.c->Brush()->SetColor(k.brush);
    s.c->Brush()->SetStyle(k.style);
    s.c->Rectangle(k.r);
    const bool single = k.r.Width() == 1 && k.r.Height() == 1;
    for (int y = 0; y < 12; ++y) {
      for (int x = 0; x < 12; ++x) {
        TColor want = clWhite;
        const bool inside = x >= k.r.Left && x < k.r.Right && y >= k.r.Top && y < k.r.Bottom;
        const bool edge = inside && (x == k.r.Left || x == k.r.Right - 1 || y == k.r.Top || y == k.r.Bottom - 1);
        if (!single && edge) want = k.pen;
        else if (!single && inside && k.style == bsSolid) want = k.brush;
        ASSERT_EQ(s.At(x, y), want) << "rect " << k.r.Left << "," << k.r.Top << " at " << x << "," << y;
      }
    }
  }
  // An inverting pen inverts its outline once per call: twice gives the start back.
  Surface s(12, 12);
  s.c->Pen()->SetMode(pmXor);
  s.c->Pen()->SetColor(clWhite);
  s.c->Brush()->SetStyle(bsClear);
  s.c->Rectangle(2, 2, 8, 8);
  EXPECT_EQ(s.At(2, 2), clBlack);
  s.c->Rectangle(2, 2, 8, 8);
  EXPECT_EQ(s.At(2, 2), clWhite);
}

TEST(Canvas, LinesLeaveOutTheirEndPoint) {
  struct Case {
    TPoint from, to, lastDrawn;
  } cases[] = {
      {{1, 1}, {10, 1}, {9, 1}},
      {{10, 3}, {1, 3}, {2, 3}},
      {{5, 5}, {5, 15}, {5, 14}},
      {{20, 20}, {26, 26}, {25, 25}},
  };
  for (const Case& k : cases) {
    Surface s;
    s.c->MoveTo(k.from.X, k.from.Y);
    s.c->LineTo(k.to.X, k.to.Y);
    EXPECT_EQ(s.At(k.from.X, k.from.Y), clBlack);
    EXPECT_EQ(s.At(k.lastDrawn.X, k.lastDrawn.Y), clBlack);
    EXPECT_EQ(s.At(k.to.X, k.to.Y), clWhite);
    EXPECT_EQ(s.c->PenPos(), k.to);
  }
}

// Straight one-pixel lines cover the pixels from their start up to the one
// before their end, and no other; an inverting pen inverts exactly those.
TEST(Canvas, StraightThinLinesCoverExactlyTheirPixels) {
  struct Case {
    TPoint from, to;
    TPenMode mode;
  } cases[] = {
      {{1, 2}, {9, 2}, pmCopy},   {{9, 4}, {2, 4}, pmCopy},  {{3, 1}, {3, 10}, pmCopy}, {{6, 10}, {6, 0}, pmCopy},
      {{4, 5}, {6, 5}, pmCopy},   {{4, 7}, {5, 7}, pmCopy},  {{-3, 8}, {5, 8}, pmCopy}, {{2, 6}, {11, 6}, pmXor},
      {{8, 11}, {8, 3}, pmXor},
  };
  for (const Case& k : cases) {
    Surface s(12, 12);
    s.c->Pen()->SetColor(k.mode == pmXor ? clWhite : clRed);
    s.c->Pen()->SetMode(k.mode);
    s.c->MoveTo(k.from.X, k.from.Y);
    s.c->LineTo(k.to.X, k.to.Y);
    const TColor drawn = k.mode == pmXor ? clBlack : clRed;
    for (int y = 0; y < 12; ++y)
      for (int x = 0; x < 12; ++x) {
        const bool onX = k.from.Y == k.to.Y && y == k.from.Y &&
                         (k.from.X < k.to.X ? x >= k.from.X && x < k.to.X : x <= k.from.X && x > k.to.X);
        const bool onY = k.from.X == k.to.X && x == k.from.X &&
                         (k.from.Y < k.to.Y ? y >= k.from.Y && y < k.to.Y : y <= k.from.Y && y > k.to.Y);
        ASSERT_EQ(s.At(x, y), onX || onY ? drawn : clWhite)
            << k.from.X << "," << k.from.Y << " -> " << k.to.X << "," << k.to.Y << " at " << x << "," << y;
      }
  }
}

TEST(Canvas, PolygonFillsWithBrushAndOutlinesWithPen) {
  Surface s;
  s.c->Pen()->SetColor(clRed);
  s.c->Brush()->SetColor(clBlue);
  s.c->Polygon({{2, 2}, {20, 2}, {20, 20}, {2, 20}});
  EXPECT_EQ(s.At(2, 2), clRed);
  EXPECT_EQ(s.At(10, 10), clBlue);
  EXPECT_EQ(s.At(25, 25), clWhite);
}

TEST(Canvas, TextHeightIsTheFontCellHeight) {
  Surface s;
  s.c->Font()->SetName("Verdana");
  s.c->Font()->SetSize(8);
  EXPECT_EQ(s.c->Font()->Height(), -11);
  const int h = s.c->TextHeight("x");
  EXPECT_EQ(h, s.c->TextHeight(""));
  EXPECT_EQ(h, s.c->TextHeight("gÅ"));
  EXPECT_GE(h, 12);
  EXPECT_LE(h, 15);
  EXPECT_LT(s.c->TextWidth("i"), s.c->TextWidth("iii"));
}

TEST(Canvas, DrawTextMeasuresWithCalcRect) {
  Surface s(200, 100);
  const int h = s.c->TextHeight("x");
  TRect r = Rect(0, 0, 1000, 0);
  s.c->DrawText("One line", r, DT_CALCRECT | DT_SINGLELINE);
  EXPECT_EQ(r, Rect(0, 0, s.c->TextWidth("One line"), h));

  // Word break: three words in a box that holds one or two.
  const int word = std::max({s.c->TextWidth("alpha"), s.c->TextWidth("beta"), s.c->TextWidth("gamma")});
  r = Rect(0, 0, word + 2, 0);
  EXPECT_EQ(s.c->DrawText("alpha beta gamma", r, DT_CALCRECT | DT_WORDBREAK), 3 * h);
  EXPECT_EQ(r.Bottom, 3 * h);
  EXPECT_LE(r.Width(), word + 2);

  // A paragraph that fits is one line, its trailing blanks kept; one pixel less
  // breaks it at the last blank that fits.
  const int two = s.c->TextWidth("alpha beta");
  r = Rect(0, 0, two, 0);
  EXPECT_EQ(s.c->DrawText("alpha beta  ", r, DT_CALCRECT | DT_WORDBREAK), h);
  EXPECT_EQ(r.Width(), s.c->TextWidth("alpha beta  "));
  r = Rect(0, 0, two - 1, 0);
  EXPECT_EQ(s.c->DrawText("alpha beta", r, DT_CALCRECT | DT_WORDBREAK), 2 * h);

  // Tabs expand to steps of eight average characters; text without one is as typed.
  r = Rect(0, 0, 1000, 0);
  s.c->DrawText("a\tb", r, DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS);
  EXPECT_GT(r.Width(), s.c->TextWidth("a b"));
  r = Rect(0, 0, 1000, 0);
  s.c->DrawText("a b", r, DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS);
  EXPECT_EQ(r.Width(), s.c->TextWidth("a b"));

  // A word wider than the box stays whole and widens the measured box.
  r = Rect(0, 0, 5, 0);
  s.c->DrawText("Wide", r, DT_CALCRECT | DT_WORDBREAK);
  EXPECT_EQ(r.Width(), s.c->TextWidth("Wide"));
  EXPECT_EQ(r.Height(), h);

  // Line breaks start lines; a final one does not.
  r = Rect(0, 0, 1000, 0);
  EXPECT_EQ(s.c->DrawText("a\r\nb\nc\n", r, DT_CALCRECT), 3 * h);

  // Prefix: "&&" is one "&", "&x" is x; with DT_NOPREFIX the text stays literal.
  r = Rect(0, 0, 1000, 0);
  s.c->DrawText("A&&B", r, DT_CALCRECT | DT_SINGLELINE);
  EXPECT_EQ(r.Width(), s.c->TextWidth("A&B"));
  r = Rect(0, 0, 1000, 0);
  s.c->DrawText("&Save", r, DT_CALCRECT | DT_SINGLELINE);
  EXPECT_EQ(r.Width(), s.c->TextWidth("Save"));
  r = Rect(0, 0, 1000, 0);
  s.c->DrawText("&Save", r, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
  EXPECT_EQ(r.Width(), s.c->TextWidth("&Save"));
}

// A solid brush fills the box of every drawn line (left-aligned ones too), a
// clear brush nothing.
TEST(Canvas, DrawTextFillsBehindEachLineWithASolidBrush) {
  for (TBrushStyle style : {bsSolid, bsClear}) {
    Surface s(200, 60);
    s.c->Brush()->SetColor(clYellow);
    s.c->Brush()->SetStyle(style);
    const int w = s.c->TextWidth("MMM"), h = s.c->TextHeight("M");
    TRect r = Rect(0, 0, 200, 60);
    s.c->DrawText("MMM\nMM", r, 0);
    const TColor behind = style == bsSolid ? clYellow : clWhite;
    EXPECT_EQ(s.At(w - 1, h - 1), behind);
    EXPECT_EQ(s.At(w + 2, h - 1), clWhite);
    EXPECT_EQ(s.At(0, 2 * h - 1), behind);
    EXPECT_EQ(s.At(w - 1, 2 * h - 1), clWhite);
  }
}

// Columns holding pixels that are not white.
std::pair<int, int> InkColumns(Surface& s, TRect area) {
  int first = -1, last = -1;
  for (int x = area.Left; x < area.Right; ++x)
    for (int y = area.Top; y < area.Bottom; ++y)
      if (s.At(x, y) != clWhite) {
        if (first < 0) first = x;
        last = x;
        break;
      }
  return {first, last};
}

TEST(Canvas, DrawTextAlignsClipsAndUnderlinesTheMnemonic) {
  Surface s(200, 60);
  s.c->Brush()->SetStyle(bsClear);
  s.c->Font()->SetColor(clBlack);
  const int w = s.c->TextWidth("MMM");
  TRect r = Rect(0, 0, 200, 20);
  s.c->DrawText("MMM", r, DT_RIGHT | DT_SINGLELINE);
  auto [first, last] = InkColumns(s, r);
  EXPECT_GE(first, 200 - w - 1);
  // The text ends at the right edge; a glyph drawn from a bitmap strike keeps a
  // blank column or two of its own after its ink.
  EXPECT_LE(last, 199);
  EXPECT_GE(last, 197);

  // Clipped to the rectangle: nothing right of it.
  r = Rect(0, 20, 10, 40);
  s.c->DrawText("MMMMMM", r, DT_LEFT | DT_SINGLELINE);
  EXPECT_EQ(InkColumns(s, Rect(10, 20, 200, 40)).first, -1);
  EXPECT_NE(InkColumns(s, Rect(0, 20, 10, 40)).first, -1);

  // The underline of "&_" fills a row under the glyph cell's base line.
  Surface u(60, 30);
  u.c->Brush()->SetStyle(bsClear);
  r = Rect(0, 0, 60, 30);
  u.c->DrawText("&M", r, DT_LEFT | DT_SINGLELINE);
  Surface plain(60, 30);
  plain.c->Brush()->SetStyle(bsClear);
  plain.c->DrawText("M", r, DT_LEFT | DT_SINGLELINE);
  int differing = 0;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 60; ++x) differing += u.At(x, y) != plain.At(x, y);
  EXPECT_GT(differing, 3);
}

TEST(Canvas, EndEllipsisShortensOnlyTooLongText) {
  Surface s(200, 40);
  s.c->Brush()->SetStyle(bsClear);
  const int full = s.c->TextWidth("Configuration");
  TRect r = Rect(0, 0, full / 2, 20);
  s.c->DrawText("Configuration", r, DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOCLIP);
  EXPECT_LE(InkColumns(s, Rect(0, 0, 200, 20)).second, full / 2);
}

TEST(Canvas, SolidBrushFillsTheTextCell) {
  Surface s(100, 30);
  s.c->Brush()->SetColor(clYellow);
  s.c->TextOut(5, 5, "ab");
  EXPECT_EQ(s.At(5, 5), clYellow);
  EXPECT_EQ(s.At(4, 5), clWhite);
  EXPECT_EQ(s.c->PenPos(), Point(5 + s.c->TextWidth("ab"), 5));
}

TEST(Bitmap, TransparentDrawLeavesTheKeyColourOut) {
  TBitmap glyph(4, 4);
  glyph.Canvas()->Brush()->SetColor(clFuchsia);
  glyph.Canvas()->FillRect(Rect(0, 0, 4, 4));
  glyph.Canvas()->SetPixel(1, 1, clRed);
  EXPECT_EQ(glyph.TransparentColor(), clFuchsia);  // automatic: bottom-left pixel
  glyph.SetTransparent(true);

  Surface s(10, 10);
  s.c->Brush()->SetColor(clBlue);
  s.c->FillRect(Rect(0, 0, 10, 10));
  s.c->Draw(2, 2, &glyph);
  EXPECT_EQ(s.At(3, 3), clRed);
  EXPECT_EQ(s.At(2, 2), clBlue);

  glyph.SetTransparent(false);
  s.c->Draw(2, 2, &glyph);
  EXPECT_EQ(s.At(2, 2), clFuchsia);

  glyph.SetTransparent(true);
  glyph.SetTransparentColor(clRed);  // fixed key
  s.c->Draw(5, 5, &glyph);
  EXPECT_EQ(s.At(5, 5), clFuchsia);
  EXPECT_EQ(s.At(6, 6), clBlue);
}

TEST(Bitmap, ResizeKeepsPixelsAndFillsWhite) {
  TBitmap b(3, 3);
  b.Canvas()->SetPixel(2, 2, clRed);
  b.SetSize(6, 5);
  EXPECT_EQ(b.Canvas()->Pixel(2, 2), clRed);
  EXPECT_EQ(b.Canvas()->Pixel(5, 4), clWhite);
  b.SetPixelFormat(pf24bit);
  b.Canvas()->SetPixel(0, 0, RGB(10, 20, 30));
  const uint8_t* row = b.ScanLine(0);
  EXPECT_EQ(row[0], 30);  // blue, green, red
  EXPECT_EQ(row[1], 20);
  EXPECT_EQ(row[2], 10);
  TBitmap copy;
  copy.Assign(b);
  EXPECT_EQ(copy.Canvas()->Pixel(2, 2), clRed);
  EXPECT_EQ(copy.Width(), 6);
}

TEST(Canvas, FocusRectIsDrawnByInversionAndRemovedByASecondCall) {
  Surface s(20, 20);
  s.c->DrawFocusRect(Rect(2, 2, 12, 10));
  EXPECT_EQ(s.At(2, 2), clBlack);
  EXPECT_EQ(s.At(3, 2), clWhite);
  EXPECT_EQ(s.At(4, 2), clBlack);
  EXPECT_EQ(s.At(6, 6), clWhite);
  s.c->DrawFocusRect(Rect(2, 2, 12, 10));
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x) ASSERT_EQ(s.At(x, y), clWhite) << x << "," << y;
}

TEST(Canvas, CopyRectAndClip) {
  Surface src(10, 10);
  src.c->Brush()->SetColor(clRed);
  src.c->FillRect(Rect(0, 0, 5, 5));
  Surface dst(20, 20);
  dst.c->CopyRect(Rect(10, 10, 15, 15), src.c, Rect(0, 0, 5, 5));
  EXPECT_EQ(dst.At(10, 10), clRed);
  EXPECT_EQ(dst.At(14, 14), clRed);
  EXPECT_EQ(dst.At(15, 15), clWhite);

  dst.c->SetClipRect(Rect(0, 0, 3, 3));
  dst.c->Brush()->SetColor(clBlue);
  dst.c->FillRect(Rect(0, 0, 8, 8));
  EXPECT_EQ(dst.At(2, 2), clBlue);
  EXPECT_EQ(dst.At(3, 3), clWhite);
  dst.c->RemoveClip();
  dst.c->FillRect(Rect(0, 0, 8, 8));
  EXPECT_EQ(dst.At(7, 7), clBlue);
}

}  // namespace
