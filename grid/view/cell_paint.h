// The values one cell's drawing works on, shared by its steps: the text step,
// the border step and the graphic step read and change them (cell_drawing.cpp,
// cell_glyphs.cpp).
#pragma once

#include "grid/view/ex_string_grid.h"

struct TExStringGrid::TCellPaint {
  TCanvas* Canvas = nullptr;
  int DisplayCol = 0;   // the column passed in: fixed tests and the cell's look
  int RealCol = 0;      // cells, properties and graphics
  int Row = 0;
  int SelectionRow = 0; // the row of the row-selected tests
  TGridDrawState State;
  TRect Rect;
  bool FilterGlyph = false;
  // From the cell's look.
  bool WordWrap = true;
  TAlignment HAlign = taLeftJustify;
  TVAlignment VAlign = vtaTop;
  TCellGradientDirection Gradient = GradientVertical;
  TColor ColorTo = clNone, MirrorColor = clNone, MirrorColorTo = clNone;
  // From the graphic layout.
  TCellGraphic* Graphic = nullptr;
  TCellHAlign GraphicHAlign = haLeft;
  TCellVAlign GraphicVAlign = vaTop;
  int GraphicWidth = 0, GraphicHeight = 0;
  bool DrawText = true;
  // Set by the text step, read by the graphic step.
  int TextWidth = 0;
  int SortIndicatorOffset = 0;
  bool Fixed = false;
  bool ThreeD = true;
  TColor SavedBrush = clWhite, SavedFont = clBlack;
  TColor LinkColor = clBlue;
};
