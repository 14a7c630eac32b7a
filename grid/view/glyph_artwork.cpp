// The grid's small pictures, drawn in code.
#include "grid/view/glyph_artwork.h"

#include <QHash>
#include <memory>

#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"

namespace {

struct TGlyphSpec {
  const char* Name;
  enum { Check, Radio, Filter, Node, Leaf, ArrowDown, ArrowUp, Close, Highlight } Kind;
  int Size;
  bool Checked;
  bool Enabled;
};

constexpr TGlyphSpec kGlyphs[] = {
    {"ESGCHK05", TGlyphSpec::Check, 16, true, true},   {"ESGCHK06", TGlyphSpec::Check, 16, false, true},
    {"ESGCHK07", TGlyphSpec::Check, 16, true, false},  {"ESGCHK08", TGlyphSpec::Check, 16, false, false},
    {"ESGCHK01", TGlyphSpec::Check, 20, true, true},   {"ESGCHK02", TGlyphSpec::Check, 20, false, true},
    {"ESGCHK03", TGlyphSpec::Check, 20, true, false},  {"ESGCHK04", TGlyphSpec::Check, 20, false, false},
    {"ESGRAD05", TGlyphSpec::Radio, 16, true, true},   {"ESGRAD06", TGlyphSpec::Radio, 16, false, true},
    {"ESGRAD07", TGlyphSpec::Radio, 16, true, false},  {"ESGRAD08", TGlyphSpec::Radio, 16, false, false},
    {"ESGRAD01", TGlyphSpec::Radio, 16, true, true},   {"ESGRAD02", TGlyphSpec::Radio, 16, false, true},
    {"ESGRAD03", TGlyphSpec::Radio, 16, true, false},  {"ESGRAD04", TGlyphSpec::Radio, 16, false, false},
    {"ESGFILT", TGlyphSpec::Filter, 16, false, true},
    // Tree nodes: "Checked" stands for a contracted node.
    {"XPNODEC", TGlyphSpec::Node, 9, true, true},      {"XPNODEO", TGlyphSpec::Node, 9, false, true},
    {"ESGLEAFCLOSE", TGlyphSpec::Leaf, 12, true, true}, {"ESGLEAFOPEN", TGlyphSpec::Leaf, 12, false, true},
    // The search footer's buttons: find next and previous (and their disabled
    // looks), close (normal, hot, pressed: "Checked" draws it darker) and highlight.
    {"ESGARDOWN", TGlyphSpec::ArrowDown, 16, false, true}, {"ESGARDOWND", TGlyphSpec::ArrowDown, 16, false, false},
    {"ESGARUP", TGlyphSpec::ArrowUp, 16, false, true},     {"ESGARUPD", TGlyphSpec::ArrowUp, 16, false, false},
    {"ESGCLOSE", TGlyphSpec::Close, 14, false, true},      {"ESGCLOSEH", TGlyphSpec::Close, 14, false, false},
    {"ESGCLOSED", TGlyphSpec::Close, 14, true, true},      {"ESGHI", TGlyphSpec::Highlight, 16, false, true},
    {"ESGHID", TGlyphSpec::Highlight, 16, false, false},
};

void Fill(TCanvas* c, TColor color, const TRect& r) {
  c->Brush()->SetColor(color);
  c->FillRect(r);
}

// A square box with a one-pixel frame and a tick made of short strokes.
void DrawCheck(TCanvas* c, const TGlyphSpec& g) {
  const int s = g.Size;
  const TRect box = Rect(1, 1, s - 2, s - 2);
  Fill(c, g.Enabled ? kGlyphFrame : kGlyphFrameDisabled, box);
  Fill(c, g.Enabled ? kGlyphFill : kGlyphFillDisabled, Rect(2, 2, s - 3, s - 3));
  if (!g.Checked) return;
  const TColor mark = g.Enabled ? kGlyphMark : kGlyphMarkDisabled;
  // Down-stroke from the left, then up to the top right, three pixels thick.
  const int x0 = s / 4, y0 = s / 2 - 1, down = s / 5, up = s / 2 - 1;
  for (int i = 0; i <= down; ++i) Fill(c, mark, Rect(x0 + i, y0 + i, x0 + i + 1, y0 + i + 3));
  for (int i = 1; i <= up; ++i)
    Fill(c, mark, Rect(x0 + down + i, y0 + down - i, x0 + down + i + 1, y0 + down - i + 3));
}

// A round button with a dot.
void DrawRadio(TCanvas* c, const TGlyphSpec& g) {
  const int s = g.Size;
  c->Pen()->SetColor(g.Enabled ? kGlyphFrame : kGlyphFrameDisabled);
  c->Brush()->SetColor(g.Enabled ? kGlyphFill : kGlyphFillDisabled);
  c->Ellipse(1, 1, s - 2, s - 2);
  if (!g.Checked) return;
  const TColor mark = g.Enabled ? kGlyphMark : kGlyphMarkDisabled;
  c->Pen()->SetColor(mark);
  c->Brush()->SetColor(mark);
  c->Ellipse(s / 2 - 3, s / 2 - 3, s / 2 + 2, s / 2 + 2);
}

// A funnel with a frame.
void DrawFilter(TCanvas* c, const TGlyphSpec& g) {
  const int s = g.Size;
  c->Pen()->SetColor(clGray);
  c->Brush()->SetColor(clBtnFace);
  c->Rectangle(0, 0, s, s);
  c->Pen()->SetColor(clBlack);
  c->Brush()->SetColor(clBlack);
  c->Polygon({{4, 5}, {11, 5}, {8, 9}, {8, 12}, {7, 12}, {7, 9}});
  // The key colour stays in the corner pixel.
  c->SetPixel(0, 0, kGlyphKey);
}

// A framed box with a shaded inside and a plus (contracted) or a minus.
void DrawNode(TCanvas* c, const TGlyphSpec& g) {
  const int s = g.Size;
  Fill(c, kNodeFrame, Rect(0, 0, s, s));
  Fill(c, kGlyphFill, Rect(1, 1, s - 1, s - 1));
  Fill(c, kNodeShade, Rect(1, s - 3, s - 1, s - 1));
  Fill(c, kNodeSign, Rect(2, s / 2, s - 2, s / 2 + 1));
  if (g.Checked) Fill(c, kNodeSign, Rect(s / 2, 2, s / 2 + 1, s - 2));
}

// A solid triangle pointing right (contracted) or down.
void DrawLeaf(TCanvas* c, const TGlyphSpec& g) {
  c->Pen()->SetColor(kNodeSign);
  c->Brush()->SetColor(kNodeSign);
  if (g.Checked) c->Polygon({{4, 2}, {8, 6}, {4, 10}});
  else c->Polygon({{2, 4}, {10, 4}, {6, 8}});
}

// A solid arrow pointing down or up.
void DrawArrow(TCanvas* c, const TGlyphSpec& g) {
  const TColor color = g.Enabled ? kGlyphArrow : kGlyphArrowDisabled;
  c->Pen()->SetColor(color);
  c->Brush()->SetColor(color);
  if (g.Kind == TGlyphSpec::ArrowDown) {
    Fill(c, color, Rect(6, 2, 10, 8));
    c->Polygon({{2, 8}, {13, 8}, {8, 13}, {7, 13}});
  } else {
    Fill(c, color, Rect(6, 8, 10, 14));
    c->Polygon({{7, 2}, {8, 2}, {13, 7}, {2, 7}});
  }
}

// A cross, grey, red when hot and dark red when pressed.
void DrawClose(TCanvas* c, const TGlyphSpec& g) {
  const TColor color = g.Checked ? kGlyphClosePressed : g.Enabled ? kGlyphClose : kGlyphCloseHot;
  const int s = g.Size;
  for (int i = 3; i < s - 3; ++i) {
    Fill(c, color, Rect(i, i, i + 2, i + 1));
    Fill(c, color, Rect(s - 2 - i, i, s - i, i + 1));
  }
}

// A marker pen drawing a yellow stroke.
void DrawHighlight(TCanvas* c, const TGlyphSpec& g) {
  Fill(c, g.Enabled ? clYellow : kGlyphFillDisabled, Rect(2, 11, 14, 14));
  const TColor pen = g.Enabled ? kGlyphArrow : kGlyphArrowDisabled;
  c->Pen()->SetColor(pen);
  c->Brush()->SetColor(pen);
  c->Polygon({{5, 10}, {11, 2}, {14, 4}, {8, 11}});
}

std::unique_ptr<TBitmap> Make(const TGlyphSpec& g) {
  auto b = std::make_unique<TBitmap>(g.Size, g.Size);
  TCanvas* c = b->Canvas();
  Fill(c, kGlyphKey, Rect(0, 0, g.Size, g.Size));
  switch (g.Kind) {
    case TGlyphSpec::Check: DrawCheck(c, g); break;
    case TGlyphSpec::Radio: DrawRadio(c, g); break;
    case TGlyphSpec::Filter: DrawFilter(c, g); break;
    case TGlyphSpec::Node: DrawNode(c, g); break;
    case TGlyphSpec::Leaf: DrawLeaf(c, g); break;
    case TGlyphSpec::ArrowDown:
    case TGlyphSpec::ArrowUp: DrawArrow(c, g); break;
    case TGlyphSpec::Close: DrawClose(c, g); break;
    case TGlyphSpec::Highlight: DrawHighlight(c, g); break;
  }
  b->SetTransparentColor(kGlyphKey);
  b->SetTransparent(true);
  return b;
}

}  // namespace

TBitmap* GridGlyph(const QString& Name) {
  static QHash<QString, std::shared_ptr<TBitmap>> made;
  auto it = made.find(Name);
  if (it != made.end()) return it.value().get();
  std::shared_ptr<TBitmap> bitmap;
  for (const TGlyphSpec& g : kGlyphs)
    if (Name == QLatin1String(g.Name)) bitmap = Make(g);
  if (!bitmap) bitmap = std::make_shared<TBitmap>();
  made.insert(Name, bitmap);
  return bitmap.get();
}
