// The grid's small text measures shared by automatic sizing, printing, the
// fixed-width export and the in-place editor: the total text offset of a cell in
// each direction and the largest line count of a row.
#include "grid/base/line_breaks.h"
#include "grid/view/ex_string_grid.h"

int TExStringGrid::TotalXOffset() const { return XYOffsetTopLeftOnly ? FXYOffset.X : 2 * FXYOffset.X; }
int TExStringGrid::TotalYOffset() const { return XYOffsetTopLeftOnly ? FXYOffset.Y : 2 * FXYOffset.Y; }

int TExStringGrid::MaxLinesInRow(int ARow) {
  if (ColCount() <= 0 || !Multilinecells) return 1;
  // Every shown column (the hidden ones do not show their lines).
  int lines = 1;
  for (int c = 0; c < ColCount(); ++c)
    lines = std::max(lines, CountLines(GetCellEx(RealColIndex(c), ARow), Multilinecells));
  return lines;
}
