// Clip regions of other shapes than the rectangle (stands for selecting an
// elliptic or a rounded-rectangle region as a device context's clip region).
// TCanvas::RemoveClip ends them.
#pragma once

#include "platform/ui/graphics.h"

class TCanvas;

// Drawing on the canvas is restricted to the ellipse inscribed in the rectangle.
void ClipCanvasToEllipse(TCanvas* Canvas, const TRect& R);
// ... to the rounded rectangle with corner ellipses of CornerW x CornerH.
void ClipCanvasToRoundRect(TCanvas* Canvas, const TRect& R, int CornerW, int CornerH);
