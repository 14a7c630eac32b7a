// Stateless drawing routines of the grid's cell painting: the rounded selection
// frame, stepped gradients and cell backgrounds, the faces of combo, button and
// spin cells in four looks, progress bars and pies, range indicators, cell shapes,
// the error zigzag, the small arrow and transparent bitmaps. Each draws on the
// caller's canvas with the caller's colours; clNone means no colour.
#pragma once

#include <QString>

#include "grid/base/color_tones.h"
#include "grid/base/draw_arithmetic.h"
#include "platform/ui/graphics.h"

class TCanvas;
class TBitmap;
class TFont;

// Looks of the three button routines and the states they draw.
enum TButtonLook { blThemed = 0, blClassic = 1, blFlat = 2, blCustom = 3 };
enum TButtonDrawState { bdsNormal = 0, bdsHot = 1, bdsDown = 2, bdsDisabled = 3 };

enum TCellShape {
  csRectangle, csCircle, csTriangleLeft, csTriangleRight, csTriangleUp, csTriangleDown,
  csDiamond, csLineVert, csLineHorz, csRoundRect, csEllips, csSquare, csRoundSquare,
  csStar, csArrowUp, csArrowDown, csArrowLeft, csArrowRight, csHalfStar
};

// Frame kinds: 0 single piece, 1 left end of a run, 2 right end, 3 middle piece,
// 4 and above neither rounded ends nor sides.
void DrawRoundFrame(TCanvas* Canvas, TColor Color, TColor ColorTo, TColor ColorMirror, TColor ColorMirrorTo,
                    TColor InnerTopColor, TColor InnerBottomColor, TColor BorderColor, TColor CornerColor,
                    TColor BackColor, TRect Rect, int Kind);

void DrawGradient(TCanvas* Canvas, TColor FromColor, TColor ToColor, int Steps, TRect Rect, bool Horizontal);

void DrawCellBackground(TCanvas* Canvas, TRect Rect, TColor Color, TColor ColorTo, TColor ColorMirror,
                        TColor ColorMirrorTo, bool Vertical, TColor BorderColor, bool SideLinesOnly, bool Fill);

void DrawComboButton(TCanvas* Canvas, const void* Window, TRect Rect, int Kind, int State, const TColorTones& Tones);
void DrawButtonFace(TCanvas* Canvas, const void* Window, TRect Rect, int Kind, int State, const TColorTones& Tones);
void DrawSpinButtons(TCanvas* Canvas, const void* Window, TRect Rect, int Kind, int State, const TColorTones& Tones);

void DrawProgressBar(TCanvas* Canvas, TRect Rect, TColor CompleteColor, TColor CompleteFontColor,
                     TColor UnCompleteColor, TColor UnCompleteFontColor, double Position, int MarginX,
                     int MarginY, int Min, int Max, const QString& Format, TColor BorderColor, bool TextBelow);
void DrawProgressPie(TCanvas* Canvas, TRect Rect, TColor Color, int Percent, bool Above);
void DrawRangeIndicator(TCanvas* Canvas, TRect Rect, int Value, int Range, bool ShowValue, TColor NegativeColor,
                        TColor PositiveColor);

// The appearance the cell painting passes to the XP-style progress bar.
struct TXPProgressAppearance {
  TColor Level0Color = 0, Level0ColorTo = 0, Level1Color = 0, Level1ColorTo = 0;
  TColor Level2Color = 0, Level2ColorTo = 0, Level3Color = 0, Level3ColorTo = 0;
  int Level1Perc = 70;
  int Level2Perc = 90;
  TColor BorderColor = clBlack;
  bool ShowBorder = false;
  bool Stacked = false;
  bool ShowPercentage = true;
  const TFont* Font = nullptr;
  TColor CompleteFontColor = clBlack;
  bool CompletionSmooth = true;
  bool ShowGradient = true;
  int Steps = 8;
  TColor UnCompleteColor = clWhite;
  bool Vertical = false;
};
void DrawXPProgress(TCanvas* Canvas, TRect Rect, int Percent, const TXPProgressAppearance& Appearance);

void DrawCellShape(TCanvas* Canvas, int X, int Y, int Width, int Height, int Shape, TColor BrushColor,
                   TColor PenColor);

// A red zigzag under characters From .. From + Length - 1 of Text laid out in Rect
// with the canvas's font (character positions as a single-line edit shows them).
void DrawErrorUnderline(const void* Owner, TCanvas* Canvas, const QString& Text, TRect Rect, int YOffset,
                        int From, int Length);

void DrawSmallArrow(TCanvas* Canvas, int X, int Y, TColor Color);
void FillRectColor(TCanvas* Canvas, TRect Rect, TColor Color);

// The bitmap's pixel (0, 0) is its transparent colour, drawn as BackColor.
void DrawBitmapTransparent(TCanvas* Canvas, TBitmap* Bitmap, TColor BackColor, TRect Rect);
// The same for a bitmap compiled into the program; nothing when there is none.
void DrawResourceBitmapTransparent(TCanvas* Canvas, TColor BackColor, TRect Rect, const QString& ResourceName);
