// The mini-HTML renderer with the real fonts, drawn into a bitmap and probed by
// pixels: bold, colours and the highlight background; a centred paragraph with
// its coloured band and an underlined link.
#include "grid/base/html_render.h"

#include <gtest/gtest.h>

#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"

namespace {

// How many pixels of the column range [x0, x1) match the colour.
int CountColour(TBitmap& b, int x0, int x1, TColor colour) {
  int n = 0;
  for (int y = 0; y < b.Height(); ++y)
    for (int x = x0; x < x1; ++x)
      if (b.Canvas()->Pixel(x, y) == colour) ++n;
  return n;
}

int DarkPixels(TBitmap& b, int x0, int x1) {
  int n = 0;
  for (int y = 0; y < b.Height(); ++y)
    for (int x = x0; x < x1; ++x) {
      const TColor c = b.Canvas()->Pixel(x, y);
      if (GetRValue(c) < 100 && GetGValue(c) < 100 && GetBValue(c) < 100) ++n;
    }
  return n;
}

TBitmap* WhiteBitmap(int w, int h) {
  auto* b = new TBitmap(w, h);
  b->Canvas()->Brush()->SetColor(clWhite);
  b->Canvas()->FillRect(TRect{0, 0, w, h});
  b->Canvas()->Font()->SetName(QStringLiteral("DejaVu Sans"));
  b->Canvas()->Font()->SetSize(10);
  b->Canvas()->Font()->SetColor(clBlack);
  return b;
}

TEST(HtmlRenderPaint, BoldColourAndHighlight) {
  std::unique_ptr<TBitmap> b(WhiteBitmap(300, 24));
  THtmlDrawInput in;
  THtmlDrawOutput out;
  const QString text = QStringLiteral("<B>Bold</B> plain <FONT COLOR=\"clred\">red</FONT> <HI>hi</HI>");
  DrawHtmlCellText(b->Canvas(), text, TRect{0, 0, 300, 24}, in, out);
  // Where the pieces are, measured with the same fonts.
  THtmlDrawOutput m;
  THtmlDrawInput measure;
  measure.MeasureOnly = true;
  auto widthOf = [&](const QString& t) {
    DrawHtmlCellText(b->Canvas(), t, TRect{0, 0, 300, 24}, measure, m);
    return m.TextExtentX;
  };
  const int boldEnd = 1 + widthOf("<B>Bold</B>");
  const int redStart = 1 + widthOf("<B>Bold</B> plain ");
  const int redEnd = 1 + widthOf("<B>Bold</B> plain red");
  const int hiStart = 1 + widthOf("<B>Bold</B> plain red ");
  EXPECT_GT(widthOf("<B>Bold</B>"), widthOf("Bold"));  // the bold face is wider
  EXPECT_GT(DarkPixels(*b, 1, boldEnd), 20);
  EXPECT_EQ(CountColour(*b, 1, boldEnd, clRed), 0);
  EXPECT_GT(CountColour(*b, redStart, redEnd, clRed), 10);
  EXPECT_EQ(CountColour(*b, 0, redStart, clRed), 0);
  // HI: the highlight background behind "hi".
  const TColor highlight = ColorToRGB(clHighlight);
  EXPECT_GT(CountColour(*b, hiStart, hiStart + 10, highlight), 40);
  EXPECT_EQ(CountColour(*b, 0, redEnd, highlight), 0);
  EXPECT_EQ(out.PlainText, QStringLiteral("Bold plain red hi"));
}

TEST(HtmlRenderPaint, CentredBandAndLink) {
  std::unique_ptr<TBitmap> b(WhiteBitmap(200, 60));
  THtmlDrawInput in;
  in.UrlColor = clBlue;
  THtmlDrawOutput out;
  const QString text =
      QStringLiteral("<P ALIGN=\"CENTER\" BGCOLOR=\"#00FF00\">mid</P><A HREF=\"http://x.invalid\">link</A>");
  DrawHtmlCellText(b->Canvas(), text, TRect{0, 0, 200, 60}, in, out);
  const int lineHeight = out.TextExtentY / 2;
  ASSERT_GT(lineHeight, 8);
  // The band fills the first line across the whole width; the second line is white.
  EXPECT_EQ(b->Canvas()->Pixel(2, 2), clLime);
  EXPECT_EQ(b->Canvas()->Pixel(197, 2), clLime);
  EXPECT_EQ(b->Canvas()->Pixel(197, lineHeight + 3), clWhite);
  // "mid" sits in the middle: dark pixels there, none at the sides of the band.
  int left = 200, right = 0;
  for (int y = 0; y < lineHeight; ++y)
    for (int x = 0; x < 200; ++x) {
      const TColor c = b->Canvas()->Pixel(x, y);
      if (c != clLime && c != clWhite) {
        left = std::min(left, x);
        right = std::max(right, x);
      }
    }
  EXPECT_GT(left, 80);
  EXPECT_LT(right, 120);
  // The link on the second line, still centred (a paragraph's alignment stays in
  // force after it): blue text and a blue underline, nothing at the left edge.
  EXPECT_GT(CountColour(*b, 60, 140, clBlue), 15);
  EXPECT_EQ(CountColour(*b, 0, 60, clBlue), 0);
  int longest = 0;
  for (int y = lineHeight; y < 2 * lineHeight; ++y) {
    int run = 0;
    for (int x = 60; x < 140; ++x) {
      run = b->Canvas()->Pixel(x, y) == clBlue ? run + 1 : 0;
      longest = std::max(longest, run);
    }
  }
  EXPECT_GE(longest, 15);  // the underline
}

}  // namespace
