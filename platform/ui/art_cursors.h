// The program's own pointer shapes, drawn in code (stand for the grid's cursor
// resources: the panning origin and directions 8000 to 8008, and the selection
// cursors 8010 to 8014, the colour picker's eyedropper 8020). Each is a TCursor above 0 that SetCursor accepts like
// the standard shapes.
#pragma once

#include "platform/ui/control.h"

class QCursor;

inline constexpr TCursor crPanOrigin = 8000;
inline constexpr TCursor crPanDown = 8001, crPanLeft = 8002, crPanRight = 8003, crPanUp = 8004;
inline constexpr TCursor crPanUpRight = 8005, crPanUpLeft = 8006, crPanDownRight = 8007, crPanDownLeft = 8008;
inline constexpr TCursor crSelectRow = 8010;     // an arrow pointing right, over a row header
inline constexpr TCursor crSelectColumn = 8011;  // an arrow pointing down, over a column header
inline constexpr TCursor crSelectAll = 8012;     // a diagonal arrow, over the top-left cell or a handle
inline constexpr TCursor crCellSelector = 8014;  // a thick cross, for selecting cells
inline constexpr TCursor crEyedropper = 8020;    // an eyedropper, its tip (lower left) the hot spot

bool IsArtCursor(TCursor c);
// The drawn cursor; the plain arrow for a value that is not one of ours.
QCursor ArtCursor(TCursor c);
// The hot spot of a drawn cursor (its image is 32 by 32 pixels).
TPoint ArtCursorHotSpot(TCursor c);
