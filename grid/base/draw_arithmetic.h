// The arithmetic of the cell drawing routines, kept apart from the canvas so it
// can be checked by itself: gradient bands, colour steps, progress lengths and the
// segments of the XP-style progress bar.
#pragma once

#include "platform/ui/graphics.h"

#include <vector>

// One band of a stepped gradient: [Start, End) along the gradient direction.
struct TGradientBand {
  int Start = 0;
  int End = 0;
  TColor Color = 0;
  bool operator==(const TGradientBand&) const = default;
};

// The bands that fill `extent` pixels from `fromColor` to `toColor` in `steps`
// steps. With E = extent - 1 the step count n is steps limited to E and at least
// 1, the band size s = E / n; band i (0..n) runs from trunc(i*s) over trunc(s+1)
// pixels, cut at the far edge, in the colour from + round(i*(to-from)/n) per
// component. Both colours must be plain (system colours resolved). Nothing for an
// extent below 1.
std::vector<TGradientBand> GradientBands(TColor fromColor, TColor toColor, int steps, int extent);

// The colour at `pos` of a gradient running from `color` over [min, max]: each
// component moves by (to - from) / (max - min) * pos, rounded. The first colour
// when `colorTo` is clNone or when max equals min (nothing to divide by).
TColor GradientColorAt(TColor color, TColor colorTo, int min, int max, int pos);

// Each of red, green and blue halved, after resolving system colours.
TColor HalveColor(TColor color);
// Each component c becomes c + c * percent / 100, rounded and kept within 0..255
// (a light colour made lighter stays white instead of wrapping round to dark).
TColor ScaleColorPercent(TColor color, int percent);

// The start point of a text turned by `angle` degrees (counter-clockwise,
// 0..360) so that the turned text sits in `r` as aligned: horizontal 0 left, 1
// right, 2 centre; vertical 0 top, 1 centre, 2 bottom (the ordinals of
// TAlignment and TVAlignment). The text is drawn from that point with its top
// edge along the turned base line.
TPoint RotatedTextOrigin(const TRect& r, int hAlign, int vAlign, int angle, int textWidth, int textHeight);

// The percentage and text of a progress bar. With a format holding "d" or "u" the
// rounded position is printed as an integer, with another format as a number with
// the format's decimals; the percentage is then (position - min) * 100 /
// (max - min), and 0 when max equals min. Without a format the text is the rounded
// position and "%", and the percentage is the position. The percentage is limited
// to 0..100.
struct TProgressText {
  QString Text;
  int Percent = 0;
};
TProgressText ProgressBarText(double position, int min, int max, const QString& format);
// Width of the complete part of a bar `width` pixels wide at `percent`.
int ProgressCompleteWidth(int percent, int width);

// The signed length from the centre of a range indicator `halfWidth` pixels on each
// side: value limited to -range..range, x = halfWidth * value / range, rounded.
// 0 (nothing filled) for a range of 0.
int RangeIndicatorLength(int value, int range, int halfWidth);

// The coloured parts of the XP-style progress bar along a bar of `length` pixels.
struct TXPProgressLevels {
  int Level1Perc = 0;
  int Level2Perc = 0;
  bool Stacked = false;
  bool CompletionSmooth = true;
};
struct TXPProgressPart {
  int Start = 0;   // offset from the bar's start
  int Length = 0;
  int Level = 0;   // 0..3: which colour pair
  bool operator==(const TXPProgressPart&) const = default;
};
std::vector<TXPProgressPart> XPProgressParts(int length, int percent, const TXPProgressLevels& levels);
// The blocks of a bar drawn without smooth completion: 7-pixel blocks at a
// 9-pixel pitch, a final shorter block for a remainder above 2 pixels, and a
// single block for a length of 2 to 9 pixels. Offsets are from the bar's start.
std::vector<TXPProgressPart> XPProgressBlocks(int length, int level);
