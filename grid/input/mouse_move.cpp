// Mouse movement over the grid: range select and edit stops editing while
// dragging, the hover row, the hovered fixed cell and cell button, row and
// column selections dragged in fixed cells, the sizing hint,
// the select mode a press will use with its cursor, the class library's move (sizing, range
// extension), the sizing events and the selection-changed notification. Also
// the mouse leaving the grid.
#include <algorithm>
#include <cstdlib>

#include "grid/view/ex_string_grid.h"
#include "grid/view/grid_unit.h"
#include "platform/ui/application.h"
#include "platform/ui/art_cursors.h"

void TExStringGrid::MouseMove(TShiftState Shift, int X, int Y) {
  TMouseActions& ma = *FMouseActions;
  int C = -1, R = -1;
  MouseToCell(X, Y, C, R);
  // 1.
  if (FMouseDownMove && ma.RangeSelectAndEdit && Options().Contains(goEditing) && !EditMode)
    SetOptions(Options() - goEditing);
  // 2.
  const TGridRect S0 = Selection();
  // 3. The hover row.
  if (C >= 0 && R >= 0 && HoverRow && R != HoverRowIdx) {
    const int old = HoverRowIdx;
    HoverRowIdx = R;
    RepaintRow(R);
    if (old >= 0 && old < RowCount()) RepaintRow(old);
  }
  // 4. The hovered fixed cell.
  if (HoverFixedCells != hfNone && !FNoMouseLeave && !(FHoverFixedX == C && FHoverFixedY == R)) {
    auto inFixedArea = [this](int c, int r) {
      return (r >= 0 && r <= FixedRows()) || (c >= 0 && c <= FixedCols());
    };
    const int oldX = FHoverFixedX, oldY = FHoverFixedY;
    FHoverFixedX = C;
    FHoverFixedY = R;
    if (oldX >= 0 && oldY >= 0 && inFixedArea(oldX, oldY)) RepaintCell(oldX, oldY);
    if (C >= 0 && R >= 0 && inFixedArea(C, R)) RepaintCell(C, R);
  }
  // 5. (The list-view look comes with its feature.)
  // 6. Hovered cell buttons (expand buttons come with their feature).
  {
    const bool onButton = C >= 0 && R >= 0 && HasButton(RealColIndex(C), R) &&
                          PtInRect(GetCellButtonRect(C, R), TPoint{X, Y});
    const TGridCoord now = onButton ? TGridCoord{C, R} : TGridCoord{-1, -1};
    if (!(now.X == FHoverButton.X && now.Y == FHoverButton.Y)) {
      if (FHoverButton.X >= 0) RepaintCell(FHoverButton.X, FHoverButton.Y);
      FHoverButton = now;
      if (onButton) RepaintCell(C, R);
    }
  }
  // 7. A row selection dragged in the fixed column.
  if (FMouseSelectStart >= 0 && ma.RowSelect && FMouseSelectMode == msRow && R >= FixedRows() &&
      R <= RowCount() - FFixedFooters) {
    const int to = std::max(FixedRows(), R);
    TStringGrid::SetSelection({FixedCols(), std::min(FMouseSelectStart, to), ColCount() - 1,
                               std::max(FMouseSelectStart, to)});
    if (Y > Height() - 4 && TopRow() + VisibleRowCount() < RowCount()) SetTopRow(TopRow() + 1);
  }
  // 8. A column selection dragged in the fixed row.
  if (FMouseSelectStart >= 0 && ma.ColSelect && FMouseSelectMode == msColumn && C >= 0) {
    const int to = std::max(FixedCols(), C);
    TStringGrid::SetSelection({std::min(FMouseSelectStart, to), FixedRows(), std::max(FMouseSelectStart, to),
                               RowCount() - 1});
  }
  // 9. Borders of fixed columns and rows.
  TrackFixedSizing(X, Y, C >= 0 && R >= 0);
  // 10. - 11. A drag prepared by the press starts after more than 3 pixels.
  const bool onHandle = FSelectionResizer && FSelectionRectangle && OnSelectionHandle(X, Y);
  if (FSelectionClick && C >= 0 && R >= 0 && GetKeyState(VK_LBUTTON) < 0 &&
      (std::abs(X - Clickposx) > 3 || std::abs(Y - Clickposy) > 3) && FDragDropSettings->OleDropSource &&
      GridState() != gsColSizing && !onHandle)
    StartOleDrag(C, R, X, Y);
  // 12. A column or row being moved.
  TrackEnhancedMove(X, Y, C, R);
  // 13. The select mode of the next press (kept while a selection is dragged).
  if (FMouseSelectStart < 0) {
    FMouseSelectMode = msNormal;
    TGridState sizing = gsNormal;
    int index = -1, pos = 0, ofs = 0;
    CalcSizingState(X, Y, sizing, index, pos, ofs);
    const bool onBorder = sizing != gsNormal;
    if (FSelectionResizer && FSelectionRectangle && OnSelectionHandle(X, Y)) FMouseSelectMode = msResize;
    else if (R >= 0 && C >= 0 && R < FixedRows() && C < FixedCols() && ma.AllSelect) FMouseSelectMode = msAll;
    else if (R >= 0 && R < FixedRows() && C >= FixedCols() && ma.ColSelect && !onBorder) FMouseSelectMode = msColumn;
    else if (C >= 0 && C < FixedCols() && R >= FixedRows() && R <= RowCount() - 1 && ma.RowSelect && !onBorder)
      FMouseSelectMode = msRow;
  }
  // 14. Links of plain and mini-HTML cells (html_cells.cpp).
  const bool validCell = C >= 0 && R >= 0 && C < ColCount() && R < RowCount();
  FOverLink = validCell && HoverHtmlCell(C, R, RealColIndex(C), X, Y);
  if (!validCell) LeaveHtmlLinks(C, R);
  // 15.
  if (GridState() != gsColSizing && GridState() != gsRowSizing) ShowSelectModeCursor(C, R, X, Y);
  // 16. The hint of another cell goes.
  if (FLastHintX >= 0 && FLastHintY >= 0) {
    const TPoint b = validCell ? BaseCell(RealColIndex(C), R) : TPoint{-1, -1};
    if (!validCell || RealToDisplCol(b.X) != FLastHintX || b.Y != FLastHintY) {
      Application->CancelHint();
      FLastHintX = FLastHintY = -1;
    }
  }
  // 17. (The selection rectangle comes with its feature.)
  // 18. A selection being resized keeps its top-left cell and follows the mouse
  // with its bottom-right one.
  if (FMouseResize) {
    if (C >= 0 && R >= 0)
      TStringGrid::SetSelection({FDropSelection.Left, FDropSelection.Top, std::max(FDropSelection.Left, C),
                                 std::max(FDropSelection.Top, R)});
  } else {
    TBaseGrid::MouseMove(Shift, X, Y);
  }
  // 20. Sizing events with the prospective width or height.
  if (FSizingFixed && OnColumnSizing) OnColumnSizing(this, 0, FSizeFixedX);
  if (FSizingFixedR && OnRowSizing) OnRowSizing(this, 0, FSizeFixedY);
  if (GridState() == gsColSizing && OnColumnSizing && Colclicked >= 0) {
    const TRect r = CellRect(Colclicked, std::max(0, Rowclicked));
    OnColumnSizing(this, Colclicked, X - Clickposdx - r.Left);
  }
  if (GridState() == gsRowSizing && OnRowSizing && Rowclicked >= 0) {
    const TRect r = CellRect(std::max(0, Colclicked), Rowclicked);
    OnRowSizing(this, Rowclicked, Y - Clickposdy - r.Top);
  }
  // 21. The sizing hint.
  if (HintShowSizing && FSizingFixed) {
    ShowSizingHint(true, FSizeFixedX, 0, 0);
  } else if (HintShowSizing && FSizingFixedR) {
    ShowSizingHint(false, FSizeFixedY, 0, 0);
  } else if (HintShowSizing && GridState() == gsColSizing) {
    const int hc = Colclicked >= 0 ? Colclicked : ColCount() - 1;
    const int hr = Colclicked >= 0 ? std::max(0, Rowclicked) : 0;
    const int w = Colclicked >= 0 ? X - Clickposdx - CellRect(Colclicked, hr).Left : 0;
    ShowSizingHint(true, w, hc, hr);
  } else if (HintShowSizing && GridState() == gsRowSizing) {
    const int hr = Rowclicked >= 0 ? Rowclicked : RowCount() - 1;
    const int hc = Rowclicked >= 0 ? std::max(0, Colclicked) : 0;
    const int h = Rowclicked >= 0 ? Y - Clickposdy - CellRect(hc, Rowclicked).Top : 0;
    ShowSizingHint(false, h, hc, hr);
  }
  // 22. (The enhanced move's immediate update comes with its feature.)
  // 23.
  if (!(Selection() == S0)) SelectionChanged(Selection());
}

void TExStringGrid::CMMouseLeave(TMessage& Message) {
  TBaseGrid::CMMouseLeave(Message);
  FMouseSelectMode = msNormal;
  FSizeFixed = FSizeFixedR = false;
  ShowSelectModeCursor(-1, -1, 0, 0);
  if (!FNoMouseLeave && HoverFixedCells != hfNone && (FHoverFixedX != -1 || FHoverFixedY != -1)) {
    const int oldX = FHoverFixedX, oldY = FHoverFixedY;
    FHoverFixedX = FHoverFixedY = -1;
    RepaintCell(oldX, oldY);
  }
  if (HoverRow && HoverRowIdx >= 0) {
    const int old = HoverRowIdx;
    HoverRowIdx = -1;
    if (old < RowCount()) RepaintRow(old);
  }
  FOverLink = false;
  LeaveHtmlLinks(-1, -1);
  if (FHoverCell.X >= 0) {
    const TGridCoord old = FHoverCell;
    FHoverCell = {-1, -1};
    FHoverLink = -1;
    RepaintCell(old.X, old.Y);
  }
}

void TExStringGrid::ResetFixedCellHighlight() {
  FNoMouseLeave = false;
  if (HoverFixedCells == hfNone || (FHoverFixedX == -1 && FHoverFixedY == -1)) return;
  const int oldX = FHoverFixedX, oldY = FHoverFixedY;
  FHoverFixedX = FHoverFixedY = -1;
  RepaintCell(oldX, oldY);
}

bool TExStringGrid::IsHoverFixedCell(int ACol, int ARow) {
  const THoverFixedCells h = HoverFixedCells;
  if (h == hfNone || h > hfFixedColumns) return false;
  return (ACol < FixedCols() && (h == hfAll || h == hfFixedColumns)) ||
         (ARow < FixedRows() && (h == hfAll || h == hfFixedRows));
}

// Stands for the grid's set-cursor handling: over a fixed border that sizes
// (or while it does) the split pointers; row selection 8010, column selection
// 8011, the whole grid and the selection handle 8012; elsewhere over a cell the
// cursor OnGetCellCursor gives for it. The grid's own cursor comes back where
// none applies.
void TExStringGrid::ShowSelectModeCursor(int C, int R, int X, int Y) {
  const TCursor own = FSelectCursorShown ? FOwnCursor : Cursor();
  TCursor want = own;
  const bool colSplit = FSizeFixed || FSizingFixed, rowSplit = FSizeFixedR || FSizingFixedR;
  if (colSplit || rowSplit)
    want = colSplit ? crHSplit : crVSplit;
  else if (FMouseSelectMode != msNormal)
    want = FMouseSelectMode == msRow ? crSelectRow : FMouseSelectMode == msColumn ? crSelectColumn : crSelectAll;
  else if (FOverLink)
    want = LinkCursor;
  else if (C >= 0 && R >= 0)
    want = GetCellCursorHook(RealColIndex(C), R, X, Y, own);
  if (want == own) {
    if (FSelectCursorShown) SetCursor(own);
    FSelectCursorShown = false;
    return;
  }
  if (!FSelectCursorShown) {
    FOwnCursor = own;
    FSelectCursorShown = true;
  }
  if (Cursor() != want) SetCursor(want);
}
