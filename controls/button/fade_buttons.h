// What the push button draws and animates with: the enumerations of its
// properties, the table of predefined colour styles, the hot-track blend, the
// gradient bands, the glyph-cell drawing and the stateless routine that paints one
// button state (face, frame, caption and glyph) into any canvas.
#pragma once

#include <QString>

#include "platform/ui/canvas.h"
#include "platform/ui/control.h"

class TBitmap;

enum TFadeButtonStyle { bsNormal, bsEncarta, bsModern, bsOld, bsShape, bsQuicken };
enum TFadeButtonKind { bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll };
enum TFadeColorStyle { lcsCustom, lcsGold, lcsChrome, lcsBlue, lcsRed, lcsUltraFlat1, lcsUltraFlat2, lcsUltraFlatXP,
                       lcsAqua, lcsDefault, lcsQuicken };
enum TFadeButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

// The key colour of the off-screen bitmap for the styles that leave the parent
// visible around their shape.
inline constexpr TColor kFadeTransparentKey = 0xFF00FF;
// Interval of one fade step.
inline constexpr int kFadeStepInterval = 30;
// Number of steps from the full hot-track colour back to the face colour.
inline constexpr int kHotTrackSteps = 8;

// The outputs of one colour style.
struct TFadeColorStyleValues {
  TColor Color = clNone;
  TColor LightColor = clNone;
  TColor ShadowColor = clNone;
  TColor ColorWhenDown = clNone;
  TColor HotTrackColor = clNone;
  TColor FontColor = clBlack;
  bool Flat = false;
  bool Modern = false;   // the style becomes bsModern
  bool Quicken = false;  // the style becomes bsQuicken
};

// The colour style's row (the value is taken modulo 128); an undefined value
// gives only the cleared outputs (not flat, no style flag, black font).
TFadeColorStyleValues ColorStyleValues(int style);

// Per channel Trunc(c x (1 - step / 8) + h x (step / 8)), system colours resolved.
TColor BlendHotTrackColor(TColor color, TColor hotTrackColor, int step);

// 32 horizontal bands from `startColor` at the top to `endColor` at the bottom.
void DrawGradientBands(TCanvas* canvas, TColor startColor, TColor endColor, int left, int top, int right,
                       int bottom);

// Draws the width x height cell of the glyph strip that starts at sourceX at x, y,
// transparent by its bottom-left pixel.
void DrawGlyphFrame(TCanvas* canvas, int x, int y, int sourceX, int height, int width, TBitmap* glyph);

// The x of the glyph cell to show: enabled 0, hot 3w with more than 3 glyphs,
// down 2w with more than 2 (down wins); disabled always the second cell, w.
int GlyphCellSourceX(bool enabled, bool hot, bool down, int numGlyphs, int cellWidth);

// The caption cut from its end until its text width is at most `width` (no ellipsis).
QString CutCaption(TCanvas* canvas, const QString& caption, int width);

struct TFadeButtonDrawing {
  int Width = 0;
  int Height = 0;
  TAlignment Alignment = taCenter;
  QString Caption;
  TFadeButtonLayout Layout = blGlyphLeft;
  const TFont* Font = nullptr;
  TColor ShadowColor = clGray;
  TColor LightColor = clWhite;
  TColor HotTrackColor = clNone;
  TColor ColorWhenDown = clNone;
  TColor Color = clBtnFace;
  TFadeButtonStyle Style = bsNormal;
  bool HasPopupMenu = false;
  bool WordWrap = false;
  bool Flat = false;
  bool Enabled = true;
  bool NoFace = false;
  bool Hot = false;  // cursor on the button or focused
  bool Down = false;
  TBitmap* Glyph = nullptr;
  int NumGlyphs = 0;
  int HotTrackStep = 0;
};

// Paints one button state into the canvas over 0,0 to Width,Height.
void DrawFadeButton(TCanvas* canvas, const TFadeButtonDrawing& d);
