// The workers that insert and remove whole display rows. A row of the store is
// copied over every column, hidden ones included (ColCount is raised by the
// hidden columns meanwhile), so that hidden cells travel with their rows; the
// row heights and the per-row lists follow.
#include "grid/view/ex_string_grid.h"

TExStringGrid::TAllColumnsGuard::TAllColumnsGuard(TExStringGrid& g) : g_(g), raised_(g.FNumHidden) {
  if (raised_ > 0) g_.TStringGrid::SetColCount(g_.ColCount() + raised_);
}

TExStringGrid::TAllColumnsGuard::~TAllColumnsGuard() {
  if (raised_ > 0) g_.TStringGrid::SetColCount(g_.ColCount() - raised_);
}

void TExStringGrid::CopyRowCells(int from, int to) {
  if (from == to) return;
  for (int c = 0; c < ColCount(); ++c) {
    TObject* object = GetGridObject(c, from);
    if (auto* props = dynamic_cast<TCellProperties*>(object)) props->OwnerRow = to;
    SetGridCell(c, to, GetGridCell(c, from));
    SetGridObject(c, to, object);
  }
}

void TExStringGrid::CopyRowToItems(int row, TStringList& items) {
  items.Clear();
  for (int c = 0; c < ColCount(); ++c) items.AddObject(GetGridCell(c, row), GetGridObject(c, row));
}

void TExStringGrid::CopyItemsToRow(const TStringList& items, int row) {
  // Entries written beyond the columns while the row was hidden come back too.
  for (int c = 0; c < std::max(ColCount(), items.Count()); ++c) {
    const bool held = c < items.Count();
    auto* object = held ? static_cast<TObject*>(items.Objects(c)) : nullptr;
    if (auto* props = dynamic_cast<TCellProperties*>(object)) {
      props->OwnerCol = c;
      props->OwnerRow = row;
    }
    SetGridCell(c, row, held ? items.Strings(c) : QString());
    SetGridObject(c, row, object);
  }
}

void TExStringGrid::ClearRowCells(int row) {
  for (int c = 0; c < ColCount(); ++c) {
    SetGridCell(c, row, QString());
    SetGridObject(c, row, nullptr);
  }
}

namespace {

// Inserts count entries of value at index in a per-row list that reaches there.
void InsertRowFlags(TIntList& list, int index, int count, int value) {
  if (index >= list.Count()) return;
  for (int i = 0; i < count; ++i) list.Insert(index, value);
}

void DeleteRowFlags(TIntList& list, int index, int count) {
  for (int i = 0; i < count && index < list.Count(); ++i) list.Delete(index);
}

}  // namespace

void TExStringGrid::InsertRowsInternal(int RowIndex, int RCount) {
  if (RCount <= 0 || RowIndex < 0 || RowIndex > RowCount()) return;
  if (FSelHidden || Col() >= ColCount() || Row() >= RowCount()) UnHideSelection();
  const int oldCount = RowCount();
  {
    TAllColumnsGuard all(*this);
    TStringGrid::SetRowCount(oldCount + RCount);
    for (int r = oldCount - 1; r >= RowIndex; --r) {
      CopyRowCells(r, r + RCount);
      SetRowHeights(r + RCount, RowHeights(r));
    }
    for (int r = RowIndex; r < RowIndex + RCount; ++r) {
      ClearRowCells(r);
      SetRowHeights(r, DefaultRowHeight());
    }
  }
  if (RowCount() > FMaxRowCount) FMaxRowCount = RowCount();
  NormalRowCount = RowCount();
  InsertRowFlags(*FModifiedRows, RowIndex, RCount, 0);
  InsertRowFlags(*FEnabledRows, RowIndex, RCount, 0);
  if (RowIndex < static_cast<int>(FRowSelect.size()))
    FRowSelect.insert(FRowSelect.begin() + RowIndex, RCount, false);
  CellControlsUpdate(false);
}

void TExStringGrid::RemoveRowsInternal(int RowIndex, int RCount) {
  if (RowIndex < 0 || RowIndex >= RowCount() || RCount <= 0) return;
  RCount = std::min(RCount, RowCount() - RowIndex);
  const int oldCount = RowCount();
  const int oldRow = Row(), oldTop = TopRow();
  {
    TAllColumnsGuard all(*this);
    for (int r = RowIndex + RCount; r < oldCount; ++r) {
      CopyRowCells(r, r - RCount);
      SetRowHeights(r - RCount, RowHeights(r));
    }
    // The freed rows keep nothing (their objects now live elsewhere).
    for (int r = oldCount - RCount; r < oldCount; ++r) ClearRowCells(r);
    TStringGrid::SetRowCount(std::max(1, oldCount - RCount));
  }
  NormalRowCount = RowCount();
  DeleteRowFlags(*FModifiedRows, RowIndex, RCount);
  DeleteRowFlags(*FEnabledRows, RowIndex, RCount);
  if (RowIndex < static_cast<int>(FRowSelect.size()))
    FRowSelect.erase(FRowSelect.begin() + RowIndex,
                     FRowSelect.begin() + std::min<int>(RowIndex + RCount, static_cast<int>(FRowSelect.size())));
  // The current and top row stay when they are still inside the grid.
  if (oldRow < RowCount()) {
    if (oldTop < RowCount()) TStringGrid::SetTopRow(oldTop);
  } else if (RowCount() > TStringGrid::FixedRows()) {
    TStringGrid::SetRow(TStringGrid::FixedRows());
  } else {
    HideSelection();
  }
  CellControlsUpdate(false);
}

void TExStringGrid::RemoveRowsEx(int RowIndex, int RCount) {
  if (RowIndex < 0 || RowIndex >= RowCount() || RCount <= 0) return;
  RCount = std::min(RCount, RowCount() - RowIndex);
  const int lastWidth = ColWidths(ColCount() - 1);
  for (int i = 0; i < RCount; ++i) FSelectedRows->DeleteValue(RowIndex + i);
  RemoveRowsInternal(RowIndex, RCount);
  SetColWidths(ColCount() - 1, lastWidth);
  if (!FHidingRows)
    for (int i = 0; i < FGridItems->Count(); ++i) {
      TGridItem* item = FGridItems->Items(i);
      if (item->Idx > RowIndex + RCount - 1) item->Idx -= RCount;
    }
  CellsChangedHook(Rect(0, RowIndex, AllColCount() - 1, RowIndex + RCount - 1));
}

void TExStringGrid::ClearRect(int ACol1, int ARow1, int ACol2, int ARow2) {
  ACol1 = std::max(ACol1, 0);
  ARow1 = std::max(ARow1, 0);
  if (ACol2 < ACol1 || ARow2 < ARow1) return;
  if (!ClearTextOnly) FreeCellPropertiesRect(ACol1, ARow1, ACol2, ARow2);
  for (int r = ARow1; r <= ARow2; ++r)
    for (int c = ACol1; c <= ACol2; ++c) SetGridCell(c, r, QString());
}
