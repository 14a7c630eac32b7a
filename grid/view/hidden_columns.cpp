// Hidden columns keep their data in place: hiding records the column's flag and
// width and lowers ColCount; the cell store stays addressed by real column, and
// the mapping below turns display columns into real ones and back.
#include "grid/view/ex_string_grid.h"

void TExStringGrid::GrowColumnArrays(int count) const {
  if (count <= static_cast<int>(FVisibleCol.size())) return;
  FVisibleCol.resize(count, true);
  FAllColWidths.resize(count, 0);
}

bool TExStringGrid::IsHiddenColumn(int ColIndex) const {
  if (ColIndex < 0 || ColIndex >= static_cast<int>(FVisibleCol.size())) return false;
  return !FVisibleCol[ColIndex];
}

int TExStringGrid::DisplToRealCol(int ACol) const {
  // 1.
  if (FNumHidden == 0 || ACol < 0) return ACol;
  // 2. The first visible real column whose count of visible columns before it
  //    equals the display index; columns past the arrays are all visible.
  int visible = 0;
  const int known = static_cast<int>(FVisibleCol.size());
  for (int j = 0; j < known; ++j) {
    if (!FVisibleCol[j]) continue;
    if (visible == ACol) return j;
    ++visible;
  }
  return known + (ACol - visible);
}

int TExStringGrid::RealToDisplCol(int ACol) const {
  if (FNumHidden == 0 || ACol <= 0) return ACol;
  int hidden = 0;
  const int known = std::min(ACol, static_cast<int>(FVisibleCol.size()));
  for (int j = 0; j < known; ++j)
    if (!FVisibleCol[j]) ++hidden;
  return ACol - hidden;
}

void TExStringGrid::HideColumns(int FromCol, int ToCol) {
  // 1.
  HideInplaceEdit();
  // 2. The last displayed column is never hidden.
  for (int c = std::max(FromCol, 0); c <= ToCol; ++c) {
    if (IsHiddenColumn(c) || c >= ColCount() + FNumHidden || ColCount() < 2) continue;
    GrowColumnArrays(c + 1);
    // 2.1 - 2.2 Keep its width and close the gap in the display widths.
    const int d = RealToDisplCol(c);
    FAllColWidths[c] = ColWidths(d);
    for (int i = d; i <= ColCount() - 2; ++i) SetColWidths(i, ColWidths(i + 1));
    // 2.3
    ++FNumHidden;
    FVisibleCol[c] = false;
    // 2.4 - 2.5
    if (Col() == ColCount() - 1) TStringGrid::SetCol(Col() - 1);
    SetColCount(ColCount() - 1);
  }
  // 3.
  Invalidate();
}

void TExStringGrid::UnHideColumns(int FromCol, int ToCol) {
  // 1.
  HideInplaceEdit();
  // 2.
  for (int c = std::max(FromCol, 0); c <= ToCol; ++c) {
    if (!IsHiddenColumn(c)) continue;
    // 2.1 - 2.2
    --FNumHidden;
    FVisibleCol[c] = true;
    SetColCount(ColCount() + 1);
    // 2.3 - 2.4 Open a gap at its display position and give it its width back.
    const int d = RealToDisplCol(c);
    for (int i = ColCount() - 1; i >= d + 1; --i) SetColWidths(i, ColWidths(i - 1));
    SetColWidths(d, FAllColWidths[c]);
  }
  // 3.
  Invalidate();
}

int TExStringGrid::AllColWidths(int i) const {
  if (i < 0) return 0;
  if (IsHiddenColumn(i)) return FAllColWidths[i];
  return ColWidths(RealToDisplCol(i));
}

void TExStringGrid::SetAllColWidths(int i, int Value) {
  if (i < 0) return;
  GrowColumnArrays(i + 1);
  FAllColWidths[i] = Value;
  if (!IsHiddenColumn(i)) SetColWidths(RealToDisplCol(i), Value);
}

