// The colour tones of the suite's custom look: one brush, border and text colour
// for each of the five situations a part can be drawn in.
#pragma once

#include "platform/ui/graphics.h"

struct TColorTone {
  TColor BrushColor = clNone;
  TColor BorderColor = clNone;
  TColor TextColor = clNone;
};

struct TColorTones {
  TColorTone Background;
  TColorTone Foreground;
  TColorTone Selected;
  TColorTone Hover;
  TColorTone Disabled;
};
