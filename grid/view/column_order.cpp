// Column order and lookup, moving columns and rows in code, and bringing a cell
// into view. The recorded column order (FColumnOrder) holds, for each position,
// the column that stood there when the order was recorded; the column-moved
// notification keeps it in step with every move.
#include <algorithm>
#include <vector>

#include "grid/base/control_list.h"
#include "grid/base/int_list.h"
#include "grid/base/search_footer.h"
#include "grid/data/floating_footer.h"
#include "grid/view/ex_string_grid.h"

// --- the column order ---

void TExStringGrid::SetColumnOrder() {
  FColumnOrder->Clear();
  for (int c = 0; c < ColCount(); ++c) FColumnOrder->Add(c);
}

void TExStringGrid::ResetColumnOrder() {
  // 1.
  UnHideColumnsAll();
  // 2.
  if (FColumnOrder->Count() == 0) {
    SetColumnOrder();
    return;
  }
  // 3. Passes until nothing moves; a recorded order that is a permutation needs
  // at most one pass per column, so the passes are bounded for any other list.
  for (int pass = 0; pass <= ColCount(); ++pass) {
    bool moved = false;
    for (int p = 0; p < std::min(ColCount(), FColumnOrder->Count()); ++p) {
      const int entry = (*FColumnOrder)[p];
      if (entry < p && entry >= 0) {
        MoveColumn(p, entry);
        moved = true;
      }
    }
    if (!moved) return;
  }
}

int TExStringGrid::ColumnPosition(int ACol) const {
  // 1.
  if (FColumnOrder->Count() == 0) return ACol;
  // 2. Columns added after the recording are not in the list.
  int result = ACol;
  const int n = std::min(ColCount() + FNumHidden, FColumnOrder->Count());
  for (int p = 0; p < n; ++p)
    if ((*FColumnOrder)[p] == ACol) {
      result = p;
      break;
    }
  // 3. The group column is out of the grid while grouped.
  if (FGroupColumn >= 0 && FGroupColumn <= ACol) --result;
  return result;
}

int TExStringGrid::ColumnAtPosition(int ACol) {
  // 1.
  if (FColumnOrder->Count() == 0) SetColumnOrder();
  if (FColumnOrder->Count() == 0) return ACol;
  // 2. A position beyond the list raises the list's index error.
  int result = (*FColumnOrder)[ACol];
  // 3. One step: the condition does not change as the result grows, so a loop
  // would never end.
  if (FGroupColumn >= 0 && FGroupColumn <= result) ++result;
  return result;
}

int TExStringGrid::ColumnByHeader(const QString& AValue) {
  for (int c = 0; c < TotalColCount(); ++c)
    if (AllCells(c, 0) == AValue) return c;
  return -1;
}

// --- moving in code ---

int FollowMove(int Index, int From, int To) {
  if (Index == From) return To;
  if (From < To && Index > From && Index <= To) return Index - 1;
  if (To < From && Index >= To && Index < From) return Index + 1;
  return Index;
}

void TExStringGrid::MoveColumn(int FromIndex, int ToIndex) {
  if (FromIndex < 0 || ToIndex < 0 || FromIndex >= ColCount() || ToIndex >= ColCount()) return;
  // 1.
  if (FColumnOrder->Count() == 0) SetColumnOrder();
  // 2. The notification does the data work.
  TBaseGrid::MoveColumn(FromIndex, ToIndex);
  // 3. Controls placed in cells follow their columns.
  for (int i = 0; i < FControlList->Count(); ++i) {
    int& x = FControlList->Controls(i)->X;
    x = FollowMove(x, FromIndex, ToIndex);
  }
  // 4.
  CellControlsUpdate(false);
}

void TExStringGrid::MoveRow(int FromIndex, int ToIndex) {
  if (FromIndex < 0 || ToIndex < 0 || FromIndex >= RowCount() || ToIndex >= RowCount()) return;
  // A footer row kept as the grid's last row takes no other row's place.
  if (FFloatingFooter->HoldsLastRow() && ToIndex == RowCount() - 1) return;
  TBaseGrid::MoveRow(FromIndex, ToIndex);
  for (int i = 0; i < FControlList->Count(); ++i) {
    int& y = FControlList->Controls(i)->Y;
    y = FollowMove(y, FromIndex, ToIndex);
  }
  CellControlsUpdate(false);
}

void TExStringGrid::MoveRows(int FromIndex, int ToIndex, int Count) {
  // 1.
  if (FromIndex == ToIndex || Count == 0) return;
  // Rows that are not there, or a target past the rows left after taking the
  // block out, would lose the block: nothing moves.
  if (Count < 0 || FromIndex < 0 || ToIndex < 0 || FromIndex + Count > RowCount()) return;
  // 3.
  if (FromIndex + Count < ToIndex) ToIndex -= Count;
  if (ToIndex > RowCount() - Count) return;
  // 2. The block's texts and cell objects, hidden columns included.
  std::vector<TStringList> saved(static_cast<size_t>(Count));
  {
    TAllColumnsGuard all(*this);
    for (int i = 0; i < Count; ++i) CopyRowToItems(FromIndex + i, saved[static_cast<size_t>(i)]);
  }
  // 4. - 5.
  RemoveRowsEx(FromIndex, Count);
  InsertRows(ToIndex, Count, true);
  // 6.
  TAllColumnsGuard all(*this);
  for (int i = 0; i < Count; ++i) CopyItemsToRow(saved[static_cast<size_t>(i)], ToIndex + i);
}

void TExStringGrid::ScrollInView(int ColIndex, int RowIndex) {
  // 1.
  if (ColIndex >= ColCount() || RowIndex >= RowCount()) return;
  // 2.
  int a = LeftCol(), b = TopRow();
  const int visibleCols = VisibleColCount(), visibleRows = VisibleRowCount();
  // 3.
  if (ColIndex < LeftCol() || ColIndex >= LeftCol() + visibleCols) {
    SetCol(ColIndex);
    a = std::max(FixedCols(), ColIndex - visibleCols / 2);
  }
  // 4.
  if (RowIndex < TopRow() || RowIndex >= TopRow() + visibleRows) {
    SetRow(RowIndex);
    b = std::max(FixedRows(), RowIndex - visibleRows / 2);
  }
  // 5.
  a = std::min(a, ColCount() - visibleCols + 1);
  b = std::min(b, RowCount() - visibleRows + 1);
  // 6.
  if (FixedCols() + visibleCols < ColCount()) SetLeftCol(a);
  // 7.
  if (FixedRows() + visibleRows < RowCount()) {
    SetTopRow(b);
    if (FSearchFooter->Visible()) {
      // The client height already leaves out a shown horizontal scroll bar.
      const int h = ClientHeight() - SearchPanelHeight();
      // Each step must move the top row, so the loop ends at the last row.
      while (CellRect(0, RowIndex).Bottom > h) {
        const int before = TopRow();
        SetTopRow(TopRow() + 1);
        if (TopRow() == before) break;
      }
    }
  }
}
