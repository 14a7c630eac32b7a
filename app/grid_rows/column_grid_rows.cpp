// Row operations of the column grids: every cell moves by its text (check-box
// columns hold "Y" and "N").
#include "app/grid_rows/grid_rows.h"
#include "app/grid_rows/paste_checks.h"
#include "app/state/comon.h"
#include "grid/view/column_grid.h"
#include "platform/rtl/strings.h"

namespace {

void CopyRowText(TExColumnGrid* g, int from, int to) {
  for (int c = 1; c < Row_Column_End(g); ++c) g->SetCellEx(c, to, g->GetCellEx(c, from));
}

bool IsDataCheckColumn(TExColumnGrid* g, int c) {
  return g->HasColumn(c) && g->Columns()->Items(c)->Editor() == edDataCheckBox;
}

}  // namespace

void Delete_Column_Grid_Row(int Row, TExColumnGrid* Grid) {
  const int last = Grid->RowCount() - 1;
  for (int i = Row; i <= last - 1; ++i) CopyRowText(Grid, i + 1, i);
  for (int c = 1; c < Row_Column_End(Grid); ++c) Grid->SetCellEx(c, last, QString());
}

void Insert_Column_Grid_Row(int Row, TExColumnGrid* Grid, bool Enable) {
  for (int i = Grid->RowCount() - 2; i >= Row; --i) CopyRowText(Grid, i, i + 1);
  for (int c = 1; c < Row_Column_End(Grid); ++c)
    Grid->SetCellEx(c, Row, c == 1 && Enable ? QStringLiteral("Y") : QString());
}

void Copy_Column_Grid_Row(TExColumnGrid* Grid, int Row) {
  Row_Clipboard.clear();
  for (int c = 1; c < Row_Column_End(Grid); ++c) Row_Clipboard.append(Grid->GetCellEx(c, Row));
  // The flags travel with the entries: a column grid's cells are all texts.
  Row_Clipboard_Check.assign(Row_Clipboard.size(), false);
}

void Paste_Column_Grid_Row(TExColumnGrid* Grid, int Row, bool CopiedHere) {
  // 1. - 2. Copied here, and as wide as this grid.
  if (!Row_Clipboard_Fits(Grid, CopiedHere)) return;
  // 3. A used row (a non-blank text outside the data check-box columns) is
  //    overwritten only when the user says so.
  bool used = false;
  for (int c = 1; c < Row_Column_End(Grid) && !used; ++c)
    used = !IsDataCheckColumn(Grid, c) && !Trim(Grid->GetCellEx(c, Row)).isEmpty();
  if (used && !Confirm_Row_Overwrite()) return;
  // 4. Every cell takes its entry.
  for (int c = 1; c < Row_Column_End(Grid); ++c) Grid->SetCellEx(c, Row, Row_Clipboard[c - 1]);
}
