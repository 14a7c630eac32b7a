// What the window system shows of a control: its pixels as the last paints left
// them in the window's backing store (nothing is painted again to read them), so
// a test sees whether a change was repainted where it shows.
#pragma once

#include <vector>

#include "platform/ui/graphics.h"

class TControl;

// The colour shown at the control's client point, as an RGB value.
TColor ShownPixel(TControl* c, int x, int y);
// The colours shown at several client points, read from one picture of the window.
std::vector<TColor> ShownPixels(TControl* c, const std::vector<TPoint>& points);
