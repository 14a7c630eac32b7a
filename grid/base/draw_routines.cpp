#include "grid/base/draw_routines.h"

#include <algorithm>
#include <cmath>

#include "platform/rtl/exceptions.h"
#include "platform/rtl/numbers.h"
#include "platform/theme/visual_styles.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"

namespace {

void Line(TCanvas* c, TColor color, int x1, int y1, int x2, int y2) {
  c->Pen()->SetColor(color);
  c->MoveTo(x1, y1);
  c->LineTo(x2, y2);
}

void Fill(TCanvas* c, const TRect& r, TColor color) {
  c->Brush()->SetColor(color);
  c->FillRect(r);
}

const TColorTone& ToneOf(const TColorTones& tones, int state) {
  switch (state) {
    case bdsHot: return tones.Hover;
    case bdsDown: return tones.Selected;
    case bdsDisabled: return tones.Disabled;
    default: return tones.Background;
  }
}

// Draws one themed part; false when no theme is open (themes switched off), so
// that the caller can fall back to the classic look.
bool DrawThemed(TCanvas* canvas, const void* window, const char* themeClass, int part, int state, const TRect& r) {
  HTHEME theme = OpenThemeData(window, QString::fromLatin1(themeClass));
  if (!theme) return false;
  bool drawn = DrawThemeBackground(theme, canvas, part, state, r);
  CloseThemeData(theme);
  return drawn;
}

unsigned FrameStateFlags(int state, bool flat) {
  unsigned flags = flat ? DFCS_FLAT : 0;
  if (state == bdsHot) flags |= DFCS_HOT;
  if (state == bdsDown) flags |= DFCS_PUSHED;
  if (state == bdsDisabled) flags |= DFCS_INACTIVE;
  return flags;
}

void Triangle(TCanvas* c, TColor color, std::vector<TPoint> points) {
  c->Brush()->SetColor(color);
  c->Pen()->SetColor(color);
  c->Polygon(points);
}

}  // namespace

void DrawRoundFrame(TCanvas* Canvas, TColor Color, TColor ColorTo, TColor ColorMirror, TColor ColorMirrorTo,
                    TColor InnerTopColor, TColor InnerBottomColor, TColor BorderColor, TColor CornerColor,
                    TColor BackColor, TRect Rect, int Kind) {
  if (!Canvas) return;
  const int L = Rect.Left, T = Rect.Top, R = Rect.Right - 1, B = Rect.Bottom - 2;
  const int M = T + (B - T) / 2;
  const bool leftEnd = Kind == 0 || Kind == 1;
  const bool rightEnd = Kind == 0 || Kind == 2;
  Canvas->Pen()->SetWidth(1);

  // 1-2. Inner lines.
  Line(Canvas, InnerTopColor, L, T + 1, R, T + 1);
  if (leftEnd) Line(Canvas, InnerTopColor, L + 1, T + 1, L + 1, M);
  if (rightEnd) Line(Canvas, InnerTopColor, R - 2, T + 1, R - 2, M);
  Line(Canvas, InnerBottomColor, L, B - 1, R, B - 1);
  if (leftEnd) Line(Canvas, InnerBottomColor, L + 1, M, L + 1, B - 1);
  if (rightEnd) Line(Canvas, InnerBottomColor, R - 2, M, R - 2, B - 1);

  // 3. Insets of the outer lines and the inside.
  const int li = (Kind == 2 || Kind == 3) ? 0 : 2;
  const int ri = (Kind == 1 || Kind == 3) ? 0 : 2;

  // 4. Border.
  Line(Canvas, BorderColor, L + li, T, R - ri, T);
  Line(Canvas, BorderColor, L + li, B, R - ri, B);
  if (rightEnd) Line(Canvas, BorderColor, R - 1, T + 2, R - 1, B - 1);
  if (leftEnd) Line(Canvas, BorderColor, L, T + 2, L, B - 1);

  // 5. Corner pixels.
  if (leftEnd) {
    for (TPoint p : {Point(L + 1, T), Point(L + 1, T + 1), Point(L, T + 1), Point(L + 1, B), Point(L + 1, B - 1),
                     Point(L, B - 1)})
      Canvas->SetPixel(p.X, p.Y, CornerColor);
    Canvas->SetPixel(L, T, BackColor);
    Canvas->SetPixel(L, B, BackColor);
  }
  if (rightEnd) {
    for (TPoint p : {Point(R - 2, T), Point(R - 2, T + 1), Point(R - 1, T + 1), Point(R - 2, B), Point(R - 2, B - 1),
                     Point(R - 1, B - 1)})
      Canvas->SetPixel(p.X, p.Y, CornerColor);
    Canvas->SetPixel(R - 1, T, BackColor);
    Canvas->SetPixel(R - 1, B, BackColor);
  }

  // 6. Inside.
  TRect inside{L + li, T + 2, R - ri, B - 1};
  if (IsRectEmpty(inside)) return;
  if (ColorTo == clNone) {
    Fill(Canvas, inside, Color);
  } else if (ColorMirror == clNone) {
    DrawGradient(Canvas, Color, ColorTo, 16, inside, false);
  } else {
    TRect upper = inside, lower = inside;
    upper.Bottom = lower.Top = inside.Top + inside.Height() / 2;
    DrawGradient(Canvas, Color, ColorTo, 16, upper, false);
    DrawGradient(Canvas, ColorMirror, ColorMirrorTo, 16, lower, false);
  }
}

void DrawGradient(TCanvas* Canvas, TColor FromColor, TColor ToColor, int Steps, TRect Rect, bool Horizontal) {
  if (!Canvas || Rect.Top == Rect.Bottom) return;
  if (Rect.Top > Rect.Bottom) std::swap(Rect.Top, Rect.Bottom);
  if (FromColor == clNone || ToColor == clNone) {
    TColor solid = FromColor != clNone ? FromColor : ToColor;
    if (solid != clNone) Fill(Canvas, Rect, solid);
    return;
  }
  const int extent = Horizontal ? Rect.Width() : Rect.Height();
  // The bands relative to (dx, dy); the colour of the last (clNone: none).
  const auto listBands = [&](std::vector<TCanvas::TBand>& out, int dx, int dy) {
    TColor last = clNone;
    for (const TGradientBand& b : GradientBands(FromColor, ToColor, Steps, extent)) {
      TRect band = Horizontal ? TRect{Rect.Left + b.Start, Rect.Top, Rect.Left + b.End, Rect.Bottom}
                              : TRect{Rect.Left, Rect.Top + b.Start, Rect.Right, Rect.Top + b.End};
      OffsetRect(band, -dx, -dy);
      out.push_back({band, b.Color});
      last = b.Color;
    }
    return last;
  };
  // With a solid brush every band is a fill in its colour: the canvas can draw
  // them as one kept picture. Pen and brush end in the last band's colour.
  TColor last = clNone;
  if (Canvas->Brush()->Style() == bsSolid &&
      Canvas->DrawKeptBands(Rect, {2, ColorToRGB(FromColor), ColorToRGB(ToColor), Steps, Horizontal},
                            [&](std::vector<TCanvas::TBand>& out) { return listBands(out, Rect.Left, Rect.Top); },
                            last)) {
    if (last != clNone) {
      Canvas->Pen()->SetColor(last);
      Canvas->Brush()->SetColor(last);
    }
    return;
  }
  std::vector<TCanvas::TBand> bands;
  listBands(bands, 0, 0);
  for (const TCanvas::TBand& b : bands) {
    Canvas->Pen()->SetColor(b.Color);
    Fill(Canvas, b.Rect, b.Color);
  }
}

void DrawCellBackground(TCanvas* Canvas, TRect Rect, TColor Color, TColor ColorTo, TColor ColorMirror,
                        TColor ColorMirrorTo, bool Vertical, TColor BorderColor, bool SideLinesOnly, bool Fill) {
  if (!Canvas) return;
  if (Fill && Color != clNone) {
    if (ColorMirror == clNone) {
      if (ColorTo == clNone) {
        TRect r = Rect;
        r.Bottom += 1;
        ::Fill(Canvas, r, Color);
      } else {
        DrawGradient(Canvas, Color, ColorTo, 128, Rect, !Vertical);
      }
    } else {
      TRect first = Rect, second = Rect;
      if (Vertical) {
        first.Bottom = second.Top = Rect.Top + Rect.Height() / 2;
      } else {
        first.Right = second.Left = Rect.Left + Rect.Width() / 2;
      }
      DrawGradient(Canvas, Color, ColorTo, 128, first, !Vertical);
      DrawGradient(Canvas, ColorMirror, ColorMirrorTo, 128, second, !Vertical);
    }
  }
  if (BorderColor == clNone) return;
  if (SideLinesOnly) {
    Line(Canvas, BorderColor, Rect.Left, Rect.Top, Rect.Left, Rect.Bottom);
    Line(Canvas, BorderColor, Rect.Right - 1, Rect.Top, Rect.Right - 1, Rect.Bottom);
    return;
  }
  Canvas->Brush()->SetColor(BorderColor);
  Canvas->FrameRect(Rect);
}

void DrawComboButton(TCanvas* Canvas, const void* Window, TRect Rect, int Kind, int State, const TColorTones& Tones) {
  if (!Canvas) return;
  TRect b{Rect.Right - 17 - 2, Rect.Top + 1, Rect.Right - 2, Rect.Bottom - 1};
  bool disabled = State == bdsDisabled;
  if (Kind == blThemed && DrawThemed(Canvas, Window, "combobox", CP_DROPDOWNBUTTON, disabled ? CBXS_DISABLED : CBXS_NORMAL, b))
    return;
  if (Kind != blCustom) {
    DrawFrameControl(Canvas, b, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | (disabled ? DFCS_INACTIVE : 0) | (Kind == blFlat ? DFCS_FLAT : 0));
    return;
  }
  OffsetRect(b, 3, 0);
  const TColorTone& tone = ToneOf(Tones, State);
  Canvas->Pen()->SetColor(tone.BrushColor);
  Canvas->Brush()->SetColor(tone.BrushColor);
  Canvas->Rectangle(b);
  Line(Canvas, Tones.Background.BorderColor, b.Left + 1, b.Top, b.Left + 1, b.Bottom);
  const int x = b.Left, y = b.Top;
  Triangle(Canvas, Tones.Background.TextColor, {Point(x + 5, y + 8), Point(x + 11, y + 8), Point(x + 8, y + 11)});
}

void DrawButtonFace(TCanvas* Canvas, const void* Window, TRect Rect, int Kind, int State, const TColorTones& Tones) {
  if (!Canvas) return;
  if (Kind == blThemed && DrawThemed(Canvas, Window, "button", BP_PUSHBUTTON, std::clamp(State, 0, 3) + 1, Rect)) return;
  if (Kind != blCustom) {
    DrawFrameControl(Canvas, Rect, DFC_BUTTON, DFCS_BUTTONPUSH | FrameStateFlags(State, Kind == blFlat));
    return;
  }
  const TColorTone& tone = ToneOf(Tones, State);
  Canvas->Brush()->SetColor(tone.BrushColor);
  Canvas->Pen()->SetColor(tone.BorderColor);
  Canvas->Rectangle(Rect);
}

void DrawSpinButtons(TCanvas* Canvas, const void* Window, TRect Rect, int Kind, int State, const TColorTones& Tones) {
  if (!Canvas) return;
  TRect s{Rect.Right - 15 - 1, Rect.Top - 1, Rect.Right - 1, Rect.Bottom - 1};
  const int mid = s.Top + s.Height() / 2;
  TRect up{s.Left, s.Top, s.Right, mid};
  TRect down{s.Left, mid + 1, s.Right, s.Bottom};
  bool disabled = State == bdsDisabled;
  if (Kind == blThemed && DrawThemed(Canvas, Window, "spin", SPNP_UP, disabled ? UPS_DISABLED : UPS_NORMAL, up)) {
    DrawThemed(Canvas, Window, "spin", SPNP_DOWN, disabled ? DNS_DISABLED : DNS_NORMAL, down);
    return;
  }
  if (Kind != blCustom) {
    unsigned flags = (disabled ? DFCS_INACTIVE : 0) | (Kind == blFlat ? DFCS_FLAT : 0);
    DrawFrameControl(Canvas, up, DFC_SCROLL, DFCS_SCROLLUP | flags);
    DrawFrameControl(Canvas, down, DFC_SCROLL, DFCS_SCROLLDOWN | flags);
    return;
  }
  const TColorTone& tone = ToneOf(Tones, State);
  Fill(Canvas, up, tone.BrushColor);
  Fill(Canvas, down, tone.BrushColor);
  const int x = s.Left + 5;
  const int uy = up.Top + (up.Height() - 3) / 2, dy = down.Top + (down.Height() - 3) / 2;
  Triangle(Canvas, tone.TextColor, {Point(x, uy + 2), Point(x + 4, uy + 2), Point(x + 2, uy)});
  Triangle(Canvas, tone.TextColor, {Point(x, dy), Point(x + 4, dy), Point(x + 2, dy + 2)});
}

void DrawProgressBar(TCanvas* Canvas, TRect Rect, TColor CompleteColor, TColor CompleteFontColor,
                     TColor UnCompleteColor, TColor UnCompleteFontColor, double Position, int MarginX,
                     int MarginY, int Min, int Max, const QString& Format, TColor BorderColor, bool TextBelow) {
  if (!Canvas) return;
  // 1. Text and percentage.
  const TProgressText t = ProgressBarText(Position, Min, Max, Format);
  // 2. The bar inside the margins and its complete part.
  TRect r{Rect.Left + MarginX, Rect.Top + MarginY, Rect.Right - MarginX, Rect.Bottom - MarginY};
  if (IsRectEmpty(r)) return;
  const TColor oldBrush = Canvas->Brush()->Color();
  const TColor oldFont = Canvas->Font()->Color();
  const int done = ProgressCompleteWidth(t.Percent, r.Width());
  // 3. Both parts, each with the text centred on the whole bar and cut at its end.
  const int tw = Canvas->TextWidth(t.Text), th = Canvas->TextHeight(t.Text);
  const int x = r.Left + (r.Width() - tw) / 2;
  const int y = TextBelow ? r.Top + (r.Height() + th) / 2 : r.Top + (r.Height() - th) / 2;
  TRect complete{r.Left, r.Top, r.Left + done, r.Bottom};
  TRect rest{r.Left + done, r.Top, r.Right, r.Bottom};
  if (!IsRectEmpty(complete)) {
    Canvas->Brush()->SetColor(CompleteColor);
    Canvas->Font()->SetColor(CompleteFontColor);
    Canvas->TextRect(complete, x, y, t.Text);
  }
  if (!IsRectEmpty(rest)) {
    Canvas->Brush()->SetColor(UnCompleteColor);
    Canvas->Font()->SetColor(UnCompleteFontColor);
    Canvas->TextRect(rest, x, y, t.Text);
  }
  Canvas->Font()->SetColor(oldFont);
  // 4. Frames one and two pixels outside.
  InflateRect(r, 1, 1);
  if (BorderColor != clNone) {
    Canvas->Brush()->SetColor(BorderColor);
    Canvas->FrameRect(r);
  }
  InflateRect(r, 1, 1);
  Canvas->Brush()->SetColor(oldBrush);
  Canvas->FrameRect(r);
}

void DrawProgressPie(TCanvas* Canvas, TRect Rect, TColor Color, int Percent, bool Above) {
  if (!Canvas || IsRectEmpty(Rect)) return;
  const int w = Rect.Width(), h = Rect.Height();
  const int cx = Rect.Left + w / 2, cy = Rect.Top + h / 2;
  const double rx = (w + 1) / 2.0, ry = (h + 1) / 2.0;
  const double pi = 3.14159265358979323846;
  const double angle = std::clamp(Percent, 0, 100) / 100.0 * 2 * pi;
  auto at = [&](double a) { return Point(cx + RoundHalfEven(rx * std::sin(a)), cy - RoundHalfEven(ry * std::cos(a))); };
  // The slice, clockwise from the top (drawn as a polygon instead of a flood fill,
  // so that it never runs out of the circle).
  if (Percent != 0) {
    std::vector<TPoint> slice{Point(cx, cy)};
    const int steps = std::max(2, RoundHalfEven(angle * 16));
    for (int i = 0; i <= steps; ++i) slice.push_back(at(angle * i / steps));
    Canvas->Brush()->SetColor(Color);
    Canvas->Pen()->SetColor(Color);
    Canvas->Polygon(slice);
  }
  (void)Above;  // the fill start point of the original flood fill; the polygon needs none
  Canvas->Pen()->SetColor(clGray);
  Canvas->Pen()->SetWidth(1);
  Canvas->Brush()->SetStyle(bsClear);
  Canvas->Ellipse(Rect.Left, Rect.Top, Rect.Right, Rect.Bottom);
  Canvas->Brush()->SetStyle(bsSolid);
  Canvas->MoveTo(cx, Rect.Top);
  Canvas->LineTo(cx, cy);
  TPoint end = at(angle);
  Canvas->MoveTo(cx, cy);
  Canvas->LineTo(end.X, end.Y);
}

void DrawRangeIndicator(TCanvas* Canvas, TRect Rect, int Value, int Range, bool ShowValue, TColor NegativeColor,
                        TColor PositiveColor) {
  if (!Canvas) return;
  InflateRect(Rect, -2, -2);
  const int c = Rect.Width() / 2;
  const int x = RangeIndicatorLength(Value, Range, c);
  const int centre = Rect.Left + c;
  (void)ShowValue;  // the value text is not drawn
  if (x < 0) {
    Canvas->Pen()->SetColor(NegativeColor);
    Fill(Canvas, TRect{centre + x, Rect.Top, centre, Rect.Bottom}, NegativeColor);
  } else if (x > 0) {
    Canvas->Pen()->SetColor(PositiveColor);
    Fill(Canvas, TRect{centre, Rect.Top, centre + x, Rect.Bottom}, PositiveColor);
  }
}

void DrawXPProgress(TCanvas* Canvas, TRect Rect, int Percent, const TXPProgressAppearance& A) {
  if (!Canvas) return;
  const TColor pen = A.ShowBorder ? A.BorderColor : A.UnCompleteColor;
  Canvas->Brush()->SetColor(A.UnCompleteColor);
  Canvas->Pen()->SetColor(pen);
  Canvas->Rectangle(Rect);

  const int length = (A.Vertical ? Rect.Height() : Rect.Width()) - 2;
  const int p = std::clamp(Percent, 0, 100);
  std::vector<TXPProgressPart> parts = XPProgressParts(length, p, {A.Level1Perc, A.Level2Perc, A.Stacked, A.CompletionSmooth});
  if (!A.Stacked && !A.CompletionSmooth && !parts.empty()) {
    parts = XPProgressBlocks(parts.front().Length, parts.front().Level);
    for (auto& b : parts) b.Start += 1;  // blocks start 2 pixels inside the outline
  }
  const TColor colors[4][2] = {{A.Level0Color, A.Level0ColorTo}, {A.Level1Color, A.Level1ColorTo},
                               {A.Level2Color, A.Level2ColorTo}, {A.Level3Color, A.Level3ColorTo}};
  for (const TXPProgressPart& part : parts) {
    const int end = std::min(part.Start + part.Length, length);
    if (end <= part.Start) continue;
    TRect r = A.Vertical ? TRect{Rect.Left + 1, Rect.Bottom - 1 - end, Rect.Right - 1, Rect.Bottom - 1 - part.Start}
                         : TRect{Rect.Left + 1 + part.Start, Rect.Top + 1, Rect.Left + 1 + end, Rect.Bottom - 1};
    const TColor color = colors[part.Level][0], colorTo = colors[part.Level][1];
    if (!A.ShowGradient) {
      Fill(Canvas, r, color);
      continue;
    }
    // Mirrored across the bar: from the "to" colour to the colour over the first
    // half, back over the second.
    TRect first = r, second = r;
    if (A.Vertical) {
      first.Right = second.Left = r.Left + r.Width() / 2;
    } else {
      first.Bottom = second.Top = r.Top + r.Height() / 2;
    }
    DrawGradient(Canvas, colorTo, color, A.Steps, first, A.Vertical);
    DrawGradient(Canvas, color, colorTo, A.Steps, second, A.Vertical);
  }
  if (A.ShowPercentage) {
    const QString text = QString::number(p) + "%";
    if (A.Font) Canvas->Font()->Assign(*A.Font);
    Canvas->Font()->SetColor(A.CompleteFontColor);
    Canvas->Font()->SetOrientation(A.Vertical ? 900 : 0);
    Canvas->Brush()->SetStyle(bsClear);
    const int tw = Canvas->TextWidth(text), th = Canvas->TextHeight(text);
    if (A.Vertical) {
      Canvas->TextOut(Rect.Left + (Rect.Width() - th) / 2, Rect.Top + (Rect.Height() + tw) / 2, text);
    } else {
      Canvas->TextOut(Rect.Left + (Rect.Width() - tw) / 2, Rect.Top + (Rect.Height() - th) / 2, text);
    }
    Canvas->Font()->SetOrientation(0);
  }
  Canvas->Brush()->SetStyle(bsClear);
  Canvas->Pen()->SetColor(pen);
  Canvas->Rectangle(Rect);
  Canvas->Brush()->SetStyle(bsSolid);
}

void DrawCellShape(TCanvas* Canvas, int X, int Y, int Width, int Height, int Shape, TColor BrushColor,
                   TColor PenColor) {
  if (!Canvas || Shape < csRectangle || Shape > csHalfStar) return;
  Canvas->Brush()->SetColor(BrushColor);
  Canvas->Pen()->SetColor(PenColor);
  int W = Width, H = Height;
  if (Shape == csCircle || Shape == csSquare || Shape == csRoundSquare) W = H = std::min(Width, Height);
  const int R = X + W - 1, B = Y + H - 1;
  const double pi = 3.14159265358979323846;
  auto star = [&](int i) {
    double a = i * 36.0 * pi / 180.0;
    double rx = W / 2.0, ry = H / 2.0;
    if (i % 2) {
      rx /= 3;
      ry /= 3;
    }
    return Point(X + W / 2 + RoundHalfEven(std::sin(a) * rx), Y + H / 2 - RoundHalfEven(std::cos(a) * ry));
  };
  switch (Shape) {
    case csRectangle:
    case csSquare: Canvas->Rectangle(X, Y, X + W, Y + H); break;
    case csCircle:
    case csEllips: Canvas->Ellipse(X, Y, X + W, Y + H); break;
    case csRoundRect:
    case csRoundSquare: Canvas->RoundRect(X, Y, X + W, Y + H, 10, 10); break;
    case csLineVert: Canvas->Rectangle(X + W / 2, Y, X + W / 2 + 1, Y + H); break;
    case csLineHorz: Canvas->Rectangle(X, Y + H / 2, X + W, Y + H / 2 + 1); break;
    case csTriangleUp: Canvas->Polygon({Point(X, B), Point(R, B), Point(X + W / 2, Y)}); break;
    case csTriangleDown: Canvas->Polygon({Point(X, Y), Point(R, Y), Point(X + W / 2, B)}); break;
    case csTriangleLeft: Canvas->Polygon({Point(R, Y), Point(R, B), Point(X, Y + H / 2)}); break;
    case csTriangleRight: Canvas->Polygon({Point(X, Y), Point(X, B), Point(R, Y + H / 2)}); break;
    case csDiamond:
      Canvas->Polygon({Point(X + W / 2, Y), Point(R, Y + H / 2), Point(X + W / 2, B), Point(X, Y + H / 2)});
      break;
    case csArrowUp:
    case csArrowDown: {
      const int w = W & ~1;
      const int tip = Shape == csArrowUp ? Y : Y + H, tail = Shape == csArrowUp ? Y + H : Y;
      Canvas->Polygon({Point(X, Y + H / 2), Point(X + w / 2, tip), Point(X + w, Y + H / 2), Point(X + 3 * w / 4, Y + H / 2),
                       Point(X + 3 * w / 4, tail), Point(X + w / 4, tail), Point(X + w / 4, Y + H / 2)});
      break;
    }
    case csArrowLeft:
    case csArrowRight: {
      const int h = H & ~1;
      const int tip = Shape == csArrowLeft ? X : X + W, tail = Shape == csArrowLeft ? X + W : X;
      Canvas->Polygon({Point(X + W / 2, Y), Point(tip, Y + h / 2), Point(X + W / 2, Y + h), Point(X + W / 2, Y + 3 * h / 4),
                       Point(tail, Y + 3 * h / 4), Point(tail, Y + h / 4), Point(X + W / 2, Y + h / 4)});
      break;
    }
    case csStar: {
      std::vector<TPoint> points;
      for (int i = 0; i < 10; ++i) points.push_back(star(i));
      Canvas->Polygon(points);
      break;
    }
    case csHalfStar: Canvas->Polygon({star(0), star(5), star(6), star(7), star(8), star(9)}); break;
  }
}

void DrawErrorUnderline(const void*, TCanvas* Canvas, const QString& Text, TRect Rect, int YOffset, int From,
                        int Length) {
  if (!Canvas || Text.isEmpty()) return;
  const int n = int(Text.size());
  const int x0 = Rect.Left + 1;  // the edit's left text margin
  auto charPos = [&](int i) { return x0 + Canvas->TextWidth(Text.left(i)); };
  const int start = (From >= 0 && From < n) ? charPos(From) : charPos(n) + 4;
  const int last = From + Length;
  const int end = (last >= 0 && last < n) ? charPos(std::max(0, last - 1)) : charPos(n - 1) + 4;
  const int y = Rect.Top + Canvas->TextHeight(Text) + YOffset;
  std::vector<TPoint> zigzag;
  bool up = false;
  for (int x = start; x <= end; x += 3) {
    zigzag.push_back(Point(x, up ? y - 3 : y));
    up = !up;
  }
  if (zigzag.size() < 2) return;
  Canvas->Pen()->SetColor(clRed);
  Canvas->Pen()->SetWidth(2);
  Canvas->Polyline(zigzag);
  Canvas->Pen()->SetWidth(1);
}

void DrawSmallArrow(TCanvas* Canvas, int X, int Y, TColor Color) {
  if (!Canvas) return;
  Triangle(Canvas, Color, {Point(X - 3, Y), Point(X + 3, Y), Point(X, Y + 3)});
}

void FillRectColor(TCanvas* Canvas, TRect Rect, TColor Color) {
  if (!Canvas) return;
  Fill(Canvas, Rect, Color);
}

void DrawBitmapTransparent(TCanvas* Canvas, TBitmap* Bitmap, TColor BackColor, TRect Rect) {
  if (!Canvas || !Bitmap || Bitmap->Empty()) return;
  TBitmap source;
  source.Assign(*Bitmap);
  source.SetTransparentColor(source.Canvas()->Pixel(0, 0));
  source.SetTransparent(true);
  TBitmap work(Bitmap->Width(), Bitmap->Height());
  work.Canvas()->Brush()->SetColor(BackColor);
  work.Canvas()->FillRect(::Rect(0, 0, work.Width(), work.Height()));
  work.Canvas()->Draw(0, 0, &source);
  Canvas->Draw(Rect.Left, Rect.Top, &work);
}

void DrawResourceBitmapTransparent(TCanvas* Canvas, TColor BackColor, TRect Rect, const QString& ResourceName) {
  TBitmap bitmap;
  try {
    bitmap.LoadFromResourceName(ResourceName);
  } catch (const EFileError&) {
    return;
  }
  DrawBitmapTransparent(Canvas, &bitmap, BackColor, Rect);
}
