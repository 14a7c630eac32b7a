// The free drawing, text and number routines of the drop-down unit: the banded
// two-colour gradient of headers, footers, pop-ups, buttons and the grid's
// header cells, colour blending and scaling, a rectangle's background and
// border, a caption line, a glyph with its key colour replaced, one-line text
// measuring and truncation (the entry rules' number helpers are in entry_numbers.h).
// Colours are resolved to RGB before any arithmetic; clNone means no colour.
#pragma once

#include <QChar>
#include <QString>

#include "grid/dropdown/header_footer_settings.h"
#include "platform/rtl/numbers.h"
#include "platform/ui/graphics.h"

class TCanvas;
class TBitmap;
class TCustomImageList;


// Fills R with Steps bands from FromColor towards ToColor; with Horizontal the
// colour changes from left to right. The last band has the colour of step
// Steps - 1, not ToColor itself, and consecutive bands overlap by one pixel.
// Nothing is drawn outside R.
void DrawGradientRect(TCanvas* Canvas, TColor FromColor, TColor ToColor, int Steps, TRect R, bool Horizontal);

// Percent of Col1 mixed with the rest of Col2; 100 or more gives Col1 and 0 or
// less Col2, unchanged (system colours not resolved then).
TColor BlendColor(TColor Col1, TColor Col2, int Percent);

// Each component scaled by its percentage change: a zero component becomes the
// percentage (at least 0), any other min(100, p + 100) percent of itself; each
// result keeps its low 8 bits.
TColor ScaleColor(TColor Color, int R, int G, int B);

// A gradient (ColorTo set) or plain background, then a border of BorderWidth
// pixels in BorderColor when both are set.
void DrawRectBackground(TCanvas* Canvas, TRect R, TColor Color, TColor ColorTo, TColor BorderColor, int BorderWidth,
                        TGradientDirection Direction);

// One caption line in R, vertically centred with an end ellipsis: centred
// without an image, left-aligned after image ImageIndex of Images (drawn 4
// pixels from the left, vertically centred).
void DrawCaptionText(TCanvas* Canvas, TRect R, const QString& Caption, int ImageIndex,
                     TCustomImageList* Images = nullptr);

// Draws (Draw) or only measures a mini-HTML text in R with the image list;
// Size is its width and height, (0, 0) for an empty text.
void HtmlTextSize(TCanvas* Canvas, const QString& Text, TRect R, TCustomImageList* Images, bool Draw,
                  const void* WindowHandle, TSize& Size);

// The glyph copied into R with the colour of its pixel (0, 0) replaced by
// BackColor.
void DrawTransparentGlyph(TCanvas* Canvas, TBitmap* Bitmap, TColor BackColor, TRect R);

// Width and height of the text on one line; (0, 0) for an empty text.
TSize GetTextSize(TCanvas* Canvas, const QString& Text);

// The text when it fits MaxWidth; else the longest start of it (with "..."
// when Ellipsis) that is narrower than MaxWidth; the whole text when none is.
QString TruncateText(TCanvas* Canvas, const QString& Text, int MaxWidth, bool Ellipsis);
