#include "grid/base/grid_button_layout.h"

#include <cmath>

#include "platform/ui/bitmap.h"

TButtonGlyphLayout CalcButtonLayout(const TRect& Client, TPoint Offset, TSize GlyphSize, TSize TextSize,
                                    TButtonLayout Layout, int Margin, int Spacing, bool RightToLeft) {
  // 1.
  if (RightToLeft) {
    if (Layout == blGlyphLeft)
      Layout = blGlyphRight;
    else if (Layout == blGlyphRight)
      Layout = blGlyphLeft;
  }
  const TSize client{Client.Width(), Client.Height()};
  const bool horizontal = Layout == blGlyphLeft || Layout == blGlyphRight;
  TPoint glyph, text;
  // Across the layout axis both are centred.
  if (horizontal) {
    glyph.Y = (client.cy - GlyphSize.cy + 1) / 2;
    text.Y = (client.cy - TextSize.cy + 1) / 2;
  } else {
    glyph.X = (client.cx - GlyphSize.cx + 1) / 2;
    text.X = (client.cx - TextSize.cx + 1) / 2;
  }
  // 2. An empty caption or glyph leaves no spacing.
  const int extent = horizontal ? client.cx : client.cy;
  const int glyphSize = horizontal ? GlyphSize.cx : GlyphSize.cy;
  const int textSize = horizontal ? TextSize.cx : TextSize.cy;
  if (textSize == 0 || glyphSize == 0) Spacing = 0;
  // 3.
  if (Margin == -1) {
    if (Spacing == -1) {
      Margin = (extent - (textSize + glyphSize)) / 3;
      Spacing = Margin;
    } else {
      Margin = (extent - (glyphSize + Spacing + textSize) + 1) / 2;
    }
  } else if (Spacing == -1) {
    Spacing = (extent - (Margin + glyphSize) - textSize) / 2;
  }
  // 4.
  int& g = horizontal ? glyph.X : glyph.Y;
  int& t = horizontal ? text.X : text.Y;
  if (Layout == blGlyphLeft || Layout == blGlyphTop) {
    g = Margin;
    t = g + glyphSize + Spacing;
  } else {
    g = extent - Margin - glyphSize;
    t = g - Spacing - textSize;
  }
  // 5.
  const int dx = Offset.X + Client.Left;
  const int dy = Offset.Y + Client.Top;
  TButtonGlyphLayout out;
  out.GlyphPos = {glyph.X + dx, glyph.Y + dy};
  out.TextBounds = Bounds(text.X + dx, text.Y + dy, TextSize.cx, TextSize.cy);
  return out;
}

int GreyGlyphValue(TColor Color) {
  const int sum = GetRValue(Color) + GetGValue(Color) + GetBValue(Color);
  return static_cast<int>(std::lround(sum / 3.0)) / 2 + 96;
}

void MakeGreyGlyph(TBitmap* Glyph, TBitmap* Target) {
  Target->SetPixelFormat(pf24bit);
  Target->SetSize(Glyph->Width(), Glyph->Height());
  for (int y = 0; y < Glyph->Height(); ++y) {
    const uint8_t* src = Glyph->ScanLine(y);
    const int step = Glyph->PixelFormat() == pf24bit ? 3 : 4;
    uint8_t* dst = Target->ScanLine(y);
    for (int x = 0; x < Glyph->Width(); ++x) {
      const uint8_t* p = src + step * x;
      const auto g = static_cast<uint8_t>(GreyGlyphValue(RGB(p[2], p[1], p[0])));
      dst[3 * x] = dst[3 * x + 1] = dst[3 * x + 2] = g;
    }
  }
  Target->SetTransparent(Glyph->Transparent());
}

void MakeShadeGlyph(TBitmap* Glyph, TBitmap* Target) {
  Target->SetPixelFormat(pf24bit);
  Target->SetSize(Glyph->Width(), Glyph->Height());
  if (Glyph->Empty()) return;
  const int step = Glyph->PixelFormat() == pf24bit ? 3 : 4;
  const uint8_t* corner = Glyph->ScanLine(Glyph->Height() - 1);
  const TColor key = RGB(corner[2], corner[1], corner[0]);
  for (int y = 0; y < Glyph->Height(); ++y) {
    const uint8_t* src = Glyph->ScanLine(y);
    uint8_t* dst = Target->ScanLine(y);
    for (int x = 0; x < Glyph->Width(); ++x) {
      const uint8_t* p = src + step * x;
      const TColor c = RGB(p[2], p[1], p[0]) == key ? key : clGray;
      dst[3 * x] = static_cast<uint8_t>(GetBValue(c));
      dst[3 * x + 1] = static_cast<uint8_t>(GetGValue(c));
      dst[3 * x + 2] = static_cast<uint8_t>(GetRValue(c));
    }
  }
  Target->SetTransparent(true);
}

namespace {

constexpr TColor kNone = clNone;
// Looks 3 and 4 take look 2's colours after their own Color and ColorTo.
constexpr TGridButtonLook kLooks[] = {
    {0xEDF1F1, 0xDFEBEB, 0xFAFCFC, 0xE5ECED, 0xE0E6E7, 0xD8E0E1, 0xFFFFFF, kNone, 0xAF987A, 0xC3CECE},
    {clBtnFace, kNone, 0xEED2C1, kNone, 0xE2B598, kNone, 0xE8E6E1, kNone, 0xC56A31, 0xC56A31},
    {0xFDEADA, 0xE4AE88, 0xCCF4FF, 0x91D0FF, 0x4E91FE, 0x8ED3FF, 0x8ED3FF, 0x55ADFF, 0x000000, 0x000000},
    {0xCFF0EA, 0x8CC0B1, 0xCCF4FF, 0x91D0FF, 0x4E91FE, 0x8ED3FF, 0x8ED3FF, 0x55ADFF, 0x000000, 0x000000},
    {0xECE2E1, 0xB39698, 0xCCF4FF, 0x91D0FF, 0x4E91FE, 0x8ED3FF, 0x8ED3FF, 0x55ADFF, 0x000000, 0x000000},
    {clBtnFace, kNone, clBtnFace, kNone, 0xD8D3D2, kNone, 0xCAC7C7, kNone, kNone, kNone},
    {0xCAFFFF, 0xA6FFFF, 0xA8F0FD, 0x7CE9FC, 0x4DE0FB, 0x7AE9FC, 0xB5E6F2, 0x9CDDED, 0x808080, 0x808080},
};

struct TSchemeLook {
  const char* name;
  int look;
};
constexpr TSchemeLook kSchemeLooks[] = {{"NormalColor", 2}, {"HomeStead", 3}, {"Metallic", 4}};

}  // namespace

const TGridButtonLook* GridButtonLook(int Look) {
  if (Look < 0 || Look >= static_cast<int>(std::size(kLooks))) return nullptr;
  return &kLooks[Look];
}

int LookOfColorScheme(bool ThemeActive, const QString& SchemeName) {
  if (!ThemeActive) return 1;
  for (const TSchemeLook& s : kSchemeLooks)
    if (SchemeName == QLatin1String(s.name)) return s.look;
  return 1;
}
