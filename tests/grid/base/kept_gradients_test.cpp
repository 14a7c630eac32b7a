// Gradients drawn as kept pictures: the same pixels, and the same pen and brush
// colours afterwards, as filling every band in turn, for both gradient routines,
// whether the picture is made or found again, in both bitmap formats.
#include <gtest/gtest.h>

#include <QImage>
#include <functional>

#include "grid/base/draw_routines.h"
#include "grid/dropdown/dropdown_drawing.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"

namespace {

constexpr int kSize = 320;

// A background of stripes, so that a pixel the gradient must leave alone and
// one it must paint both show.
void Stripes(TBitmap& b, TPixelFormat format) {
  b.SetPixelFormat(format);
  b.SetSize(kSize, kSize);
  TCanvas* c = b.Canvas();
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(RGB(10, 200, 30));
  c->FillRect(Rect(0, 0, kSize, kSize));
  c->Brush()->SetColor(RGB(250, 5, 120));
  for (int x = 0; x < kSize; x += 3) c->FillRect(Rect(x, 0, x + 1, kSize));
  c->Pen()->SetColor(clRed);
  c->Pen()->SetWidth(1);
  c->Pen()->SetStyle(psSolid);
  c->Pen()->SetMode(pmCopy);
}

struct Drawn {
  QImage pixels;
  TColor pen, brush;
};

Drawn Draw(TPixelFormat format, bool keep, const std::function<void(TCanvas*)>& draw) {
  TCanvas::SetKeepBands(keep);
  TBitmap b;
  Stripes(b, format);
  draw(b.Canvas());
  TCanvas::SetKeepBands(true);
  Drawn d{QImage(), b.Canvas()->Pen()->Color(), b.Canvas()->Brush()->Color()};
  b.Canvas()->ReleasePainter();
  d.pixels = b.Image().copy();
  return d;
}

TEST(KeptGradients, SamePixelsAndColoursAsBandFills) {
  struct Case {
    const char* name;
    TRect r;
    TColor from, to;
    int steps;
    bool horizontal;
  } cases[] = {
      {"fixed cell", Rect(3, 5, 67, 29), clBtnFace, clWhite, 128, false},
      {"header across", Rect(0, 0, 100, 30), RGB(20, 40, 60), RGB(220, 180, 140), 80, true},
      {"darker down", Rect(10, 10, 40, 200), clWhite, RGB(0, 0, 90), 16, false},
      {"one colour", Rect(7, 3, 50, 20), RGB(90, 90, 90), RGB(90, 90, 90), 64, true},
      {"two by two", Rect(1, 1, 3, 3), clBlack, clWhite, 128, false},
      {"one pixel wide", Rect(4, 4, 5, 30), clBlack, clWhite, 128, false},
      {"one pixel high", Rect(4, 4, 60, 5), clBlack, clWhite, 128, true},
      {"one step", Rect(2, 2, 30, 30), clBlack, clWhite, 1, false},
      {"no steps", Rect(2, 2, 30, 30), clBlack, clWhite, 0, true},
      {"too large to keep", Rect(0, 0, 300, 300), clBlack, clWhite, 128, false},
      {"upside down", Rect(5, 40, 45, 8), clBlack, clWhite, 32, false},
  };
  const std::pair<const char*, std::function<void(TCanvas*, const Case&)>> routines[] = {
      {"DrawGradientRect",
       [](TCanvas* c, const Case& k) { DrawGradientRect(c, k.from, k.to, k.steps, k.r, k.horizontal); }},
      {"DrawGradient", [](TCanvas* c, const Case& k) { DrawGradient(c, k.from, k.to, k.steps, k.r, k.horizontal); }},
  };
  for (TPixelFormat format : {pf24bit, pf32bit})
    for (const auto& [routine, draw] : routines)
      for (const Case& k : cases) {
        SCOPED_TRACE(std::string(routine) + " " + k.name + (format == pf24bit ? " 24 bits" : " 32 bits"));
        const auto once = [&](TCanvas* c) { draw(c, k); };
        const Drawn filled = Draw(format, false, once);
        const Drawn made = Draw(format, true, once);
        const Drawn found = Draw(format, true, once);
        for (const Drawn* d : {&made, &found}) {
          EXPECT_TRUE(d->pixels == filled.pixels);
          EXPECT_EQ(d->pen, filled.pen);
          EXPECT_EQ(d->brush, filled.brush);
        }
      }
}

// The same gradient at another place, over another gradient and with the pen
// inverting: a kept picture lands where it is drawn, over what is there, and is
// not used where the bands would not simply cover the pixels.
TEST(KeptGradients, PlaceOverlapAndInvertingPen) {
  const auto scene = [](TCanvas* c) {
    DrawGradientRect(c, clBtnFace, clWhite, 128, Rect(3, 5, 67, 29), false);
    DrawGradientRect(c, clBtnFace, clWhite, 128, Rect(40, 20, 104, 44), false);
    DrawGradient(c, RGB(0, 0, 0), RGB(255, 0, 0), 128, Rect(50, 0, 114, 24), false);
    c->Pen()->SetMode(pmXor);
    DrawGradientRect(c, clBlack, clWhite, 128, Rect(60, 60, 124, 84), true);
    c->Pen()->SetMode(pmCopy);
    c->Brush()->SetStyle(bsDiagCross);
    DrawGradient(c, clBlack, clWhite, 16, Rect(100, 100, 140, 140), false);
  };
  for (TPixelFormat format : {pf24bit, pf32bit}) {
    const Drawn filled = Draw(format, false, scene);
    const Drawn kept = Draw(format, true, scene);
    EXPECT_TRUE(kept.pixels == filled.pixels) << format;
    EXPECT_EQ(kept.pen, filled.pen);
    EXPECT_EQ(kept.brush, filled.brush);
  }
}

}  // namespace
