// Sizing fixed columns and rows by dragging their borders (MouseActions'
// SizeFixedCol and SizeFixedRow): the mouse over a border, the press that
// starts sizing, the sizing line that follows the mouse and the release that
// sets the new width or height.
#include <algorithm>
#include <cstdlib>

#include "grid/view/ex_string_grid.h"

namespace {

constexpr int kBorderReach = 2;

}  // namespace

int TExStringGrid::FixedColBorderAt(int X) {
  if (FixedCols() <= 0) return -1;
  int x = 0;
  for (int c = 0; c < FixedCols(); ++c) {
    const int border = x + ColWidths(c);
    if (std::abs(X - border) <= kBorderReach) return c;
    x = border + GridLineWidth();
  }
  return -1;
}

int TExStringGrid::FixedRowBorderAt(int Y) {
  if (FixedRows() <= 0) return -1;
  int y = 0;
  for (int r = 0; r < FixedRows(); ++r) {
    const int border = y + RowHeights(r);
    if (std::abs(Y - border) <= kBorderReach) return r;
    y = border + GridLineWidth();
  }
  return -1;
}

// Mouse movement: whether the mouse is on a fixed border, and the sizing line
// following it while sizing runs.
void TExStringGrid::TrackFixedSizing(int X, int Y, bool ValidCell) {
  const bool ok = ValidCell && !Designing();
  FSizeFixed = ok && FMouseActions->SizeFixedCol && FixedColBorderAt(X) >= 0;
  if (FSizingFixed) {
    DrawColSizingLine(FSizeFixedX);
    DrawColSizingLine(X);
    FSizeFixedX = X;
  }
  FSizeFixedR = ok && FMouseActions->SizeFixedRow && FixedRowBorderAt(Y) >= 0;
  if (FSizingFixedR) {
    DrawRowSizingLine(FSizeFixedY);
    DrawRowSizingLine(Y);
    FSizeFixedY = Y;
  }
}

// The press on a fixed border starts sizing; true when it did.
bool TExStringGrid::StartFixedSizing(int X, int Y, bool ValidCell) {
  if (FSizeFixed) {
    FSizingFixed = true;
    FSizeFixedX = X;
    DrawColSizingLine(X);
    if (ValidCell && !Designing()) FSizingFixedCol = FixedColBorderAt(X);
    return true;
  }
  if (FSizeFixedR) {
    FSizingFixedR = true;
    FSizeFixedY = Y;
    DrawRowSizingLine(Y);
    if (ValidCell && !Designing()) FSizingFixedRow = FixedRowBorderAt(Y);
    return true;
  }
  return false;
}

// The release ends sizing: the column (row) reaches to the mouse.
void TExStringGrid::EndFixedSizing(int X, int Y) {
  if (FSizingFixed) {
    FSizeFixed = FSizingFixed = false;
    DrawColSizingLine(FSizeFixedX);  // the line goes
    const int col = FSizingFixedCol;
    if (col >= 0 && col < ColCount()) {
      int left = 0;
      for (int c = 0; c < col; ++c) left += ColWidths(c) + GridLineWidth();
      int w = std::max(0, X - left);
      SetColWidths(col, w);
      if (OnEndColumnSize) OnEndColumnSize(this, col);
      if (OnUpdateColumnSize) {
        OnUpdateColumnSize(this, col, w);
        if (w != ColWidths(col)) SetColWidths(col, std::max(0, w));
      }
    }
  }
  if (FSizingFixedR) {
    FSizeFixedR = FSizingFixedR = false;
    DrawRowSizingLine(FSizeFixedY);
    const int row = FSizingFixedRow;
    if (row >= 0 && row < RowCount()) {
      int top = 0;
      for (int r = 0; r < row; ++r) top += RowHeights(r) + GridLineWidth();
      SetRowHeights(row, std::max(0, Y - top));
      if (OnEndRowSize) OnEndRowSize(this, row);
    }
  }
}
