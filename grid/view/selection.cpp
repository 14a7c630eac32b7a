// The selection model beyond the class library's rectangle: whole rows and
// columns, disjunct row, column and cell selection, the counts of what is
// selected, the modified and enabled row flags, moving the current cell and the
// small repaint routines.
#include <algorithm>

#include "grid/view/ex_string_grid.h"
#include "grid/view/grid_error.h"

namespace {

bool Flag(const std::vector<bool>& flags, int index) {
  return index >= 0 && index < static_cast<int>(flags.size()) && flags[index];
}

void Grow(std::vector<bool>& flags, int count) {
  if (static_cast<int>(flags.size()) < count) flags.resize(count, false);
}

int CountSet(const std::vector<bool>& flags, int limit) {
  const int n = std::min(limit, static_cast<int>(flags.size()));
  return static_cast<int>(std::count(flags.begin(), flags.begin() + std::max(n, 0), true));
}

}  // namespace

// --- rectangle and current cell ---

void TExStringGrid::SetSelection(TGridRect Value) {
  TStringGrid::SetSelection(Value);
  if (FActiveCellShow) {
    RepaintRow(0);
    RepaintCol(0);
  }
  if (ActiveRowShow()) RepaintRow(Value.Bottom);
}

void TExStringGrid::FocusCell(int ACol, int ARow) { SetSelection({ACol, ARow, ACol, ARow}); }

void TExStringGrid::SelectRange(int FromCol, int ToCol, int FromRow, int ToRow) {
  SetRow(ToRow);
  SetCol(ToCol);
  SetSelection({FromCol, FromRow, ToCol, ToRow});
}

void TExStringGrid::GotoCell(int ACol, int ARow) {
  SetRow(ARow);
  SetCol(ACol);
}

void TExStringGrid::EditCell(int ACol, int ARow) {
  if (CanFocus()) SetFocus();
  GotoCell(ACol, ARow);
  ShowInplaceEdit();
}

void TExStringGrid::MoveCurrentCell(int ACol, int ARow) { MoveColRow(ACol, ARow, true, true); }

// --- rows and columns ---

void TExStringGrid::SelectRows(int RowIndex, int RCount) {
  if (RowIndex + RCount > RowCount()) RCount = RowCount() - RowIndex;
  if (!FMouseActions->DisjunctRowSelect()) {
    SetSelection({TStringGrid::FixedCols(), RowIndex, ColCount() - 1, RowIndex + RCount - 1});
  } else {
    for (int i = 0; i < RCount; ++i) {
      const int r = RowIndex + i;
      const int target = FMouseActions->RowSelectPersistent ? DisplToRealRow(r) : r;
      if (target >= 0 && target < RowCount()) SetRowSelect(target, true);
    }
  }
  if (!FRowIndicator->Empty()) RepaintCol(0);
  FSelChange = false;
}

void TExStringGrid::UnSelectRows(int RowIndex, int RCount) {
  if (FMouseActions->DisjunctRowSelect()) {
    for (int i = 0; i < RCount; ++i) {
      const int r = RowIndex + i;
      const int target = FMouseActions->RowSelectPersistent ? DisplToRealRow(r) : r;
      if (target >= 0 && target < RowCount()) SetRowSelect(target, false);
    }
  }
  FSelChange = false;
}

void TExStringGrid::SelectCols(int ColIndex, int CCount) {
  if (!FMouseActions->DisjunctColSelect()) {
    SetSelection({ColIndex, TStringGrid::FixedRows(), ColIndex + CCount - 1, RowCount() - 1});
    return;
  }
  for (int c = ColIndex; c < ColIndex + CCount; ++c)
    if (c >= 0 && c < ColCount()) SetColSelect(c, true);
}

void TExStringGrid::UnSelectCols(int ColIndex, int CCount) {
  if (!FMouseActions->DisjunctColSelect()) return;
  for (int c = ColIndex; c < ColIndex + CCount; ++c)
    if (c >= 0 && c < ColCount()) SetColSelect(c, false);
}

void TExStringGrid::ClearRowSelect() {
  for (int r = 0; r < static_cast<int>(FRowSelect.size()); ++r) {
    if (FRowSelect[r]) RepaintRow(r);
    FRowSelect[r] = false;
  }
  FSelectedRows->Clear();
}

void TExStringGrid::ClearColSelect() {
  for (int c = 0; c < static_cast<int>(FColSelect.size()); ++c) {
    if (FColSelect[c]) RepaintCol(c);
    FColSelect[c] = false;
  }
}

bool TExStringGrid::RowSelect(int ARow) {
  if (!FMouseActions->RowSelectPersistent && (ARow < 0 || ARow > RowCount() + NumHiddenRows() - 1))
    throw EExGridError(QStringLiteral("Invalid row %1 accessed").arg(ARow));
  if (FMouseActions->DisjunctRowSelect()) return Flag(FRowSelect, ARow);
  const TGridRect s = Selection();
  return s.Top <= ARow && ARow <= s.Bottom;
}

void TExStringGrid::SetRowSelect(int ARow, bool Value) {
  // 1.
  if ((ARow >= RowCount() + NumHiddenRows() && RowCount() > TStringGrid::FixedRows()) || ARow < 0)
    throw EExGridError(QStringLiteral("Invalid row accessed"));
  // 2.
  bool allow = true;
  if (OnRowDisjunctSelect && Flag(FRowSelect, ARow) != Value) OnRowDisjunctSelect(this, ARow, Value, allow);
  if (!allow) return;
  // 3. - 4.
  Grow(FRowSelect, ARow + 1);
  if (Value) {
    if (!FRowSelect[ARow]) RepaintRow(ARow);
    FRowSelect[ARow] = true;
    if (!FSelectedRows->HasValue(ARow) && ARow >= TStringGrid::FixedRows()) FSelectedRows->Add(ARow);
  } else {
    if (FRowSelect[ARow]) RepaintRow(ARow);
    FRowSelect[ARow] = false;
    FSelectedRows->DeleteValue(ARow);
  }
  // 5.
  if (OnRowDisjunctSelected) OnRowDisjunctSelected(this, ARow);
}

bool TExStringGrid::ColSelect(int ACol) {
  if (ACol < 0 || ACol >= ColCount()) throw EExGridError(QStringLiteral("Invalid column accessed"));
  return Flag(FColSelect, ACol);
}

void TExStringGrid::SetColSelect(int ACol, bool Value) {
  if (ACol < 0 || ACol >= ColCount()) throw EExGridError(QStringLiteral("Invalid column accessed"));
  Grow(FColSelect, ACol + 1);
  if (FColSelect[ACol] == Value) return;
  FColSelect[ACol] = Value;
  RepaintCol(ACol);
}

int TExStringGrid::RowSelectCount() const {
  if (FMouseActions->DisjunctRowSelect()) return CountSet(FRowSelect, RowCount() + NumHiddenRows());
  const TGridRect s = Selection();
  return s.Bottom - s.Top + 1;
}

int TExStringGrid::ColSelectCount() const {
  if (FMouseActions->DisjunctColSelect()) return CountSet(FColSelect, static_cast<int>(FColSelect.size()));
  const TGridRect s = Selection();
  return s.Right - s.Left + 1;
}

int TExStringGrid::SelectedRowCount() const {
  if (FMouseActions->DisjunctRowSelect()) return FSelectedRows->Count();
  // 1.
  const TGridRect r = Selection();
  int b = r.Bottom;
  if (b >= RowCount() - FFixedFooters) b = RowCount() - FFixedFooters - 1;
  // 2. - 4.
  if (IsMergedCell(r.Left, r.Top)) {
    const int s = CellSpan(r.Left, r.Top).Y;
    return b < r.Top + s ? s + 1 : b - r.Top + 1;
  }
  if (IsMergedCell(r.Left, b)) return b - r.Top + 1 + CellSpan(r.Left, b).Y;
  return b - r.Top + 1;
}

int TExStringGrid::SelectedRow(int i) const {
  if (FMouseActions->DisjunctRowSelect()) return i >= 0 && i < FSelectedRows->Count() ? FSelectedRows->GetInteger(i) : -1;
  const TGridRect s = Selection();
  return i >= 0 && s.Top + i <= s.Bottom ? s.Top + i : -1;
}

int TExStringGrid::SelectedColCount() const {
  if (FMouseActions->DisjunctColSelect()) return CountSet(FColSelect, static_cast<int>(FColSelect.size()));
  const TGridRect r = Selection();
  if (IsMergedCell(r.Left, r.Top)) {
    const int s = CellSpan(r.Left, r.Top).X;
    return r.Right < r.Left + s ? s + 1 : r.Right - r.Left + 1;
  }
  if (IsMergedCell(r.Right, r.Top)) return r.Right - r.Left + 1 + CellSpan(r.Right, r.Top).X;
  return r.Right - r.Left + 1;
}

void TExStringGrid::RowSelectFromSelection(bool ClearOutside) {
  // 1.
  TGridRect s = Selection();
  if (s.Bottom > RowCount() - FFixedFooters - 1) s.Bottom = RowCount() - FFixedFooters - 1;
  // 2.
  for (int r = TStringGrid::FixedRows(); r < RowCount(); ++r) {
    const bool inside = s.Top <= r && r <= s.Bottom;
    if (!ClearOutside && !inside) continue;
    const int target = FMouseActions->RowSelectPersistent ? DisplToRealRow(r) : r;
    SetRowSelect(target, inside);
  }
  // 3.
  if (NumHiddenRows() > 0) Invalidate();
}

void TExStringGrid::ColSelectFromSelection(bool ClearOutside) {
  const TGridRect s = Selection();
  for (int c = TStringGrid::FixedCols(); c < ColCount(); ++c) {
    const bool inside = s.Left <= c && c <= s.Right;
    if (ClearOutside || inside) SetColSelect(c, inside);
  }
}

// --- cells ---

int TExStringGrid::SelectedCellsCount() {
  if (FMouseActions->DisjunctCellSelect()) return static_cast<int>(FSelectedCells.size());
  FSelectedCells.clear();
  const TGridRect s = Selection();
  if (s.Left == s.Right && s.Top == s.Bottom) {
    FSelectedCells.push_back({Col(), Row()});
    return 1;
  }
  for (int c = s.Left; c <= s.Right; ++c)
    for (int r = s.Top; r <= s.Bottom; ++r) {
      const TGridCoord cell{c, r};
      if (std::find(FSelectedCells.begin(), FSelectedCells.end(), cell) == FSelectedCells.end())
        FSelectedCells.push_back(cell);
    }
  return static_cast<int>(FSelectedCells.size());
}

TGridCoord TExStringGrid::SelectedCell(int i) const {
  if (i < 0 || i >= static_cast<int>(FSelectedCells.size()))
    throw EListError(QStringLiteral("List index out of bounds (%1)").arg(i));
  return FSelectedCells[i];
}

bool TExStringGrid::SelectedCells(int i, int j) const {
  if (FMouseActions->DisjunctCellSelect())
    return std::find(FSelectedCells.begin(), FSelectedCells.end(), TGridCoord{i, j}) != FSelectedCells.end();
  const TGridRect s = Selection();
  return s.Left <= i && i <= s.Right && s.Top <= j && j <= s.Bottom;
}

void TExStringGrid::SetSelectedCells(int i, int j, bool Value) {
  auto it = std::find(FSelectedCells.begin(), FSelectedCells.end(), TGridCoord{i, j});
  const bool present = it != FSelectedCells.end();
  if (present == Value) return;
  if (Value)
    FSelectedCells.push_back({i, j});
  else
    FSelectedCells.erase(it);
  RepaintCell(i, j);
}

void TExStringGrid::ClearSelectedCells() {
  SetSelection({TStringGrid::FixedCols(), TStringGrid::FixedRows(), TStringGrid::FixedCols(), TStringGrid::FixedRows()});
  FSelectedCells.clear();
  Invalidate();
}

void TExStringGrid::SwapCells(TGridCoord FromCell, TGridCoord ToCell) {
  const QString text = GetGridCell(FromCell.X, FromCell.Y);
  TObject* object = GetGridObject(FromCell.X, FromCell.Y);
  SetGridCell(FromCell.X, FromCell.Y, GetGridCell(ToCell.X, ToCell.Y));
  SetGridObject(FromCell.X, FromCell.Y, GetGridObject(ToCell.X, ToCell.Y));
  SetGridCell(ToCell.X, ToCell.Y, text);
  SetGridObject(ToCell.X, ToCell.Y, object);
}

// --- row flags ---

bool TExStringGrid::RowModified(int ARow) const {
  return ARow >= 0 && ARow < FModifiedRows->Count() && FModifiedRows->GetInteger(ARow) == 1;
}

void TExStringGrid::SetRowModified(int ARow, bool Value) {
  if (ARow < 0) return;
  while (FModifiedRows->Count() <= ARow) FModifiedRows->Insert(FModifiedRows->Count(), 0);
  FModifiedRows->SetInteger(ARow, Value ? 1 : 0);
  RepaintCell(0, ARow);
}

int TExStringGrid::ModifiedRowCount() const {
  int n = 0;
  for (int i = 0; i < FModifiedRows->Count(); ++i)
    if (FModifiedRows->GetInteger(i) == 1) ++n;
  return n;
}

void TExStringGrid::ClearModifiedRows() {
  FModifiedRows->Clear();
  Invalidate();
}

bool TExStringGrid::RowEnabled(int ARow) const {
  return ARow < 0 || ARow >= FEnabledRows->Count() || FEnabledRows->GetInteger(ARow) == 0;
}

void TExStringGrid::SetRowEnabled(int ARow, bool Value) {
  if (ARow < 0) return;
  // 1. Only disabling the current row moves the cursor.
  if (!Value && ARow == Row()) {
    for (int r = TStringGrid::FixedRows(); r < RowCount(); ++r)
      if (r != ARow && RowEnabled(r)) {
        SetRow(r);
        break;
      }
  }
  // 2. - 4.
  FUseEnabledRows = true;
  while (FEnabledRows->Count() <= ARow) FEnabledRows->Insert(FEnabledRows->Count(), 0);
  FEnabledRows->SetInteger(ARow, Value ? 0 : 1);
  RepaintRow(ARow);
}

// --- repainting ---

void TExStringGrid::RepaintRow(int ARow) {
  if (ARow >= 0 && ARow < RowCount()) InvalidateRow(ARow);
}

void TExStringGrid::RepaintCol(int ACol) {
  if (ACol >= 0 && ACol < ColCount()) InvalidateCol(ACol);
}

void TExStringGrid::RepaintRect(TRect r) {
  if (r.Left < 0 || r.Top < 0 || r.Right < 0 || r.Bottom < 0) return;
  const TRect first = TStringGrid::CellRect(r.Left, r.Top);
  const TRect last =
      TStringGrid::CellRect(std::min(VisibleColCount() + TStringGrid::FixedCols(), r.Right), r.Bottom);
  if (IsRectEmpty(first) || IsRectEmpty(last)) {
    Invalidate();
    return;
  }
  TRect both;
  UnionRect(both, first, last);
  InvalidateRect(both);
}

void TExStringGrid::InvalidateCellRange(TGridRect r) {
  TRect both;
  UnionRect(both, TStringGrid::CellRect(r.Left, r.Top), TStringGrid::CellRect(r.Right, r.Bottom));
  if (!IsRectEmpty(both)) InvalidateRect(both);
}
