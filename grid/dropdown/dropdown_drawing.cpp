// The drop-down unit's drawing and text routines.
#include "grid/dropdown/dropdown_drawing.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"
#include "platform/ui/image_list.h"
#include "grid/base/html_render.h"

namespace {

struct TRgb {
  int R, G, B;
};

TRgb Components(TColor c) {
  const TColor rgb = ColorToRGB(c);
  return {GetRValue(rgb), GetGValue(rgb), GetBValue(rgb)};
}

}  // namespace

void DrawGradientRect(TCanvas* Canvas, TColor FromColor, TColor ToColor, int Steps, TRect R, bool Horizontal) {
  if (!Canvas) return;
  const TRect bounds = R;
  // 1. The far edge moves in by one pixel.
  if (Horizontal)
    R.Right -= 1;
  else
    R.Bottom -= 1;
  // 2. At least one band.
  if (Steps < 1) Steps = 1;
  // 3. Colour step per component.
  const TRgb c1 = Components(FromColor), c2 = Components(ToColor);
  const double dr = double(c2.R - c1.R) / Steps, dg = double(c2.G - c1.G) / Steps, db = double(c2.B - c1.B) / Steps;
  const auto colorOf = [&](int i) {
    return RGB(c1.R + RoundHalfEven(i * dr), c1.G + RoundHalfEven(i * dg), c1.B + RoundHalfEven(i * db));
  };
  // 4. Band size in the reduced rectangle.
  const double s = double(Horizontal ? R.Right - R.Left : R.Bottom - R.Top) / Steps;
  // 5. The bands, each kept inside the rectangle the caller gave, relative to
  // (dx, dy). With more bands than pixels many bands fall on the same place; a
  // band that the next one covers whole is not drawn, as its pixels would not
  // survive (unless the pen inverts). Pen and brush end in the last step's colour.
  const int extent = RoundHalfEven(s) + 1;
  const auto offsetOf = [&](int i) { return static_cast<int>(static_cast<uint16_t>(RoundHalfEven(i * s))); };
  const bool overwrites = Canvas->Pen()->Mode() == pmCopy;
  const auto listBands = [&](std::vector<TCanvas::TBand>& out, int dx, int dy) {
    for (int i = 0; i < Steps; ++i) {
      const int offset = offsetOf(i);
      if (overwrites && i + 1 < Steps && offsetOf(i + 1) == offset) continue;
      TRect band = Horizontal ? Rect(R.Left + offset, R.Top, R.Left + offset + extent, R.Bottom)
                              : Rect(R.Left, R.Top + offset, R.Right, R.Top + offset + extent);
      TRect drawn;
      if (!IntersectRect(drawn, band, bounds)) continue;
      OffsetRect(drawn, -dx, -dy);
      out.push_back({drawn, colorOf(i)});
    }
    return colorOf(Steps - 1);
  };
  // A band is a rectangle outlined and filled in its colour: with a one-pixel
  // solid copying pen and a solid brush that is a fill, and the canvas can draw
  // the bands as one kept picture (no band is a lone pixel, which such an
  // outline leaves out, when the rectangle has two pixels each way).
  const TPen* pen = Canvas->Pen();
  TColor last = clNone;
  if (pen->Style() == psSolid && pen->Width() <= 1 && overwrites && Canvas->Brush()->Style() == bsSolid &&
      bounds.Width() >= 2 && bounds.Height() >= 2 &&
      Canvas->DrawKeptBands(bounds, {1, ColorToRGB(FromColor), ColorToRGB(ToColor), Steps, Horizontal},
                            [&](std::vector<TCanvas::TBand>& out) { return listBands(out, bounds.Left, bounds.Top); },
                            last)) {
    Canvas->Pen()->SetColor(last);
    Canvas->Brush()->SetColor(last);
    return;
  }
  std::vector<TCanvas::TBand> bands;
  last = listBands(bands, 0, 0);
  for (const TCanvas::TBand& b : bands) {
    Canvas->Pen()->SetColor(b.Color);
    Canvas->Brush()->SetColor(b.Color);
    Canvas->Rectangle(b.Rect);
  }
  Canvas->Pen()->SetColor(last);
  Canvas->Brush()->SetColor(last);
}

TColor BlendColor(TColor Col1, TColor Col2, int Percent) {
  if (Percent >= 100) return Col1;
  if (Percent <= 0) return Col2;
  const TRgb a = Components(Col1), b = Components(Col2);
  const double x = Percent / 100.0;
  return RGB(RoundHalfEven(x * a.R + (1 - x) * b.R), RoundHalfEven(x * a.G + (1 - x) * b.G),
             RoundHalfEven(x * a.B + (1 - x) * b.B));
}

TColor ScaleColor(TColor Color, int R, int G, int B) {
  const TRgb c = Components(Color);
  auto scale = [](int component, int p) {
    if (component == 0) return std::max(0, p) & 0xFF;
    return RoundHalfEven(std::min(100, p + 100) / 100.0 * component) & 0xFF;
  };
  return RGB(scale(c.R, R), scale(c.G, G), scale(c.B, B));
}

void DrawRectBackground(TCanvas* Canvas, TRect R, TColor Color, TColor ColorTo, TColor BorderColor, int BorderWidth,
                        TGradientDirection Direction) {
  if (!Canvas) return;
  if (ColorTo != clNone) {
    DrawGradientRect(Canvas, Color, ColorTo, 80, R, Direction == gdHorizontal);
  } else if (Color != clNone) {
    Canvas->Brush()->SetColor(Color);
    Canvas->FillRect(R);
  }
  if (BorderColor == clNone || BorderWidth <= 0) return;
  Canvas->Brush()->SetStyle(bsClear);
  Canvas->Pen()->SetWidth(BorderWidth);
  Canvas->Pen()->SetColor(BorderColor);
  Canvas->Rectangle(R);
  Canvas->Brush()->SetStyle(bsSolid);
  Canvas->Pen()->SetWidth(1);
}

void DrawCaptionText(TCanvas* Canvas, TRect R, const QString& Caption, int ImageIndex, TCustomImageList* Images) {
  if (!Canvas) return;
  unsigned flags = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_CENTER;
  if (ImageIndex >= 0 && Images) {
    Images->Draw(Canvas, R.Left + 4, R.Top + (R.Height() - Images->Height()) / 2, ImageIndex);
    R.Left += Images->Width() + 8;
    flags &= ~DT_CENTER;
  }
  if (Caption.isEmpty()) return;
  const TBrushStyle style = Canvas->Brush()->Style();
  Canvas->Brush()->SetStyle(bsClear);
  Canvas->DrawText(Caption, R, flags);
  Canvas->Brush()->SetStyle(style);
}

void HtmlTextSize(TCanvas* Canvas, const QString& Text, TRect R, TCustomImageList* Images, bool Draw,
                  const void* WindowHandle, TSize& Size) {
  Size = {0, 0};
  if (!Canvas || Text.isEmpty()) return;
  THtmlDrawInput in;
  in.Images = Images;
  in.MeasureOnly = !Draw;
  in.WindowHandle = WindowHandle;
  THtmlDrawOutput out;
  DrawHtmlCellText(Canvas, Text, R, in, out);
  Size = {out.TextExtentX, out.TextExtentY};
}

void DrawTransparentGlyph(TCanvas* Canvas, TBitmap* Bitmap, TColor BackColor, TRect R) {
  if (!Canvas || !Bitmap || Bitmap->Empty()) return;
  TBitmap temp(Bitmap->Width(), Bitmap->Height());
  const TColor key = Bitmap->Canvas()->Pixel(0, 0);
  const TColor back = ColorToRGB(BackColor);
  for (int y = 0; y < Bitmap->Height(); ++y)
    for (int x = 0; x < Bitmap->Width(); ++x) {
      const TColor p = Bitmap->Canvas()->Pixel(x, y);
      temp.Canvas()->SetPixel(x, y, p == key ? back : p);
    }
  Canvas->CopyRect(R, temp.Canvas(), Rect(0, 0, R.Width(), R.Height()));
}

TSize GetTextSize(TCanvas* Canvas, const QString& Text) {
  if (!Canvas || Text.isEmpty()) return {0, 0};
  TRect r = Rect(0, 0, 1000, 500);
  Canvas->DrawText(Text, r, DT_CALCRECT | DT_SINGLELINE);
  return {r.Right, r.Bottom};
}

QString TruncateText(TCanvas* Canvas, const QString& Text, int MaxWidth, bool Ellipsis) {
  if (!Canvas || Canvas->TextWidth(Text) <= MaxWidth) return Text;
  for (int len = Text.size() - 1; len >= 0; --len) {
    const QString candidate = Text.left(len) + (Ellipsis ? QStringLiteral("...") : QString());
    if (Canvas->TextWidth(candidate) < MaxWidth) return candidate;
  }
  return Text;
}
