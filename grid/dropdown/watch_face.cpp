// The analogue clock's face drawing: background, tick marks, numbers, the
// AM/PM box and its roll, the hands and the centre dot.
#include <cmath>
#include <numbers>

#include "grid/dropdown/dropdown_drawing.h"
#include "grid/dropdown/ex_watch.h"
#include "grid/dropdown/watch_geometry.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"
#include "platform/ui/canvas_regions.h"
#include "platform/ui/shapes.h"

namespace {

constexpr double kDeg = std::numbers::pi / 180;

int R(double v) { return RoundHalfEven(v); }

// A point at distance d along the direction a (degrees clockwise from 12 o'clock).
TPoint Along(double x, double y, double d, double a) {
  return {R(x + d * std::sin(a * kDeg)), R(y - d * std::cos(a * kDeg))};
}

void Line(TCanvas* c, TPoint a, TPoint b) {
  c->MoveTo(a.X, a.Y);
  c->LineTo(b.X, b.Y);
}

void SetPen(TCanvas* c, TColor color, int width) {
  c->Pen()->SetStyle(psSolid);
  c->Pen()->SetColor(color);
  c->Pen()->SetWidth(width);
}

}  // namespace

void TExWatch::DrawBackground(TCanvas* Canvas, const TRect& Rc) {
  if (!Canvas) return;
  const TWatchAppearance* a = FAppearance.get();
  // 1.
  const TRect F = a->Shape() == wsCircle ? GetFaceRect() : Rc;
  // 2.
  const TRect clip = Rect(F.Left - 1, F.Top - 1, F.Right + 2, F.Bottom + 2);
  if (a->Shape() == wsCircle) ClipCanvasToEllipse(Canvas, clip);
  else if (a->Shape() == wsRoundRect) ClipCanvasToRoundRect(Canvas, clip, 20, 20);
  // 3.
  if (a->BackgroundColor() != clNone && a->BackgroundColorTo() != clNone) {
    DrawGradientRect(Canvas, a->BackgroundColor(), a->BackgroundColorTo(), 80, F,
                     a->BackgroundGradient() == wgRadial);
  } else if (a->BackgroundColor() != clNone) {
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(a->BackgroundColor());
    Canvas->FillRect(F);
  }
  // 4.
  if (a->BorderColor() != clNone && a->BorderWidth() > 0) {
    SetPen(Canvas, a->BorderColor(), a->BorderWidth());
    Canvas->Brush()->SetStyle(bsClear);
    if (a->Shape() == wsCircle) Canvas->Ellipse(F.Left, F.Top, F.Right, F.Bottom);
    else if (a->Shape() == wsRect) Canvas->Rectangle(Rc);
    else Canvas->RoundRect(Rc.Left, Rc.Top, Rc.Right, Rc.Bottom, 20, 20);
    Canvas->Brush()->SetStyle(bsSolid);
  }
  // 5.
  Canvas->RemoveClip();
  if (a->Picture()->Width() > 0) {
    TBitmap* b = a->Picture()->Bitmap();
    b->SetTransparent(true);
    Canvas->SetClipRect(Rc);
    Canvas->Draw(Rc.Left, Rc.Top, b);
    Canvas->RemoveClip();
  }
  SetPen(Canvas, clBlack, 1);
}

void TExWatch::DrawTickMarks(TCanvas* Canvas) {
  const TWatchAppearance* a = FAppearance.get();
  if (!Canvas || a->TickMarks() == tmNone) return;
  const TPoint c = GetCenter();
  const TWatchTickRadii r = WatchTickRadii(GetRadius(), a->BorderWidth(), a->HourMarkLength(), a->MinuteMarkLength());
  auto tick = [&](double t, double ri, int dx, int dy) {
    const double ct = std::cos(t * kDeg), st = std::sin(t * kDeg);
    Line(Canvas, {R(c.X + ri * ct) + dx, R(c.Y + ri * st) + dy}, {R(c.X + r.Outer * ct) + dx, R(c.Y + r.Outer * st) + dy});
  };
  // 1.
  SetPen(Canvas, a->HourColor(), a->HourMarkWidth());
  for (int t = 0; t < 360; t += 90) {
    if (a->HourMarkStyle() == hmsQuartDblLine) {
      const bool horizontal = t == 0 || t == 180;
      tick(t, r.HourInner, horizontal ? 0 : -2, horizontal ? -2 : 0);
      tick(t, r.HourInner, horizontal ? 0 : 2, horizontal ? 2 : 0);
    } else {
      tick(t, r.HourInner, 0, 0);
    }
  }
  // 2.
  if (a->TickMarks() == tmAll || a->TickMarks() == tmHours)
    for (int i = 1; i <= 11; ++i)
      if (i % 3 != 0) tick(30 * i, r.HourInner, 0, 0);
  // 3.
  if (a->TickMarks() == tmAll) {
    SetPen(Canvas, a->MinuteColor(), a->MinuteMarkWidth());
    for (int i = 0; i < 60; ++i)
      if (i % 5 != 0) tick(6 * i, r.MinuteInner, 0, 0);
  }
  SetPen(Canvas, clBlack, 1);
}

void TExWatch::DrawNumbers(TCanvas* Canvas) {
  const TWatchAppearance* a = FAppearance.get();
  if (!Canvas || !FShowNumbers || a->TickMarks() == tmNone) return;
  // 1.
  Canvas->SetFont(a->HourFont());
  TCanvas* measure = MeasureCanvas();
  measure->SetFont(a->HourFont());
  Canvas->Brush()->SetStyle(bsClear);
  const TPoint c = GetCenter();
  const double ro = WatchTickRadii(GetRadius(), a->BorderWidth(), 0, 0).Outer;
  const int L = a->HourMarkLength() > 0 ? a->HourMarkLength() : R(ro - ro * 0.9) + 2;
  const double p0 = ro - 2 * L - 2;
  // 2. and 3.
  for (int i = 1; i <= 12; ++i) {
    if (a->TickMarks() == tmHours) break;
    if (a->TickMarks() == tmQuartHours && i % 3 != 0) continue;
    const QString text = QString::number(i);
    const TSize ts = GetTextSize(measure, text);
    const int d = i == 10 ? R(ts.cy * 0.2) : i == 11 ? R(ts.cy * 0.15) : 0;
    const double p = p0 - d + L / 2;
    const int xc = c.X + R(p * std::sin(30 * i * kDeg)) + 1, yc = c.Y - R(p * std::cos(30 * i * kDeg)) + 1;
    Canvas->TextOut(xc - ts.cx / 2 - 1, yc - ts.cy / 2 - 1, text);
  }
  Canvas->Brush()->SetStyle(bsSolid);
}

TRect TExWatch::GetAMPMRect() {
  if (!FShowAMPM) return Rect(-1, -1, -1, -1);
  TCanvas* m = MeasureCanvas();
  m->SetFont(FAppearance->AMPMFont());
  const TSize s = GetTextSize(m, QStringLiteral("AM"));
  const int w = s.cx + 8, h = s.cy;
  const TPoint c = GetCenter();
  return Bounds(c.X - w / 2, c.Y + R((GetRadius() - h) / 3), w, h);
}

void TExWatch::DrawAMPMFrame(TCanvas* Canvas, const TRect& B) {
  if (FAppearance->AMPMFrame() == apRect) Canvas->Rectangle(B);
  else Canvas->RoundRect(B.Left, B.Top, B.Right, B.Bottom, 5, 5);
}

void TExWatch::DrawAMPM(TCanvas* Canvas) {
  if (!Canvas || !FShowAMPM) return;
  const TWatchAppearance* a = FAppearance.get();
  TRect b = GetAMPMRect();
  if (a->AMPMColor != clNone || a->AMPMBorderColor != clNone) {
    Canvas->Brush()->SetStyle(a->AMPMColor == clNone ? bsClear : bsSolid);
    if (a->AMPMColor != clNone) Canvas->Brush()->SetColor(a->AMPMColor);
    if (a->AMPMBorderColor != clNone) SetPen(Canvas, a->AMPMBorderColor, 1);
    else Canvas->Pen()->SetStyle(psClear);
    DrawAMPMFrame(Canvas, b);
  }
  Canvas->SetFont(a->AMPMFont());
  Canvas->Brush()->SetStyle(bsClear);
  Canvas->DrawText(FAM ? QStringLiteral("AM") : QStringLiteral("PM"), b, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
  Canvas->Brush()->SetStyle(bsSolid);
  SetPen(Canvas, clBlack, 1);
}

// One frame of the roll: a window of the AM-over-PM strip in the box.
void TExWatch::DrawRoll(TCanvas* Canvas) {
  const TWatchAppearance* a = FAppearance.get();
  const TRect B = GetAMPMRect();
  const TRect I = Rect(B.Left + 1, B.Top + 1, B.Right - 1, B.Bottom - 1);
  const int w = I.Right - I.Left, h = I.Bottom - I.Top;
  if (w <= 0 || h <= 0) return;
  TBitmap strip;
  strip.SetSize(w, 2 * h);
  TCanvas* s = strip.Canvas();
  s->Brush()->SetColor(a->AMPMColor);
  s->FillRect(Rect(0, 0, w, 2 * h));
  s->SetFont(a->AMPMFont());
  s->Brush()->SetStyle(bsClear);
  TRect top = Rect(0, 0, w, h), bottom = Rect(0, h, w, 2 * h);
  s->DrawText(QStringLiteral("AM"), top, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
  s->DrawText(QStringLiteral("PM"), bottom, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
  s->ReleasePainter();
  const int done = FRollTotal - FRollFrames;  // frames shown so far
  const int offset = FRollToPM ? std::min(h, done) : std::max(0, h - done);
  Canvas->CopyRect(I, s, Rect(0, offset, w, offset + h));
  SetPen(Canvas, a->AMPMBorderColor == clNone ? a->AMPMColor : a->AMPMBorderColor, 1);
  Canvas->Brush()->SetStyle(bsClear);
  DrawAMPMFrame(Canvas, B);
  Canvas->Brush()->SetStyle(bsSolid);
}

void TExWatch::DrawPointers(TCanvas* Canvas) {
  if (!Canvas) return;
  const TWatchAppearance* a = FAppearance.get();
  // 1.
  int h = 0, m = 0, s = 0, ms = 0;
  DecodeTime(GetDisplayTime(), h, m, s, ms);
  if (FSettings->Auto() && FAM != (h < 12)) {
    FInternalSet = true;
    SetAM(h < 12);
    FInternalSet = false;
  }
  const double ah = HourHandAngle(h, m), am = 6.0 * m, as = 6.0 * s;
  const TPoint c = GetCenter();
  const double Rr = GetRadius();
  auto hand = [&](double x, double y, double from, double to, double ang, TColor color, int width) {
    SetPen(Canvas, color, width);
    Line(Canvas, Along(x, y, -from * Rr, ang), Along(x, y, to * Rr, ang));
  };
  auto pointer = [&](double x, double y, double k, double ang, TColor color) {
    SetPen(Canvas, color, 1);
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(color);
    Canvas->Polygon({Along(x, y, -0.1 * Rr, ang), Along(x, y, -0.05 * Rr, ang + 90), Along(x, y, k * Rr, ang),
                     Along(x, y, -0.05 * Rr, ang - 90)});
  };
  // 2.
  if (a->PointerStyle() == psLine) {
    if (a->HourPointerShadow() != clNone)
      hand(c.X - 1, c.Y + 3, 0.1, 0.46, ah, a->HourPointerShadow(), a->HourPointerSize());
    if (a->MinutePointerShadow() != clNone)
      hand(c.X, c.Y + 3, 0.1, 0.65, am, a->MinutePointerShadow(), a->MinutePointerSize());
    hand(c.X, c.Y, 0.1, 0.5, ah, a->HourPointer(), a->HourPointerSize());
    hand(c.X, c.Y, 0.1, 0.7, am, a->MinutePointer(), a->MinutePointerSize());
  } else if (a->PointerStyle() == psPointer) {
    // 3.
    if (a->HourPointerShadow() != clNone) pointer(c.X + 1, c.Y + 3, 0.5, ah, a->HourPointerShadow());
    pointer(c.X, c.Y, 0.5, ah, a->HourPointer());
    if (a->MinutePointerShadow() != clNone) pointer(c.X + 1, c.Y + 3, 0.7, am, a->MinutePointerShadow());
    pointer(c.X, c.Y, 0.7, am, a->MinutePointer());
  }
  // 4.
  if ((a->PointerStyle() == psLine || a->PointerStyle() == psPointer) && FSettings->Auto() && FSettings->Second())
    hand(c.X, c.Y, 0.2, 0.9, as, a->SecondPointer(), a->SecondPointerSize());
  // 5.
  const int size = a->CenterPointSize();
  if (size > 0) {
    const int left = R(c.X - size / 2.0), top = R(c.Y - size / 2.0);
    if (a->CenterPointColor() != clNone) {
      SetPen(Canvas, a->CenterPointColor(), 1);
      Canvas->Brush()->SetStyle(bsSolid);
      Canvas->Brush()->SetColor(a->CenterPointColor());
      Canvas->Ellipse(left, top, left + size, top + size);
    }
    int v = 0;
    Canvas->Brush()->SetStyle(bsClear);
    if (a->CenterPointOuterBorderColor() != clNone) {
      v = R(size * 0.2);
      SetPen(Canvas, a->CenterPointOuterBorderColor(), v);
      Canvas->Ellipse(left, top, left + size, top + size);
    }
    if (a->CenterPointBorderColor() != clNone) {
      const int d = size - v;
      const int l2 = R(c.X - d / 2.0), t2 = R(c.Y - d / 2.0);
      SetPen(Canvas, a->CenterPointBorderColor(), R(size * 0.1));
      Canvas->Ellipse(l2, t2, l2 + d, t2 + d);
    }
  }
  Canvas->Brush()->SetStyle(bsSolid);
  SetPen(Canvas, clBlack, 1);
}
