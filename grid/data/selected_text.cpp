// The selection as text and the test whether a cell is selected, by the kind of
// selection the grid keeps (range, disjunct rows, columns or cells).
#include "grid/base/csv_text.h"
#include "grid/base/rtf_text.h"
#include "grid/base/line_breaks.h"
#include "grid/view/ex_string_grid.h"

QString TExStringGrid::SelectedText() {
  TGridRect s = Selection();
  if (Options().Contains(goRowSelect) && FDragDropSettings->OleEntireRows) {
    s.Left = 0;
    s.Right = ColCount() - 1;
  }
  TMouseActions& ma = *FMouseActions;
  std::vector<int> rows;
  if (ma.DisjunctRowSelect()) {
    for (int r = FixedRows(); r < RowCount(); ++r)
      if (RowSelect(ma.RowSelectPersistent ? DisplToRealRow(r) : r)) rows.push_back(r);
  } else {
    for (int r = s.Top; r <= s.Bottom; ++r) rows.push_back(r);
  }
  QString text;
  for (size_t i = 0; i < rows.size(); ++i) {
    const int r = rows[i];
    for (int c = s.Left; c <= s.Right; ++c) {
      QString t = GetCellEx(DisplToRealCol(c), r);
      if (t.contains(QStringLiteral("{\\"))) t = RtfToPlainText(t);
      if (ExcelClipboardFormat && CountLines(t, Multilinecells) > 1) QuoteMultiLineCsv(t);
      text += t;
      if (c < s.Right) text += u'\t';
    }
    if (r != s.Bottom) text += QStringLiteral("\r\n");
  }
  return text;
}

bool TExStringGrid::IsSelected(int ACol, int ARow) {
  if (ACol < FixedCols() || ARow < FixedRows()) return false;
  TMouseActions& ma = *FMouseActions;
  if (ma.DisjunctCellSelect()) return SelectedCells(ACol, ARow);
  if (ma.DisjunctRowSelect()) return RowSelect(ma.RowSelectPersistent ? DisplToRealRow(ARow) : ARow);
  if (ma.DisjunctColSelect()) return ColSelect(ACol);
  const TGridRect s = Selection();
  return ACol >= s.Left && ACol <= s.Right && ARow >= s.Top && ARow <= s.Bottom;
}
