#include "controls/button/button_glyphs.h"

#include <cmath>
#include <vector>

#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"

namespace {

constexpr int kCell = 16;
constexpr TColor kBackground = 0xFF00FF;

// One picture drawn in a 16 x 16 cell at (ox, oy); `ink` is its main colour and
// `detail` the colour of marks drawn on top of it.
using GlyphPainter = void (*)(TCanvas* c, int ox, int oy, TColor ink, TColor detail);

std::vector<TPoint> Offset(std::vector<TPoint> pts, int ox, int oy) {
  for (TPoint& p : pts) p = {p.X + ox, p.Y + oy};
  return pts;
}

void ThickLine(TCanvas* c, const std::vector<TPoint>& pts, TColor color, int width) {
  c->Pen()->SetStyle(psSolid);
  c->Pen()->SetColor(color);
  c->Pen()->SetWidth(width);
  c->Polyline(pts);
  c->Pen()->SetWidth(1);
}

void Filled(TCanvas* c, const std::vector<TPoint>& pts, TColor color) {
  c->Pen()->SetStyle(psSolid);
  c->Pen()->SetColor(color);
  c->Pen()->SetWidth(1);
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(color);
  c->Polygon(pts);
}

void Disc(TCanvas* c, int left, int top, int right, int bottom, TColor color) {
  c->Pen()->SetStyle(psSolid);
  c->Pen()->SetWidth(1);
  c->Pen()->SetColor(color);
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(color);
  c->Ellipse(left, top, right, bottom);
}

void Check(TCanvas* c, int ox, int oy, TColor ink, TColor) {
  ThickLine(c, Offset({{2, 8}, {6, 12}, {13, 3}}, ox, oy), ink, 3);
}

void DoubleCheck(TCanvas* c, int ox, int oy, TColor ink, TColor) {
  ThickLine(c, Offset({{1, 6}, {4, 9}, {9, 2}}, ox, oy), ink, 2);
  ThickLine(c, Offset({{5, 9}, {8, 12}, {14, 4}}, ox, oy), ink, 2);
}

void Cross(TCanvas* c, int ox, int oy, TColor ink, TColor) {
  ThickLine(c, Offset({{4, 3}, {12, 11}}, ox, oy), ink, 3);
  ThickLine(c, Offset({{12, 3}, {4, 11}}, ox, oy), ink, 3);
}

void Question(TCanvas* c, int ox, int oy, TColor ink, TColor detail) {
  Disc(c, ox + 1, oy + 1, ox + 15, oy + 15 - 1, ink);
  ThickLine(c, Offset({{6, 5}, {7, 4}, {9, 4}, {10, 5}, {10, 6}, {8, 8}, {8, 9}}, ox, oy), detail, 2);
  c->Brush()->SetColor(detail);
  c->FillRect(Rect(ox + 7, oy + 10, ox + 9, oy + 12));
}

void Prohibited(TCanvas* c, int ox, int oy, TColor ink, TColor detail) {
  Disc(c, ox + 1, oy + 1, ox + 15, oy + 14, ink);
  Disc(c, ox + 4, oy + 4, ox + 12, oy + 11, detail);
  ThickLine(c, Offset({{4, 11}, {12, 3}}, ox, oy), ink, 2);
}

void Octagon(TCanvas* c, int ox, int oy, TColor ink, TColor detail) {
  Filled(c, Offset({{5, 1}, {10, 1}, {14, 5}, {14, 9}, {10, 13}, {5, 13}, {1, 9}, {1, 5}}, ox, oy), ink);
  c->Brush()->SetColor(detail);
  c->FillRect(Rect(ox + 4, oy + 6, ox + 12, oy + 9));
}

void Door(TCanvas* c, int ox, int oy, TColor ink, TColor detail) {
  c->Pen()->SetStyle(psSolid);
  c->Pen()->SetColor(ink);
  c->Brush()->SetStyle(bsClear);
  c->Rectangle(ox + 3, oy + 1, ox + 13, oy + 14);
  Filled(c, Offset({{3, 1}, {9, 3}, {9, 14}, {3, 13}}, ox, oy), ink);
  c->Brush()->SetColor(detail);
  c->FillRect(Rect(ox + 7, oy + 7, ox + 8, oy + 9));
}

void Retry(TCanvas* c, int ox, int oy, TColor ink, TColor) {
  std::vector<TPoint> arc;
  for (int a = 40; a <= 320; a += 20) {
    const double rad = a * 3.14159265358979 / 180.0;
    arc.push_back({ox + 8 + static_cast<int>(std::lround(5.5 * std::cos(rad))),
                   oy + 7 - static_cast<int>(std::lround(5.5 * std::sin(rad)))});
  }
  ThickLine(c, arc, ink, 2);
  Filled(c, Offset({{10, 0}, {15, 3}, {10, 6}}, ox, oy), ink);
}

void Skip(TCanvas* c, int ox, int oy, TColor ink, TColor) {
  Filled(c, Offset({{2, 3}, {8, 7}, {2, 11}}, ox, oy), ink);
  Filled(c, Offset({{8, 3}, {14, 7}, {8, 11}}, ox, oy), ink);
}

struct GlyphDef {
  const char* name;
  GlyphPainter paint;
  TColor ink;
  TColor detail;
};

constexpr GlyphDef kGlyphs[] = {
    {"LBOK", Check, 0x00A000, 0xFFFFFF},        {"LBCANCEL", Cross, 0x0000D0, 0xFFFFFF},
    {"LBHELP", Question, 0xC06000, 0xFFFFFF},   {"LBYES", Check, 0x00A000, 0xFFFFFF},
    {"LBNO", Prohibited, 0x0000D0, kBackground}, {"LBCLOSE", Door, 0x1F4F8F, 0x80E0FF},
    {"LBABORT", Octagon, 0x0000C0, 0xFFFFFF},   {"LBRETRY", Retry, 0x008000, 0xFFFFFF},
    {"LBIGNORE", Skip, 0x905020, 0xFFFFFF},     {"LBALL", DoubleCheck, 0x00A000, 0xFFFFFF},
};

void FillBackground(TBitmap* b) {
  b->Canvas()->Brush()->SetStyle(bsSolid);
  b->Canvas()->Brush()->SetColor(kBackground);
  b->Canvas()->FillRect(Rect(0, 0, b->Width(), b->Height()));
}

// A small triangle pointing down, the mark of a button with a pop-up menu.
void DrawArrow(TBitmap* b) {
  b->SetSize(7, 4);
  FillBackground(b);
  Filled(b->Canvas(), {{0, 0}, {6, 0}, {3, 3}}, clBlack);
}

}  // namespace

bool LoadButtonGlyph(const QString& name, TBitmap* target) {
  if (!target) return false;
  if (name == QLatin1String("LBARROW")) {
    DrawArrow(target);
    return true;
  }
  for (const GlyphDef& g : kGlyphs) {
    if (name != QLatin1String(g.name)) continue;
    target->SetSize(2 * kCell, kCell);
    FillBackground(target);
    TCanvas* c = target->Canvas();
    g.paint(c, 0, 0, g.ink, g.detail);
    // The disabled cell: the picture embossed in grey.
    const TColor hole = g.detail == kBackground ? kBackground : clWhite;
    g.paint(c, kCell + 1, 1, clWhite, hole);
    g.paint(c, kCell, 0, clGray, g.detail == kBackground ? kBackground : clSilver);
    return true;
  }
  target->Clear();
  return false;
}
