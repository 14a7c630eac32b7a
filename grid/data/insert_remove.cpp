// Inserting and removing runs of rows and columns. Whole rows move over every
// column of the store (ColCount is raised by the hidden columns meanwhile) so
// that hidden cells travel with their rows; the row heights, the per-row lists
// (modified, enabled, disjunct selection), the hidden-row indexes, the controls
// in cells, the fixed footers and the floating footer's row stay in step.
//
// A start outside the grid is refused, a count is clipped to what exists and
// a count <= 0 does nothing, in every variant.
#include <algorithm>
#include <set>

#include "grid/view/ex_string_grid.h"

// --- whole-row helpers shared with hiding and showing rows ---

TExStringGrid::TAllColumnsGuard::TAllColumnsGuard(TExStringGrid& g) : g_(g) {
  if (g_.FAllColumnsDepth++ == 0 && g_.FNumHidden > 0) {
    raised_ = g_.FNumHidden;
    g_.TStringGrid::SetColCount(g_.ColCount() + raised_);
  }
}

TExStringGrid::TAllColumnsGuard::~TAllColumnsGuard() {
  if (--g_.FAllColumnsDepth == 0 && raised_ > 0) g_.TStringGrid::SetColCount(g_.ColCount() - raised_);
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

// The per-row lists by display row: entries inserted at (deleted from) index,
// only where the list reaches that far.
void InsertRowFlags(TIntList& list, int index, int count, int value) {
  if (index >= list.Count()) return;
  for (int i = 0; i < count; ++i) list.Insert(index, value);
}

void DeleteRowFlags(TIntList& list, int index, int count) {
  for (int i = 0; i < count && index < list.Count(); ++i) list.Delete(index);
}

// The list of selected rows (row numbers in the order they were selected)
// after rows [index, index + count) were removed (count < 0: inserted).
void ShiftSelectedRows(TIntList& rows, int index, int count) {
  for (int i = rows.Count() - 1; i >= 0; --i) {
    const int r = rows[i];
    if (r < index) continue;
    if (count > 0 && r < index + count) rows.Delete(i);
    else rows.SetInteger(i, r - count);
  }
}

}  // namespace

// Keeps the per-row lists in step with rows inserted at RowIndex (count > 0)
// or removed from it (count < 0).
void TExStringGrid::ShiftRowLists(int RowIndex, int Count) {
  if (Count > 0) {
    if (FShowModified->Enabled) InsertRowFlags(*FModifiedRows, RowIndex, Count, 0);
    if (FUseEnabledRows) InsertRowFlags(*FEnabledRows, RowIndex, Count, 0);
    if (RowIndex < static_cast<int>(FRowSelect.size())) FRowSelect.insert(FRowSelect.begin() + RowIndex, Count, false);
    ShiftSelectedRows(*FSelectedRows, RowIndex, -Count);
    return;
  }
  const int n = -Count;
  if (FShowModified->Enabled) DeleteRowFlags(*FModifiedRows, RowIndex, n);
  if (FUseEnabledRows) DeleteRowFlags(*FEnabledRows, RowIndex, n);
  if (RowIndex < static_cast<int>(FRowSelect.size()))
    FRowSelect.erase(FRowSelect.begin() + RowIndex,
                     FRowSelect.begin() + std::min<int>(RowIndex + n, static_cast<int>(FRowSelect.size())));
  ShiftSelectedRows(*FSelectedRows, RowIndex, n);
}

// Hides and drops the controls placed in the display rows [ARow, ARow + ACount).
void TExStringGrid::DropRowControls(int ARow, int ACount) {
  if (FControlList->Count() == 0) return;
  std::set<int> reals;
  for (int r = ARow; r < ARow + ACount; ++r) reals.insert(RealRowIndex(r));
  for (int i = FControlList->Count() - 1; i >= 0; --i) {
    TControlItem* item = FControlList->Controls(i);
    if (!reals.count(item->Y)) continue;
    if (item->Control) item->Control->SetVisible(false);
    FControlList->RemoveControl(i);
    FCellControlCount = std::max(0, FCellControlCount - 1);
  }
}

// Every hidden row taken out behind real row Real keeps its neighbour: its
// index moves by Delta.
void TExStringGrid::ShiftHiddenRowItems(int Real, int Delta) {
  for (int i = 0; i < FGridItems->Count(); ++i) {
    TGridItem* item = FGridItems->Items(i);
    if (item->Idx > Real) item->Idx += Delta;
  }
}

void TExStringGrid::FreeRowsForRemoval(int ARow, int ACount) {
  for (int r = ARow; r < ARow + ACount; ++r)
    if (IsNode(r) && FNumNodes > 0) --FNumNodes;
  FreeCellPropertiesRect(0, ARow, AllColCount() - 1, ARow + ACount - 1);
}

// The real rows of the display rows [ARow, ARow + ACount), ascending.
std::vector<int> TExStringGrid::RealRowsOf(int ARow, int ACount) const {
  std::vector<int> reals;
  for (int r = ARow; r < ARow + ACount; ++r) reals.push_back(RealRowIndex(r));
  return reals;
}

namespace {

// How many of the (ascending) removed real rows lie below real row y.
int RemovedBelow(const std::vector<int>& removed, int y) {
  return static_cast<int>(std::lower_bound(removed.begin(), removed.end(), y) - removed.begin());
}

}  // namespace

// After the rows with these real indexes left the grid, the controls below them
// and the hidden rows keep their neighbours: each index drops by the removed
// rows in front of it.
void TExStringGrid::FollowRemovedRows(const std::vector<int>& Removed, bool Controls, bool HiddenRows) {
  if (Controls)
    for (int i = 0; i < FControlList->Count(); ++i) {
      TControlItem* item = FControlList->Controls(i);
      item->Y -= RemovedBelow(Removed, item->Y);
    }
  if (HiddenRows)
    for (int i = 0; i < FGridItems->Count(); ++i) {
      TGridItem* item = FGridItems->Items(i);
      item->Idx -= RemovedBelow(Removed, item->Idx);
    }
}

// --- rows ---

void TExStringGrid::InsertRows(int RowIndex, int RCount, bool UpdateCellControls) {
  InsertRowsInternal(RowIndex, RCount, UpdateCellControls);
}

void TExStringGrid::InsertRowsInternal(int RowIndex, int RCount, bool UpdateCellControls) {
  if (RCount <= 0 || RowIndex < 0 || RowIndex > RowCount()) return;
  // New rows go before a visible floating footer's row, never behind it
  // (showing hidden rows again puts them back exactly where they were).
  if (UpdateCellControls && FFloatingFooter->Visible()) RowIndex = std::min(RowIndex, RowCount() - 1);
  // Hidden rows stay with their neighbours: those behind the new rows move on.
  if (UpdateCellControls && NumHiddenRows() > 0) ShiftHiddenRowItems(RealRowIndex(RowIndex) - 1, RCount);
  // 1.
  const int lastWidth = ColWidths(ColCount() - 1);
  if (FSelHidden || Col() >= ColCount() || Row() >= RowCount()) UnHideSelection();
  {
    // 2. The row-count setter keeps a visible floating footer's row last.
    TAllColumnsGuard all(*this);
    const bool footer = FFloatingFooter->Visible() && RowIndex < RowCount();
    if (FFloatingFooter->Visible() && !footer) {
      TStringGrid::SetRowCount(RowCount() + RCount);
      FMaxRowCount = std::max(FMaxRowCount, RowCount());
      NormalRowCount = RowCount();
    } else {
      SetRowCount(RowCount() + RCount);
    }
    // 3. - 4.
    const int last = footer ? RowCount() - 2 : RowCount() - 1;
    for (int i = last; i >= RowIndex + RCount; --i) {
      CopyRowCells(i - RCount, i);
      SetRowHeights(i, RowHeights(i - RCount));
    }
    for (int i = RowIndex; i < RowIndex + RCount; ++i) {
      SetRowHeights(i, DefaultRowHeight());
      ClearRowCells(i);
    }
  }  // 5.
  // 6. Hiding and showing rows leave the per-row lists alone.
  if (UpdateCellControls) ShiftRowLists(RowIndex, RCount);
  else if (FShowModified->Enabled) InsertRowFlags(*FModifiedRows, RowIndex, RCount, 0);
  // 7.
  SetColWidths(ColCount() - 1, lastWidth);
  // 8.
  if (UpdateCellControls && FControlList->Count() > 0) {
    const int real = RealRowIndex(RowIndex);
    for (int i = 0; i < FControlList->Count(); ++i)
      if (FControlList->Controls(i)->Y >= real) FControlList->Controls(i)->Y += RCount;
    CellControlsUpdate(false);
  }
  // 9.
  if (!Destroying()) CellsChangedHook(Rect(0, RowIndex, ColCount() - 1, RowIndex + RCount));
}

void TExStringGrid::RemoveRows(int RowIndex, int RCount) {
  // 1.
  if (RowIndex < 0 || RowIndex >= RowCount() || RCount <= 0) return;
  RCount = std::min(RCount, RowCount() - RowIndex);
  const std::vector<int> removed = RealRowsOf(RowIndex, RCount);
  // 2. The controls of the removed rows go; those below move up.
  DropRowControls(RowIndex, RCount);
  FollowRemovedRows(removed, true, false);
  // 3.
  FreeRowsForRemoval(RowIndex, RCount);
  // 4.
  const int lastWidth = ColWidths(ColCount() - 1);
  const bool entered = FEntered;
  FEntered = false;
  SelectCell(Col(), Row());
  // 5.
  BeginUpdate();
  const int oldTop = TopRow(), oldRow = Row();
  const bool footerVisible = FFloatingFooter->Visible();
  const int fixedFooters = FFixedFooters;
  try {
    {
      TAllColumnsGuard all(*this);
      if (footerVisible) FFloatingFooter->SetVisible(false);
      // 6.
      FollowRemovedRows(removed, false, true);
      // 7.
      ShiftRowLists(RowIndex, -RCount);
      // 8. The rows below move up; the rows that fall away are emptied (their
      //    objects now belong to the rows that took them).
      const int count = RowCount();
      for (int i = RowIndex; i < count; ++i) {
        if (i + RCount < count) {
          CopyRowCells(i + RCount, i);
          SetRowHeights(i, RowHeights(i + RCount));
        } else {
          ClearRowCells(i);
        }
      }
      for (int i = count; i < count + RCount; ++i) ClearRowCells(i);
      // 9.
      SetRowCount(count - RCount);
      if (Row() >= RowCount() && RowCount() - 1 >= FixedRows()) SetRow(RowCount() - 1);
    }  // 10.
    FMaxRowCount -= RCount;
    // 11.
    if (oldRow < RowCount() - FFixedFooters) {
      if (!FMouseActions->DisjunctRowSelect()) SetRow(oldRow);
      SetTopRow(oldTop);
    } else {
      if (FixedRows() < RowCount() - FFixedFooters) SetRow(RowCount() - FFixedFooters - 1);
      else HideSelection();
      FSelHidden = false;
    }
  } catch (...) {
    if (footerVisible) FFloatingFooter->SetVisible(true);
    FFixedFooters = fixedFooters;
    EndUpdate();
    FEntered = entered;
    throw;
  }
  // 12.
  SetColWidths(ColCount() - 1, lastWidth);
  if (footerVisible) FFloatingFooter->SetVisible(true);
  FFixedFooters = fixedFooters;
  EndUpdate();
  FEntered = entered;
  // 13.
  CellsChangedHook(Rect(0, RowIndex, ColCount() - 1, RowIndex + RCount));
  // 14.
  const int visible = VisibleRowCount();
  if (TopRow() >= RowCount() + FixedRows() - visible - 2 && RowCount() - visible - 1 > 0)
    SetTopRow(RowCount() + FixedRows() - visible - 2);
  // 15.
  if (FControlList->Count() > 0) CellControlsUpdate(false);
}

void TExStringGrid::DeleteRows(int ARow, int ACount) {
  if (ARow < 0 || ARow >= RowCount() || ACount <= 0) return;
  ACount = std::min(ACount, RowCount() - ARow);
  // The hidden columns' properties go too: nothing of a removed row stays behind.
  FreeRowsForRemoval(ARow, ACount);
  RemoveRowsInternal(ARow, ACount, true);
}

void TExStringGrid::RemoveRowsInternal(int ARow, int ACount, bool UpdateCellControls) {
  // 1.
  if (ARow < 0 || ARow >= RowCount() || ACount <= 0) return;
  ACount = std::min(ACount, RowCount() - ARow);
  const std::vector<int> removed = RealRowsOf(ARow, ACount);
  // 2. The controls of the removed rows go; those below move up with their rows.
  if (UpdateCellControls) {
    DropRowControls(ARow, ACount);
    FollowRemovedRows(removed, true, false);
  }
  // 3. Footers and disjunct selection are lifted for the time of the removal.
  const int fixedFooters = FFixedFooters;
  FFixedFooters = 0;
  const bool footerVisible = FFloatingFooter->Visible();
  if (footerVisible) {
    BeginUpdate();
    FFloatingFooter->SetVisible(false);
    FFixedFooters = 0;
  }
  const bool disjunct = FMouseActions->DisjunctRowSelectDirect();
  FMouseActions->SetDisjunctRowSelectDirect(false);
  // 4.
  const int lastWidth = ColWidths(ColCount() - 1);
  const bool entered = FEntered;
  FEntered = false;
  BeginUpdate();
  bool rowSelectOff = false;
  // 16. (also when the removal raises) Footers and disjunct selection come back.
  auto liftEnds = [&] {
    FFixedFooters = fixedFooters;
    FMouseActions->SetDisjunctRowSelectDirect(disjunct);
    if (!footerVisible) return;
    FFloatingFooter->SetVisible(true);
    FFixedFooters = fixedFooters;
    EndUpdate();
  };
  try {
    {
      TAllColumnsGuard all(*this);
      const int oldTop = TopRow(), oldRow = Row();
      // 5.
      if (Options().Contains(goRowSelect) && FixedRows() < RowCount() - 1) {
        SetOptions(Options() - goRowSelect);
        rowSelectOff = true;
      }
      // 6.
      if (FNumNodes > 0 && Row() < RowCount()) SetCol(FixedCols());
      // 7.
      std::vector<int> heights(RowCount());
      for (int r = 0; r < RowCount(); ++r) heights[r] = RowHeights(r);
      // 8. Hiding rows takes them out without changing any real row.
      if (UpdateCellControls) {
        FollowRemovedRows(removed, false, true);
        ShiftRowLists(ARow, -ACount);
      }
      // 9. The rows below move up; the rows that fall away keep nothing.
      const int count = RowCount();
      for (int i = ARow; i + ACount < count; ++i) CopyRowCells(i + ACount, i);
      for (int i = std::max(ARow, count - ACount); i < count; ++i) ClearRowCells(i);
      heights.erase(heights.begin() + ARow, heights.begin() + ARow + ACount);
      SetRowCount(count - ACount);
      // 10. (The footer count is 0 here.)
      if (oldRow < RowCount() - FFixedFooters) {
        SetRow(oldRow);
        SetTopRow(oldTop);
      } else {
        if (FixedRows() < RowCount() - FFixedFooters) {
          SetRow(RowCount() - FFixedFooters - 1);
          if (Row() >= RowCount()) HideSelection();
        } else {
          HideSelection();
        }
        FSelHidden = false;
      }
      // 11.
      for (int r = 0; r < static_cast<int>(heights.size()) && r < RowCount(); ++r) SetRowHeights(r, heights[r]);
    }  // 12.
    SetColWidths(ColCount() - 1, lastWidth);
  } catch (...) {
    if (rowSelectOff) SetOptions(Options() + goRowSelect);
    EndUpdate();
    FEntered = entered;
    liftEnds();
    throw;
  }
  EndUpdate();
  FEntered = entered;
  // 13.
  CellsChangedHook(Rect(0, ARow, ColCount() - 1, ARow + ACount));
  // 14.
  if (TopRow() >= RowCount() - 1) SetTopRow(RowCount() - 1);
  // 15. The row-select option always comes back.
  if (Row() >= RowCount() && FixedRows() < RowCount()) {
    FForceSel = true;
    FocusCell(FixedCols(), FixedRows());
    if (rowSelectOff) SetOptions(Options() + goRowSelect);
    FForceSel = false;
    HideSelection();
    FSelHidden = false;
  } else if (rowSelectOff) {
    SetOptions(Options() + goRowSelect);
  }
  // 16.
  if (FControlList->Count() > 0) CellControlsUpdate(false);
  liftEnds();
}

void TExStringGrid::RemoveRowsEx(int RowIndex, int RCount) {
  if (RowIndex < 0 || RowIndex >= RowCount() || RCount <= 0) return;
  RCount = std::min(RCount, RowCount() - RowIndex);
  const std::vector<int> removed = RealRowsOf(RowIndex, RCount);
  const int lastWidth = ColWidths(ColCount() - 1);
  const int oldRow = Row(), oldTop = TopRow();
  BeginUpdate();
  try {
    TAllColumnsGuard all(*this);
    const int count = RowCount();
    for (int i = RowIndex; i + RCount < count; ++i) CopyRowCells(i + RCount, i);
    // The rows that fall away keep nothing (their objects went up).
    for (int i = std::max(RowIndex, count - RCount); i < count; ++i) ClearRowCells(i);
    if (FMouseActions->DisjunctRowSelect() && RowIndex < static_cast<int>(FRowSelect.size()))
      FRowSelect.erase(FRowSelect.begin() + RowIndex,
                       FRowSelect.begin() + std::min<int>(RowIndex + RCount, static_cast<int>(FRowSelect.size())));
    TStringGrid::SetRowCount(count - RCount);
    FMaxRowCount -= RCount;
    NormalRowCount = RowCount();
  } catch (...) {
    EndUpdate();
    throw;
  }
  SetColWidths(ColCount() - 1, lastWidth);
  if (oldRow < RowCount()) {
    SetRow(oldRow);
    SetTopRow(oldTop);
  } else if (FixedRows() < RowCount()) {
    SetRow(FixedRows());
    SetTopRow(FixedRows());
  }
  EndUpdate();
  if (!FHidingRows) FollowRemovedRows(removed, false, true);
  CellsChangedHook(Rect(0, RowIndex, ColCount() - 1, RowIndex + RCount));
}

void TExStringGrid::AddRow() {
  if (FFloatingFooter->Visible()) {
    InsertRows(RowCount() - 1, 1, true);
    if (FFloatingFooter->FooterStyle() == fsFixedLastRow) ClearRows(RowCount() - 2, 1);
    return;
  }
  InsertRows(RowCount(), 1, true);
  ClearRows(RowCount() - 1, 1);
}

// --- columns ---

// Gives the shown columns their widths from a list by real column (the hidden
// columns keep theirs in the kept-width array).
void TExStringGrid::SetWidthsByRealColumn(const std::vector<int>& Widths) {
  int d = 0;
  for (int c = 0; c < static_cast<int>(Widths.size()) && d < ColCount(); ++c) {
    if (IsHiddenColumn(c)) FAllColWidths[c] = Widths[c];
    else SetColWidths(d++, Widths[c]);
  }
}

void TExStringGrid::RemoveCols(int ColIndex, int CCount) {
  const int total = AllColCount();
  if (ColIndex < 0 || ColIndex >= total || CCount <= 0) return;
  // 1.
  CCount = std::min(CCount, total - ColIndex);
  // 2. The removed cells' properties go, those of hidden rows too.
  FreeCellPropertiesRect(ColIndex, 0, ColIndex + CCount - 1, RowCount() - 1);
  for (int h = 0; h < FGridItems->Count(); ++h) {
    TStringList* items = FGridItems->Items(h)->Items();
    for (int i = std::min(ColIndex + CCount, items->Count()) - 1; i >= ColIndex; --i) {
      FreeCellObject(static_cast<TObject*>(items->Objects(i)));
      items->Delete(i);
    }
  }
  // 3. Every column behind moves left with its cells, width and visibility.
  std::vector<int> widths(total);
  std::vector<bool> visible(total);
  for (int c = 0; c < total; ++c) {
    widths[c] = AllColWidths(c);
    visible[c] = !IsHiddenColumn(c);
  }
  widths.erase(widths.begin() + ColIndex, widths.begin() + ColIndex + CCount);
  visible.erase(visible.begin() + ColIndex, visible.begin() + ColIndex + CCount);
  {
    TAllColumnsGuard all(*this);
    for (int i = ColIndex; i < total; ++i) {
      const int from = i + CCount;
      for (int r = 0; r < RowCount(); ++r) {
        TObject* object = from < total ? GetGridObject(from, r) : nullptr;
        if (auto* props = dynamic_cast<TCellProperties*>(object)) props->OwnerCol = i;
        SetGridCell(i, r, from < total ? GetGridCell(from, r) : QString());
        SetGridObject(i, r, object);
      }
    }
  }
  GrowColumnArrays(total);
  int hidden = 0;
  for (int c = 0; c < total; ++c) {
    FVisibleCol[c] = c >= static_cast<int>(visible.size()) || visible[c];
    if (!FVisibleCol[c]) ++hidden;
  }
  FNumHidden = hidden;
  SetColCount(std::max(1, total - CCount - hidden));
  SetWidthsByRealColumn(widths);
  // 4.
  CellsChangedHook(Rect(ColIndex, 0, ColIndex + CCount, RowCount() - 1));
}

void TExStringGrid::InsertCols(int ColIndex, int CCount) {
  const int total = AllColCount();
  if (ColIndex < 0 || ColIndex > total || CCount <= 0) return;
  std::vector<int> widths(total);
  std::vector<bool> visible(total);
  for (int c = 0; c < total; ++c) {
    widths[c] = AllColWidths(c);
    visible[c] = !IsHiddenColumn(c);
  }
  // 3. (widths and flags) New columns are shown with the default width.
  widths.insert(widths.begin() + ColIndex, CCount, DefaultColWidth());
  visible.insert(visible.begin() + ColIndex, CCount, true);
  // 1.
  SetColCount(ColCount() + CCount);
  GrowColumnArrays(total + CCount);
  for (int c = 0; c < total + CCount; ++c) FVisibleCol[c] = visible[c];
  {
    // 2. Every column from ColIndex on moves right with its cells.
    TAllColumnsGuard all(*this);
    for (int i = total + CCount - 1; i >= ColIndex + CCount; --i) {
      const int from = i - CCount;
      for (int r = 0; r < RowCount(); ++r) {
        TObject* object = GetGridObject(from, r);
        if (auto* props = dynamic_cast<TCellProperties*>(object)) props->OwnerCol = i;
        SetGridCell(i, r, GetGridCell(from, r));
        SetGridObject(i, r, object);
      }
    }
    // 3. (cells) The new columns are empty.
    for (int i = ColIndex; i < ColIndex + CCount; ++i)
      for (int r = 0; r < RowCount(); ++r) {
        SetGridCell(i, r, QString());
        SetGridObject(i, r, nullptr);
      }
  }
  for (int h = 0; h < FGridItems->Count(); ++h) {
    TStringList* items = FGridItems->Items(h)->Items();
    for (int i = ColIndex; i < ColIndex + CCount && i <= items->Count(); ++i) items->InsertObject(i, QString(), nullptr);
  }
  SetWidthsByRealColumn(widths);
  // 4. No cells-changed report.
}
