// Automatic sizing of columns and rows to their cells' texts and pictures,
// within the grid's size limits, and stretching the columns to the grid's width.
#include <cmath>

#include "grid/base/cell_refs.h"
#include "grid/view/ex_string_grid.h"
#include "platform/ui/canvas.h"

namespace {

int Round(double v) { return static_cast<int>(std::nearbyint(v)); }

}  // namespace

// --- columns ---

int TExStringGrid::ContentWidth(int ACol, int ARow) {
  const int rc = RealColIndex(ACol);
  int w = GetCellGraphicSize(rc, ARow).X + GetCellTextSize(rc, ARow, false, false).X;
  if (FControlLook->DropDownAlwaysVisible && HasComboBox(rc, ARow)) w += 16;
  if (FilterDropDownAuto && ARow == FilterDropDownRow && GetColumnFilterHook(rc)) w += 12;
  if (IsSortIndicatorCell(ACol, ARow) && rc == FSortSettings->Column) w += 10;
  if (TCellGraphic* g = GetCellGraphic(rc, ARow); g && g->CellHAlign == haFull)
    w = GetCellGraphicSize(rc, ARow).X - 2 * GridLineWidth() - FXYOffset.X - 2;
  return w;
}

void TExStringGrid::AutoSizeColWidth(int ACol, bool GrowOnly) {
  // 1. The rows the width is taken from.
  int first = 0, last = RowCount() - 1;
  if (FColumnSize->Rows == arNormal) {
    first = FixedRows();
    last = RowCount() - FFixedFooters - 1;
  } else if (FColumnSize->Rows == arFixed) {
    last = FixedRows() - 1;
  }
  // 2. The widest cell that is not merged across columns.
  int widest = 0;
  for (int r = first; r <= last; ++r)
    if (!IsXMergedCell(RealColIndex(ACol), r)) widest = std::max(widest, ContentWidth(ACol, r));
  // 3.
  int width = widest + TotalXOffset() + 2 * GridLineWidth() + 2;
  // 4.
  if (GrowOnly && width <= ColWidths(ACol)) return;
  UpdateAutoColumnSizeHook(RealColIndex(ACol), width);
  SetColWidths(ACol, ApplySizeLimits(width, MinColWidth, MaxColWidth));
}

void TExStringGrid::AutoSizeCol(int ACol, int Padding) {
  if (ACol < 0 || ACol >= ColCount()) return;
  AutoSizeColWidth(ACol, SizeGrowOnly);
  if (Padding != 0) SetColWidths(ACol, ApplySizeLimits(ColWidths(ACol) + Padding, MinColWidth, MaxColWidth));
}

void TExStringGrid::AutoSizeColumns(bool DoFixedCols, int Padding) {
  const int first = DoFixedCols ? 0 : FixedCols();
  const int last = DoFixedCols ? ColCount() - 1 : ColCount() - FFixedRightCols - 1;
  for (int c = first; c <= last; ++c) {
    AutoSizeCol(c, 0);
    if (Padding != 0) SetColWidths(c, ApplySizeLimits(ColWidths(c) + Padding, MinColWidth, MaxColWidth));
  }
}

// --- rows ---

void TExStringGrid::AutoSizeRowHeight(int ARow, bool GrowOnly, int Padding) {
  if (ARow < 0 || ARow >= RowCount()) return;
  TCanvas* canvas = MeasureCanvas();
  int tallest = 0;
  // 1. - 2. The tallest cell that is not merged across rows.
  for (int c = 0; c < ColCount(); ++c) {
    const int rc = RealColIndex(c);
    if (IsYMergedCell(rc, ARow) || IsIgnoredColumn(rc)) continue;
    const bool fixed = ARow < FixedRows() || c < FixedCols();
    canvas->Font()->Assign(fixed ? *FFixedFont : *Font());
    TBrush brush;
    GetCellColorHook(rc, ARow, TGridDrawState(), &brush, canvas->Font());
    int th = GetCellTextSize(rc, ARow, false, WordWrap()).Y;
    int gh = 0;
    TPoint size{0, 0};
    CalcCellGraphicSize(rc, ARow, Padding, size);
    gh = size.Y;
    TCellGraphic* g = GetCellGraphic(rc, ARow);
    if (g && g->CellVAlign == vaFull) gh = th != 0 ? 0 : DefaultRowHeight();
    if (g && (g->CellType == ctDataCheckBox || g->CellType == ctVirtCheckBox) && gh > 0) th = 0;
    int h = th + gh;
    if (IsMergedNonBaseCell(rc, ARow)) h = 0;
    if (g && (g->CellType == ctCheckBox || g->CellType == ctDataCheckBox || g->CellType == ctVirtCheckBox ||
              g->CellType == ctRadioButton))
      h = DefaultRowHeight();
    tallest = std::max(tallest, h);
  }
  // 3.
  int height = tallest + TotalYOffset() + 2 * GridLineWidth() + (XYOffsetTopLeftOnly ? 2 : 0);
  // 4.
  if (GrowOnly && height <= RowHeights(ARow)) return;
  SetRowHeights(ARow, ApplySizeLimits(height, MinRowHeight, MaxRowHeight));
}

void TExStringGrid::AutoSizeRow(int ARow, int Padding) {
  AutoSizeRowHeight(ARow, SizeGrowOnly, Padding);
  if (Padding != 0 && ARow >= 0 && ARow < RowCount())
    SetRowHeights(ARow, ApplySizeLimits(RowHeights(ARow) + Padding, MinRowHeight, MaxRowHeight));
}

void TExStringGrid::SetRowHeightForLines(int ARow, int Lines, int Padding) {
  TCanvas* canvas = MeasureCanvas();
  canvas->Font()->Assign(*Font());
  TBrush brush;
  GetCellColorHook(RealColIndex(FixedCols()), ARow, TGridDrawState(), &brush, canvas->Font());
  const int h = canvas->TextHeight(QStringLiteral("gh"));
  SetRowHeights(ARow, ApplySizeLimits(Padding + Lines * (h + h / 8), MinRowHeight, MaxRowHeight));
}

void TExStringGrid::AutoSizeRows(bool DoFixedRows, int Padding) {
  if (RowCount() == 0) return;
  for (int r = DoFixedRows ? 0 : FixedRows(); r < RowCount(); ++r) {
    if (WordWrap()) {
      AutoSizeRow(r, 0);
      if (Padding != 0) SetRowHeights(r, ApplySizeLimits(RowHeights(r) + Padding, MinRowHeight, MaxRowHeight));
    } else {
      SetRowHeightForLines(r, MaxLinesInRow(r), Padding);
    }
  }
}

// --- cells ---

void TExStringGrid::AutoSizeCells(bool DoFixedCells, int PaddingX, int PaddingY) {
  BeginUpdate();
  const int firstCol = DoFixedCells ? 0 : FixedCols(), firstRow = DoFixedCells ? 0 : FixedRows();
  for (int c = firstCol; c < ColCount(); ++c) {
    const int rc = RealColIndex(c);
    int widest = SizeGrowOnly ? ColWidths(c) : 0;
    for (int r = firstRow; r < RowCount(); ++r) {
      const TPoint graphic = GetCellGraphicSize(rc, r), text = GetCellTextSize(rc, r, false, false);
      int w = text.X + graphic.X + PaddingX + FXYOffset.X;
      int h = text.Y + graphic.Y + PaddingY + FXYOffset.Y;
      if (!IsXMergedCell(rc, r) && w > widest) {
        w = ApplySizeLimits(w, MinColWidth, MaxColWidth);
        if (w > widest) {
          SetColWidths(c, w);
          widest = w;
        }
      }
      if (!IsYMergedCell(rc, r) && h > RowHeights(r)) {
        h = ApplySizeLimits(h, MinRowHeight, MaxRowHeight);
        if (h > RowHeights(r)) SetRowHeights(r, h);
      }
    }
  }
  EndUpdate();
}

// --- columns to the grid's width ---

void TExStringGrid::AutoFitColumns(bool DoFixedCells) {
  // 1. Room for a vertical scroll bar and the border.
  const bool vbar = ScrollBarAlways == saVert || ScrollBarAlways == saBoth ||
                    ((ScrollBars() == ssVertical || ScrollBars() == ssBoth) &&
                     FixedRows() + VisibleRowCount() < RowCount());
  const int s = vbar ? 17 : 0;
  const int b = 0;
  // 2. The columns and their space.
  int first = 0, last = ColCount() - 1, space = Width();
  if (!DoFixedCells) {
    first = FixedCols();
    last = ColCount() - FFixedRightCols - 1;
    for (int c = 0; c < ColCount(); ++c)
      if (c < first || c > last) space -= ColWidths(c);
  }
  // 3. The lines.
  int lines = Options().Contains(goVertLine) ? GridLineWidth() * (ColCount() - FixedCols() - FFixedRightCols) : 0;
  if (Options().Contains(goFixedVertLine) && DoFixedCells) lines += FixedCols() + FFixedRightCols;
  // 4. Scaled widths.
  const int n = last - first + 1;
  if (n < 2) {
    if (ColCount() > 0) SetColWidths(0, Width() - s - 5);
    return;
  }
  int sum = 0;
  for (int c = first; c <= last; ++c) sum += ColWidths(c);
  if (sum == space - s - b || sum == 0) return;
  const double f = double(space - s - b - lines) / sum;
  int target = 0;
  for (int c = first; c <= last; ++c) target += Round(f * ColWidths(c));
  for (int c = first; c <= last; ++c) SetColWidths(c, Round(double(ColWidths(c)) * target / sum));
  // 5. The remainder spread evenly, 6. the rest to the widest column.
  int newSum = 0;
  for (int c = first; c <= last; ++c) newSum += ColWidths(c);
  int rest = space - s - b - newSum;
  if (rest > n) {
    for (int c = first; c <= last; ++c) SetColWidths(c, ColWidths(c) + rest / n);
    rest %= n;
  }
  int widest = first;
  for (int c = first; c <= last; ++c)
    if (ColWidths(c) > ColWidths(widest)) widest = c;
  SetColWidths(widest, ColWidths(widest) + rest);
}

// --- the control to its cells ---

void TExStringGrid::SizeToCols() {
  int w = 0;
  for (int c = 0; c < ColCount(); ++c) w += ColWidths(c);
  SetClientWidth(w);
}

void TExStringGrid::SizeToRows() {
  int h = 0;
  for (int r = 0; r < RowCount(); ++r) h += RowHeights(r);
  SetClientHeight(h);
}

void TExStringGrid::SizeToCells() {
  const TScrollStyle bars = ScrollBars();
  SetScrollBars(ssNone);
  SizeToCols();
  SizeToRows();
  SetScrollBars(bars);
}
