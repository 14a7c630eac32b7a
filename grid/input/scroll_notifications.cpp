// What follows a change of the grid's top-left cell: an open special editor
// (combo, spin, date ...) is closed and its value stored, while the plain text
// editor moves with the cell; controls in cells and the footer follow. Also
// the recorded column widths that proportional column sizing starts from.
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

// --- proportional column sizing ---

void TExStringGrid::InitOrigColSizes() {
  FOrigColSizes->Clear();
  for (int c = 0; c < ColCount(); ++c) FOrigColSizes->Add(ColWidths(c));
  FOldSize = Width();
}

// The size step's proportional widths: each recorded column width grows or
// shrinks with the grid's width (the outer width, which is the client width plus
// the single border the recorded width was taken with).
void TExStringGrid::SynchColumnsWithWidth() {
  if (FOldSize <= 0 || !FColumnSize->SynchWithGrid) return;
  HideInplaceEdit();
  const double r = static_cast<double>(Width()) / FOldSize;
  const bool normalOnly = FColumnSize->SynchNormalCellsOnly;
  const int first = normalOnly ? FixedCols() : 0;
  const int last = normalOnly ? ColCount() - FFixedRightCols - 1 : ColCount() - 1;
  for (int i = first; i <= last && i < FOrigColSizes->Count(); ++i)
    SetColWidths(i, static_cast<int>(FOrigColSizes->GetInteger(i) * r));
}

// --- controls placed in cells ---

// A control in view covers its cell one pixel up and left and one pixel wider
// and higher; out of view (or in a hidden row or column) it is hidden; controls
// in fixed cells are left alone. The list's column is a real column, mapped to
// its display column here.
void TExStringGrid::CellControlsUpdate(bool RebuildList) {
  if (!Widget()) return;
  // 1.
  if (RebuildList) {
    FControlList->Clear();
    for (int c = 0; c < AllColCount(); ++c)
      for (int r = 0; r < RowCount(); ++r)
        if (CellHasProperties(c, r) && GetCellProperties(c, r)->Control)
          FControlList->AddControl(c, RealRowIndex(r), GetCellProperties(c, r)->Control);
  }
  // 2. (The shared cell scroll bar comes with scrollable cells.)
  // 3.
  if (FCellControlCount == 0) return;
  for (int i = 0; i < FControlList->Count(); ++i) {
    TControlItem* item = FControlList->Controls(i);
    TControl* control = item->Control;
    if (!control) continue;
    const bool hiddenRow = IsHiddenRow(item->Y);
    if (hiddenRow || IsHiddenColumn(item->X)) {
      control->Hide();
      continue;
    }
    const int a = RealToDisplCol(item->X), b = RealToDisplRow(item->Y);
    const bool outOfView = a < LeftCol() || a > LeftCol() + VisibleColCount() || b < TopRow() ||
                           b > TopRow() + VisibleRowCount();
    if (a < FixedCols() || b < FixedRows()) continue;
    if (outOfView) {
      control->Hide();
      continue;
    }
    const TRect r = CellRect(a, b);
    control->SetBounds(r.Left - 1, r.Top - 1, r.Right - r.Left + 1, r.Bottom - r.Top + 1);
    control->Show();
    // 4.
    control->Invalidate();
  }
}
