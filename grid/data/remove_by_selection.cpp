// Removing or hiding rows and columns chosen by the selection, by a check-box
// column or by repeated texts. Rows are walked from the bottom up so that the
// rows still to be visited keep their indexes.
#include <set>

#include "grid/view/ex_string_grid.h"

int TExStringGrid::LastNormalRowIndex() const {
  const int footer = FFloatingFooter->Visible() ? 1 : 0;
  return RowCount() - std::max(FFixedFooters, footer) - 1;
}

bool TExStringGrid::IsRowFlagged(int ARow) {
  return RowSelect(FMouseActions->RowSelectPersistent ? RealRowIndex(ARow) : ARow);
}

void TExStringGrid::RemoveSelectedRows() {
  TUpdateBatch batch(*this);
  if (FMouseActions->DisjunctRowSelect()) {
    std::vector<int> rows;
    for (int i = RowCount() - FFixedFooters - 1; i >= FixedRows(); --i)
      if (IsRowFlagged(i)) rows.push_back(i);
    for (int i : rows) DeleteRows(i, 1);
    ClearRowSelect();
    return;
  }
  const TGridRect s = Selection();
  for (int i = std::max(s.Top, s.Bottom); i >= std::min(s.Top, s.Bottom); --i) DeleteRows(i, 1);
}

void TExStringGrid::RemoveUnSelectedRows() {
  {
    TUpdateBatch batch(*this);
    for (int i = RowCount() - FFixedFooters - 1; i >= FixedRows(); --i)
      if (!RowSelect(i)) DeleteRows(i, 1);
  }
  if (FMouseActions->RowSelectPersistent) SelectRows(FixedRows(), RowCount() - FixedRows());
  else ClearRowSelect();
}

void TExStringGrid::HideSelectedRows() {
  TUpdateBatch batch(*this);
  for (int i = RowCount() - 1; i >= FixedRows(); --i)
    if (i < RowCount() && IsRowFlagged(i)) HideRows(RealRowIndex(i), RealRowIndex(i));
}

void TExStringGrid::HideUnSelectedRows() {
  TUpdateBatch batch(*this);
  int i = FixedRows();
  while (i < RowCount()) {
    if (IsRowFlagged(i)) {
      ++i;
      continue;
    }
    const int before = RowCount();
    HideRows(RealRowIndex(i), RealRowIndex(i));
    if (RowCount() == before) ++i;  // a row that cannot leave (the grid's last one)
  }
}

// Removes the shown columns From..To (display, inclusive) one by one from the
// right, each at its real index.
void TExStringGrid::RemoveDisplayCols(int From, int To) {
  for (int c = To; c >= From; --c)
    if (c >= 0 && c < ColCount()) RemoveCols(RealColIndex(c), 1);
}

void TExStringGrid::RemoveSelectedCols() {
  if (FMouseActions->DisjunctColSelect()) {
    for (int i = ColCount() - 1; i >= FixedCols(); --i) {
      if (!ColSelect(i)) continue;
      RemoveCols(RealColIndex(i), 1);
      if (i < static_cast<int>(FColSelect.size())) FColSelect.erase(FColSelect.begin() + i);
    }
    return;
  }
  const TGridRect s = Selection();
  RemoveDisplayCols(std::min(s.Left, s.Right), std::max(s.Left, s.Right));
}

void TExStringGrid::RemoveUnSelectedCols() {
  if (FMouseActions->DisjunctColSelect()) {
    for (int i = ColCount() - 1; i >= FixedCols(); --i) {
      if (ColSelect(i)) continue;
      RemoveCols(RealColIndex(i), 1);
      if (i < static_cast<int>(FColSelect.size())) FColSelect.erase(FColSelect.begin() + i);
    }
  } else {
    const TGridRect s = Selection();
    const int left = std::min(s.Left, s.Right), right = std::max(s.Left, s.Right);
    RemoveDisplayCols(right + 1, ColCount() - 1);
    RemoveDisplayCols(FixedCols(), left - 1);
  }
  ClearColSelect();
}

void TExStringGrid::RemoveCheckedRows(int CheckBoxColumn, bool RemoveChecked) {
  TUpdateBatch batch(*this);
  // Normal rows only: a footer row has no check box and would count as unchecked.
  for (int i = LastNormalRowIndex(); i >= FixedRows(); --i)
    if (IsChecked(CheckBoxColumn, i) == RemoveChecked) RemoveRows(i, 1);
}

void TExStringGrid::RemoveDuplicates(int ACol, bool DoCase) {
  TUpdateBatch batch(*this);
  const int real = DisplToRealCol(ACol);
  std::set<QString> kept;
  int r = FixedRows();
  while (r < RowCount() - FFixedFooters) {
    const QString text = DoCase ? GetCellEx(real, r) : GetCellEx(real, r).toUpper();
    if (kept.insert(text).second) {
      ++r;
      continue;
    }
    const int before = RowCount();
    DeleteRows(r, 1);
    if (RowCount() == before) ++r;  // a row that cannot leave (the grid's last one)
  }
}
