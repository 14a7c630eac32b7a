// Where a caption label stands beside its control: the fifteen positions of
// the suite's labelled controls and the label's place for each.
#pragma once

#include "platform/ui/graphics.h"

enum TLabelPosition {
  lpLeftTop, lpLeftCenter, lpLeftBottom, lpTopLeft, lpBottomLeft, lpLeftTopLeft, lpLeftCenterLeft,
  lpLeftBottomLeft, lpTopCenter, lpBottomCenter, lpRightTop, lpRightCenter, lpRighBottom, lpTopRight,
  lpBottomRight
};

// The label's left and top beside a control with bounds (L, T, W, H): the
// left positions keep CaptionWidth (the caption's measured width) plus Margin
// between the label's left and the control; centring uses the label's own size.
TPoint LabelPlacement(TLabelPosition Position, TRect ControlBounds, int CaptionWidth, int LabelWidth,
                      int LabelHeight, int Margin);
