// Operations on blocks of cells that keep the grid's shape: clearing texts and
// cell properties, trimming, colouring, merging runs of equal cells into merged
// blocks and splitting them again, joining two columns, and two small tests on
// cell texts. The rectangle operations take display columns, mapped to real
// ones when SaveHiddenCells is set.
#include "grid/view/ex_string_grid.h"
#include "platform/rtl/strings.h"

void TExStringGrid::ClearRect(int ACol1, int ARow1, int ACol2, int ARow2) {
  const bool whole = ACol1 <= 0 && ARow1 <= 0 && ACol2 >= ColCount() - 1 && ARow2 >= RowCount() - 1;
  const int lastCol = SaveHiddenCells ? ColCount() - 1 : AllColCount() - 1;
  for (int r = std::max(ARow1, 0); r <= std::min(ARow2, RowCount() - 1); ++r)
    for (int c = std::max(ACol1, 0); c <= std::min(ACol2, lastCol); ++c) {
      const int rc = SaveHiddenCells ? DisplToRealCol(c) : c;
      // 1.
      if (!ClearTextOnly && CellHasProperties(rc, r)) {
        if (NilObjects) {
          SetGridCell(rc, r, QString());
          SetGridObject(rc, r, nullptr);
        } else {
          FreeCellPropertiesRect(rc, r, rc, r);
        }
      }
      // 2.
      if (Destroying()) continue;
      if (!GetCellEx(rc, r).isEmpty()) SetCellEx(rc, r, QString());
      if (rc != c) RepaintCell(c, r);
    }
  if (whole) HasCellProps = false;
  if (!Destroying() && !FBlockCellChange)
    CellsChangedHook(Rect(DisplToRealCol(ACol1), ARow1, DisplToRealCol(ACol2), ARow2));
}

void TExStringGrid::ClearRows(int RowIndex, int RCount) {
  if (RowCount() <= 0 || ColCount() <= 0 || RCount <= 0) return;
  ClearRect(0, RowIndex, AllColCount() - 1, RowIndex + RCount - 1);
}

void TExStringGrid::ClearCols(int ColIndex, int CCount) {
  if (RowCount() <= 0 || ColCount() <= 0 || CCount <= 0) return;
  ClearRect(ColIndex, 0, ColIndex + CCount - 1, RowCount() - 1);
}

void TExStringGrid::ClearNormalRows(int RowIndex, int RCount) {
  if (RowCount() <= 0 || ColCount() <= 0 || RCount <= 0) return;
  ClearRect(FixedCols(), RowIndex, AllColCount() - FFixedRightCols - 1, RowIndex + RCount - 1);
}

void TExStringGrid::ClearNormalCols(int ColIndex, int CCount) {
  if (RowCount() <= 0 || ColCount() <= 0 || CCount <= 0) return;
  ClearRect(ColIndex, FixedRows(), ColIndex + CCount - 1, RowCount() - FFixedFooters - 1);
}

void TExStringGrid::ClearNormalCells() {
  if (FixedCols() == 0 && FNumNodes > 0) RemoveAllNodes();
  if (RowCount() <= 0 || ColCount() <= 0) return;
  ClearRect(FixedCols(), FixedRows(), AllColCount() - FFixedRightCols - 1, RowCount() - FFixedFooters - 1);
}

void TExStringGrid::ClearSelection() {
  const TMouseActions& ma = *FMouseActions;
  if (ma.DisjunctRowSelect()) {
    for (int r = FixedRows(); r < RowCount(); ++r)
      if (RowSelect(ma.RowSelectPersistent ? RealRowIndex(r) : r)) ClearRows(r, 1);
    return;
  }
  if (ma.DisjunctColSelect()) {
    for (int c = FixedCols(); c < ColCount(); ++c)
      if (ColSelect(c)) ClearCols(c, 1);
    return;
  }
  const TGridRect s = Selection();
  ClearRect(s.Left, s.Top, s.Right, s.Bottom);
}

void TExStringGrid::Clear() {
  if (!Destroying() && FNumNodes > 0) RemoveAllNodes();
  if (RowCount() > 0 && ColCount() > 0) ClearRect(0, 0, AllColCount() - 1, RowCount() - 1);
  SearchInc.clear();
  if (FNumHidden > 0) Invalidate();
}

void TExStringGrid::ClearAll() {
  Clear();
  for (int i = 0; i < FGridItems->Count(); ++i) {
    TStringList* items = FGridItems->Items(i)->Items();
    for (int c = 0; c < items->Count(); ++c) items->Put(c, QString());
  }
}

void TExStringGrid::TrimRect(int ACol1, int ARow1, int ACol2, int ARow2) {
  for (int r = std::max(ARow1, 0); r <= std::min(ARow2, RowCount() - 1); ++r)
    for (int c = std::max(ACol1, 0); c <= ACol2; ++c) {
      const int rc = SaveHiddenCells ? DisplToRealCol(c) : c;
      const QString text = GetCellEx(rc, r);
      const QString trimmed = Trim(text);
      if (trimmed != text) SetCellEx(rc, r, trimmed);
    }
}

void TExStringGrid::ColorRect(int ACol1, int ARow1, int ACol2, int ARow2, TColor AColor) {
  for (int r = std::max(ARow1, 0); r <= std::min(ARow2, RowCount() - 1); ++r)
    for (int c = std::max(ACol1, 0); c <= ACol2; ++c) SetColors(SaveHiddenCells ? DisplToRealCol(c) : c, r, AColor);
}

void TExStringGrid::MergeColumnCells(int ColIndex, bool MainMerge) {
  const int last = RowCount() - FFixedFooters - 1;
  int a = FixedRows(), n = 1;
  for (int r = FixedRows() + 1; r <= last; ++r) {
    if (GetCellEx(ColIndex, r) == GetCellEx(ColIndex, r - 1) && (MainMerge || RowSpanIdentical(r - 1, r))) {
      ++n;
      continue;
    }
    if (n > 1) MergeCells(ColIndex, a, 1, n);
    a = r;
    n = 1;
  }
  if (n > 1) MergeCells(ColIndex, a, 1, n);
}

void TExStringGrid::MergeRowCells(int RowIndex, bool MainMerge) {
  const int last = ColCount() - FFixedRightCols - 1;
  int a = FixedCols(), n = 0;
  for (int c = FixedCols() + 1; c <= last; ++c) {
    if (GetCellEx(c, RowIndex) == GetCellEx(c - 1, RowIndex) && (MainMerge || ColSpanIdentical(c - 1, c))) {
      ++n;
      continue;
    }
    MergeCells(a, RowIndex, n + 1, 1);
    a = c;
    n = 0;
  }
  if (n >= 1) MergeCells(a, RowIndex, n + 1, 1);
}

void TExStringGrid::SplitColumnCells(int ColIndex) {
  int r = 0;
  while (r < RowCount() - FFixedFooters - 1) {
    if (!IsYMergedCell(ColIndex, r)) {
      ++r;
      continue;
    }
    const int s = CellSpan(ColIndex, r).Y;
    SplitCells(ColIndex, r);
    r += std::max(s, 0) + 1;
  }
}

void TExStringGrid::SplitRowCells(int RowIndex) {
  int c = 0;
  while (c < ColCount() - FFixedRightCols - 1) {
    const int s = IsMergedCell(c, RowIndex) ? CellSpan(c, RowIndex).X : -1;
    if (s < 0) {
      ++c;
      continue;
    }
    SplitCells(c, RowIndex);
    c += s + 1;
  }
}

void TExStringGrid::SplitAllCells() {
  for (int r = 0; r < RowCount(); ++r)
    for (int c = 0; c < ColCount(); ++c)
      if (IsMergedCell(c, r)) SplitCells(c, r);
}

void TExStringGrid::MergeCols(int ColIndex1, int ColIndex2, const QString& Separator) {
  for (int r = FixedRows(); r < RowCount(); ++r)
    SetCellEx(ColIndex1, r, Trim(GetCellEx(ColIndex1, r) + Separator + GetCellEx(ColIndex2, r)));
  RemoveCols(ColIndex2, 1);
}

bool TExStringGrid::IsCell(const QString& SubStr, int& ACol, int& ARow) {
  for (int r = 0; r < RowCount(); ++r)
    for (int c = 0; c < ColCount(); ++c)
      if (GetGridCell(c, r) == SubStr) {
        ACol = c;
        ARow = r;
        return true;
      }
  return false;
}

bool TExStringGrid::IsWideCell(int ACol, int ARow) { return GetGridCell(ACol, ARow).startsWith(QStringLiteral("|\\")); }
