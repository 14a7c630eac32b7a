// Calculations along a row (sum, average, minimum, maximum over its columns),
// the application's own column calculation, numbering a column or a row, and
// the selection's small operations: selecting a block, its text and whether a
// cell is selected.
#include <optional>

#include "grid/base/csv_text.h"
#include "grid/base/number_text.h"
#include "grid/base/rtf_text.h"
#include "grid/view/drag_settings.h"
#include "grid/view/ex_string_grid.h"

namespace {

// The number a cell of a row holds; nothing for a covered merged cell or a
// text that is no number.
std::optional<double> RowValue(TExStringGrid& g, int ACol, int ARow) {
  if (g.IsMergedNonBaseCell(ACol, ARow)) return std::nullopt;
  bool ok = false;
  const double value = QLocale::c().toDouble(ExtractNumberText(g.StrippedCells(ACol, ARow)), &ok);
  if (!ok) return std::nullopt;
  return value;
}

}  // namespace

double TExStringGrid::RowSum(int ARow, int fromCol, int toCol) {
  double sum = 0;
  for (int c = fromCol; c <= toCol; ++c)
    if (const auto v = RowValue(*this, c, ARow)) sum += *v;
  return sum;
}

double TExStringGrid::RowAvg(int ARow, int fromCol, int toCol) {
  if (toCol < fromCol) return 0;
  return RowSum(ARow, fromCol, toCol) / (toCol - fromCol + 1);
}

// The extremes start from the first column that holds a number (0 when none).
double TExStringGrid::RowMin(int ARow, int fromCol, int toCol) {
  std::optional<double> result;
  for (int c = fromCol; c <= toCol; ++c)
    if (const auto v = RowValue(*this, c, ARow); v && (!result || *v < *result)) result = v;
  return result.value_or(0);
}

double TExStringGrid::RowMax(int ARow, int fromCol, int toCol) {
  std::optional<double> result;
  for (int c = fromCol; c <= toCol; ++c)
    if (const auto v = RowValue(*this, c, ARow); v && (!result || *v > *result)) result = v;
  return result.value_or(0);
}

double TExStringGrid::ColumnCustomCalc(int ACol, int FromRow, int ToRow) {
  ExportNotification(esExportStart, FromRow);
  double result = 0;
  if (OnColumnCalc) OnColumnCalc(this, ACol, FromRow, ToRow, result);
  ExportNotification(esExportDone, -1);
  return result;
}

void TExStringGrid::AutoNumberCol(int ACol) {
  // 9.
  if (RowCount() <= 0) return;
  const int first = FixedRows() + AutoNumberStart, last = RowCount() - FFixedFooters - 1;
  for (int r = first; r <= last; ++r) {
    const int number = r - FixedRows() + 1 + AutoNumberOffset;
    const int row = AutoNumberDirection == sdAscending ? r : FixedRows() + last - r;
    SetInts(ACol, row, number);
  }
}

void TExStringGrid::AutoNumberRow(int ARow) {
  if (ColCount() <= 0) return;
  const int first = FixedCols() + AutoNumberStart, last = ColCount() - FFixedRightCols - 1;
  for (int c = first; c <= last; ++c) {
    const int number = c - FixedCols() + 1 + AutoNumberOffset;
    const int col = AutoNumberDirection == sdAscending ? c : FixedCols() + last - c;
    SetInts(RealColIndex(col), ARow, number);
  }
}

void TExStringGrid::SelectCells(int FromCol, int FromRow, int ToCol, int ToRow) {
  // 10.
  SetSelection({FromCol, FromRow, ToCol, ToRow});
}

QString TExStringGrid::SelectedText() {
  // 11.
  TGridRect s = Selection();
  if (Options().Contains(goRowSelect) && FDragDropSettings->OleEntireRows) {
    s.Left = 0;
    s.Right = ColCount() - 1;
  }
  std::vector<int> rows;
  if (FMouseActions->DisjunctRowSelect()) {
    for (int r = FixedRows(); r < RowCount(); ++r)
      if (RowSelect(FMouseActions->RowSelectPersistent ? RealRowIndex(r) : r)) rows.push_back(r);
  } else {
    for (int r = s.Top; r <= s.Bottom; ++r) rows.push_back(r);
  }
  QString text;
  for (int r : rows) {
    for (int c = s.Left; c <= s.Right; ++c) {
      QString cell = GetCellEx(RealColIndex(c), r);
      if (cell.contains(QStringLiteral("{\\"))) cell = RtfToPlainText(cell);
      if (Multilinecells && ExcelClipboardFormat) QuoteMultiLineCsv(cell);
      text += cell;
      if (c < s.Right) text += u'\t';
    }
    if (r != s.Bottom) text += QStringLiteral("\r\n");
  }
  return text;
}

bool TExStringGrid::IsSelected(int ACol, int ARow) {
  // 12.
  if (ARow < FixedRows() || ACol < FixedCols()) return false;
  if (FMouseActions->DisjunctCellSelect()) return SelectedCells(ACol, ARow);
  if (FMouseActions->DisjunctRowSelect()) return RowSelect(FMouseActions->RowSelectPersistent ? RealRowIndex(ARow) : ARow);
  if (FMouseActions->DisjunctColSelect()) return ColSelect(ACol);
  const TGridRect s = Selection();
  return ACol >= s.Left && ACol <= s.Right && ARow >= s.Top && ARow <= s.Bottom;
}
