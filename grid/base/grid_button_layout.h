// The parts of the cell button's drawing that need no canvas: where its glyph
// and caption go, the grey (disabled) and shade copies of its glyph, the colour
// looks and the look that follows the desktop's colour scheme.
#pragma once

#include <QString>

#include "platform/ui/graphics.h"

class TBitmap;

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

struct TButtonGlyphLayout {
  TPoint GlyphPos;
  TRect TextBounds;
  bool operator==(const TButtonGlyphLayout&) const = default;
};

// Glyph and caption inside the content area `Client`: Margin -1 centres, Spacing
// -1 spreads; an empty glyph or caption makes the spacing 0; RightToLeft swaps
// glyph-left and glyph-right. `Offset` moves both (a pressed button's shift).
TButtonGlyphLayout CalcButtonLayout(const TRect& Client, TPoint Offset, TSize GlyphSize, TSize TextSize,
                                    TButtonLayout Layout, int Margin, int Spacing, bool RightToLeft);

// The grey value of a disabled glyph's pixel: round((R + G + B) / 3) div 2 + 96.
int GreyGlyphValue(TColor Color);
// Greys every pixel of Glyph into Target (same size, 24-bit).
void MakeGreyGlyph(TBitmap* Glyph, TBitmap* Target);
// The silhouette of Glyph in $808080; pixels of the transparent colour (the
// bottom-left pixel) keep it.
void MakeShadeGlyph(TBitmap* Glyph, TBitmap* Target);

// A complete colour scheme of the button (all TColor values).
struct TGridButtonLook {
  TColor Color, ColorTo, ColorHot, ColorHotTo, ColorDown, ColorDownTo, ColorChecked, ColorCheckedTo;
  TColor BorderDownColor, BorderHotColor;
};
// Looks 0 to 6; nullptr for any other number.
const TGridButtonLook* GridButtonLook(int Look);
// The look that fits the desktop's colour scheme: "NormalColor" 2, "HomeStead"
// 3, "Metallic" 4; any other name, or no theme, 1.
int LookOfColorScheme(bool ThemeActive, const QString& SchemeName);
