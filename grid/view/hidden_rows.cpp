// Hidden rows are taken out of the grid into TGridItem records (texts, cell
// properties and heights) and put back in their places when shown; the mapping
// between display rows and real rows, the current and top row, parking the
// selection, the save ranges and the rectangle of used cells.
#include <set>

#include "grid/view/ex_string_grid.h"

// --- index mapping ---

bool TExStringGrid::IsHiddenRow(int Row) const {
  for (int i = 0; i < FGridItems->Count(); ++i)
    if (FGridItems->Items(i)->Idx == Row) return true;
  return false;
}

bool TExStringGrid::IsHiddenRow(int Row, std::unique_ptr<TIntList>& List) const {
  if (!List) {
    List = std::make_unique<TIntList>(0, 0);
    for (int i = 0; i < FGridItems->Count(); ++i) List->Insert(List->Count(), FGridItems->Items(i)->Idx);
  }
  return List->HasValue(Row);
}

int TExStringGrid::DisplToRealRow(int ARow) const {
  if (FGridItems->Count() == 0 || ARow < 0) return ARow;
  std::set<int> hidden;
  for (int i = 0; i < FGridItems->Count(); ++i) hidden.insert(FGridItems->Items(i)->Idx);
  int shown = 0, real = -1;
  while (shown <= ARow) {
    ++real;
    if (!hidden.count(real)) ++shown;
  }
  return real;
}

int TExStringGrid::RealToDisplRow(int ARow) const {
  int below = 0;
  for (int i = 0; i < FGridItems->Count(); ++i)
    if (FGridItems->Items(i)->Idx < ARow) ++below;
  return ARow - below;
}

TStringList* TExStringGrid::GetHiddenRowItems(int Idx) const {
  for (int i = 0; i < FGridItems->Count(); ++i)
    if (FGridItems->Items(i)->Idx == Idx) return FGridItems->Items(i)->Items();
  return nullptr;
}

// --- range hiding (real rows) ---

void TExStringGrid::HideRows(int FromRow, int ToRow) {
  if (FromRow < 0 || ToRow < FromRow) return;
  // 1. Rows of the range already hidden (n) and items before the range (k).
  std::set<int> alreadyHidden;
  int k = 0;
  for (int i = 0; i < FGridItems->Count(); ++i) {
    const int idx = FGridItems->Items(i)->Idx;
    if (idx >= FromRow && idx <= ToRow) alreadyHidden.insert(idx);
    if (idx < FromRow) ++k;
  }
  const int n = static_cast<int>(alreadyHidden.size());
  const int p = FromRow - k;
  // 2.
  if (n == ToRow - FromRow + 1 || p >= RowCount()) return;
  int count = 0;
  {
    // 3.
    TAllColumnsGuard all(*this);
    // 4. The still shown rows of the range are the display rows from p on.
    int insertAt = k;
    for (int r = FromRow; r <= ToRow; ++r) {
      if (alreadyHidden.count(r)) continue;
      const int d = p + count;
      if (d >= RowCount()) break;
      TGridItem* item = FGridItems->Insert(insertAt++);
      CopyRowToItems(d, *item->Items());
      item->Idx = r;
      item->Height = RowHeights(d);
      ++count;
    }
    // 5. A control in column 1 of the first hidden row is hidden with it.
    const int placed = FControlList->ControlIndex(1, p);
    if (placed >= 0 && FControlList->Controls(placed)->Control) FControlList->Controls(placed)->Control->SetVisible(false);
    // 6.
    RemoveRowsInternal(p, count, false);
  }
  // 7.
  CellControlsUpdate(false);
}

void TExStringGrid::HideRowsEx(int FromRow, int ToRow) {
  if (FromRow < 0 || ToRow < FromRow || IsHiddenRow(FromRow)) return;
  const int p = RealToDisplRow(FromRow);
  int count = 0;
  {
    TAllColumnsGuard all(*this);
    for (int r = FromRow; r <= ToRow && p + count < RowCount(); ++r, ++count) {
      TGridItem* item = FGridItems->Add();
      CopyRowToItems(p + count, *item->Items());
      item->Idx = r;
      item->Height = RowHeights(p + count);
    }
  }
  FHidingRows = true;
  RemoveRowsEx(p, count);
  FHidingRows = false;
  CellControlsUpdate(false);
}

void TExStringGrid::UnHideRows(int FromRow, int ToRow) {
  if (!IsHiddenRow(FromRow) || ToRow < FromRow) return;
  // 1.
  TAllColumnsGuard all(*this);
  const bool showModified = FShowModified->Enabled;
  FShowModified->Enabled = false;
  // 2. - 3.
  const int p = std::min(RealToDisplRow(FromRow), RowCount());
  int a = 0;
  for (int i = 0; i < FGridItems->Count(); ++i) {
    const int idx = FGridItems->Items(i)->Idx;
    if (idx >= FromRow && idx <= ToRow) ++a;
  }
  InsertRowsInternal(p, a, false);
  for (int i = FGridItems->Count() - 1; i >= 0; --i) {
    TGridItem* item = FGridItems->Items(i);
    if (item->Idx < FromRow || item->Idx > ToRow) continue;
    const int target = std::min(p + (item->Idx - FromRow), RowCount() - 1);
    CopyItemsToRow(*item->Items(), target);
    SetRowHeights(target, item->Height);
    FGridItems->Delete(i);
  }
  // 4. A control in column 1 of the first restored row takes its cell again.
  const int placed = FControlList->ControlIndex(1, p);
  if (placed >= 0 && FControlList->Controls(placed)->Control) {
    TControl* control = FControlList->Controls(placed)->Control;
    const TRect cell = CellRect(1, p);
    control->SetBounds(cell.Left, cell.Top, cell.Width(), cell.Height() - 1);
    control->Show();
  }
  // 5.
  FShowModified->Enabled = showModified;
  CellControlsUpdate(false);
}

void TExStringGrid::UnHideRow(int Row) {
  TAllColumnsGuard all(*this);
  const bool showModified = FShowModified->Enabled;
  FShowModified->Enabled = false;
  for (int i = 0; i < FGridItems->Count(); ++i) {
    TGridItem* item = FGridItems->Items(i);
    if (item->Idx != Row) continue;
    const int d = std::min(RealToDisplRow(Row), RowCount());
    InsertRowsInternal(d, 1, false);
    CopyItemsToRow(*item->Items(), d);
    SetRowHeights(d, item->Height);
    FGridItems->Delete(i);
    for (int c = 0; c < FControlList->Count(); ++c)
      if (FControlList->Controls(c)->Y == Row && FControlList->Controls(c)->Control) FControlList->Controls(c)->Control->Show();
    break;
  }
  FShowModified->Enabled = showModified;
  CellControlsUpdate(false);
}

void TExStringGrid::UnHideRowsAll() {
  // Runs of items whose indexes follow one another, restored run by run.
  while (FGridItems->Count() > 0) {
    const int first = FGridItems->Items(0)->Idx;
    int last = first;
    for (int i = 1; i < FGridItems->Count() && FGridItems->Items(i)->Idx == last + 1; ++i) last = FGridItems->Items(i)->Idx;
    const int before = FGridItems->Count();
    UnHideRows(first, last);
    if (FGridItems->Count() == before) {  // an item that cannot come back: drop its row safely
      TStringList* items = FGridItems->Items(0)->Items();
      for (int c = 0; c < items->Count(); ++c) FreeCellObject(static_cast<TObject*>(items->Objects(c)));
      FGridItems->Delete(0);
    }
  }
}

// --- list hiding (display rows, by filter level) ---

void TExStringGrid::HideRowList(const TIntList& RowList) {
  // 1.
  std::vector<int> heights(RowCount());
  for (int r = 0; r < RowCount(); ++r) heights[r] = RowHeights(r);
  std::set<int> listed;
  for (int i = 0; i < RowList.Count(); ++i)
    if (RowList[i] >= 0 && RowList[i] < RowCount()) listed.insert(RowList[i]);
  {
    // 2. - 4.
    TAllColumnsGuard all(*this);
    for (int r : listed) {
      TGridItem* item = FGridItems->Add();
      CopyRowToItems(r, *item->Items());
      item->Idx = r;
      item->Height = heights[r];
      item->Level = FFilterLevel;
    }
    ++FFilterLevel;
    // 5. Compact the rows that stay.
    int next = 0;
    for (int r = 0; r < RowCount(); ++r) {
      if (listed.count(r)) continue;
      CopyRowCells(r, next);
      SetRowHeights(next, heights[r]);
      ++next;
    }
    for (int r = next; r < RowCount(); ++r) ClearRowCells(r);
    // 6.
    TStringGrid::SetRowCount(std::max(1, RowCount() - static_cast<int>(listed.size())));
  }
  NormalRowCount = RowCount();
  CellControlsUpdate(false);
}

void TExStringGrid::UnHideRowList() {
  TAllColumnsGuard all(*this);
  // 2.
  const int level = FFilterLevel - 1;
  int n = 0;
  for (int i = 0; i < FGridItems->Count(); ++i)
    if (FGridItems->Items(i)->Level == level) ++n;
  // 3.
  if (Row() >= RowCount()) TStringGrid::FocusCell(TStringGrid::FixedCols(), TStringGrid::FixedRows(), true);
  // 4.
  const int oldLast = RowCount() - 1;
  TStringGrid::SetRowCount(RowCount() + n);
  // 5. Fill from the bottom up.
  const bool footer = FFloatingFooter->Visible();
  int s = footer ? oldLast - 1 : oldLast;
  int t = footer ? RowCount() - 2 : RowCount() - 1;
  if (footer && oldLast != RowCount() - 1) {
    CopyRowCells(oldLast, RowCount() - 1);
    SetRowHeights(RowCount() - 1, RowHeights(oldLast));
  }
  int item = FGridItems->Count() - 1;
  for (; t >= 0; --t) {
    while (item >= 0 && FGridItems->Items(item)->Level < level) --item;
    if (item >= 0 && FGridItems->Items(item)->Idx == t) {
      CopyItemsToRow(*FGridItems->Items(item)->Items(), t);
      SetRowHeights(t, FGridItems->Items(item)->Height);
      --item;
    } else if (s < t && s >= 0) {
      CopyRowCells(s, t);
      SetRowHeights(t, RowHeights(s));
      --s;
    }
  }
  NormalRowCount = RowCount();
  // 7. The level's items go; rows hidden otherwise (contracted nodes, rows
  // hidden in code) keep theirs, whatever the level count.
  for (int i = FGridItems->Count() - 1; i >= 0; --i)
    if (FGridItems->Items(i)->Level == level) FGridItems->Delete(i);
  CellControlsUpdate(false);
}

// --- current and top row ---

void TExStringGrid::SetRow(int Value) {
  if (Col() < 0 || Col() >= ColCount()) TStringGrid::FocusCell(TStringGrid::FixedCols(), Value, true);
  TStringGrid::SetRow(Value);
  if (Row() != FOldRowSel && OnRowUpdate) {
    OnRowUpdate(this, FOldRowSel, Row());
    FOldRowSel = Row();
  }
  if (FMouseActions->DisjunctRowSelect()) RowSelectFromSelection(true);
  if (FSyncGrid->Grid() && FSyncGrid->SelectionRow) {
    if (auto* other = dynamic_cast<TExStringGrid*>(FSyncGrid->Grid()))
      other->SetRow(Value);
    else
      FSyncGrid->Grid()->SetRow(Value);
  }
}

void TExStringGrid::SetTopRow(int Value) {
  if (Value < TStringGrid::FixedRows() || Value > RowCount() - 1) return;
  TStringGrid::SetTopRow(Value);
}

// --- parking the selection ---

void TExStringGrid::HideSelection() {
  FOldSelection = Selection();
  TStringGrid::SetSelection({ColCount(), RowCount(), ColCount(), RowCount()});
  FSelHidden = true;
}

void TExStringGrid::UnHideSelection() {
  FSelHidden = false;
  if (FOldSelection.Top < RowCount() && FOldSelection.Left < ColCount()) {
    TGridRect r = FOldSelection;
    r.Right = std::min(r.Right, ColCount() - 1);
    r.Bottom = std::min(r.Bottom, RowCount() - 1);
    TStringGrid::SetSelection(r);
    return;
  }
  const int row = FixedRowAlways && TStringGrid::FixedRows() == RowCount() ? 0 : TStringGrid::FixedRows();
  const int col = FixedColAlways && TStringGrid::FixedCols() == ColCount() ? 0 : TStringGrid::FixedCols();
  TStringGrid::SetSelection({col, row, col, row});
}

void TExStringGrid::UpdateEditMode() { SelectCell(Col(), Row()); }

// --- save ranges ---

int TExStringGrid::SaveStartCol() const { return SaveFixedCells || SaveFixedCols ? 0 : FixedCols(); }
int TExStringGrid::SaveEndCol() const {
  return SaveFixedCells || SaveFixedCols ? ColCount() - 1 : ColCount() - FFixedRightCols - 1;
}
int TExStringGrid::SaveColCount() const {
  return SaveFixedCells || SaveFixedCols ? ColCount() : ColCount() - FixedCols() - FFixedRightCols;
}
int TExStringGrid::SaveStartRow() const { return SaveFixedCells || SaveFixedRows ? 0 : FixedRows(); }
int TExStringGrid::SaveEndRow() const {
  return SaveFixedCells || SaveFixedRows ? RowCount() - 1 : RowCount() - FFixedFooters - 1;
}
int TExStringGrid::SaveRowCount() const {
  return SaveFixedCells || SaveFixedRows ? RowCount() : RowCount() - FixedRows() - FFixedFooters;
}

// --- used cells ---

TRect TExStringGrid::GetUsedCells() {
  int left = ColCount() - 1, top = RowCount() - 1, right = 0, bottom = 0;
  for (int r = 0; r < RowCount(); ++r)
    for (int c = 0; c < ColCount(); ++c) {
      if (GetCellEx(c, r).isEmpty()) continue;
      left = std::min(left, c);
      top = std::min(top, r);
      right = std::max(right, c);
      bottom = std::max(bottom, r);
    }
  if (right < left || bottom < top) return Rect(0, 0, 0, 0);
  return Rect(left, top, right, bottom);
}
