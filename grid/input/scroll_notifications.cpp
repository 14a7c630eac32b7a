// What follows a change of the grid's top-left cell: an open special editor
// (combo, spin, date ...) is closed and its value stored, while the plain text
// editor moves with the cell; controls in cells and the footer follow.
#include "grid/view/ex_string_grid.h"

void TExStringGrid::TopLeftChanged() {
  // 1-2. (The fixed background picture and the search footer come with their features.)
  // 3.
  TBaseGrid::TopLeftChanged();
  // 4.
  if (SelectionRectangle()) {
    const TGridRect s = Selection();
    if (s.Top != s.Bottom) Invalidate();
  }
  // 5. (Background pictures repaint with the background feature.)
  // 6.
  if (EditMode && EditControl != edNormal) HideInplaceEdit();
  // 7.
  UpdateFooter();
  CellControlsUpdate(false);
  // 8.
  FOldLeftCol = LeftCol();
  FOldTopRow = TopRow();
  // 9.
  if (TStringGrid* other = FSyncGrid->Grid()) {
    if (FSyncGrid->ScrollVertical) other->SetTopRow(TopRow());
    if (FSyncGrid->ScrollHorizontal) other->SetLeftCol(LeftCol());
  }
}
