// Row operations of the plain grids: a check-box cell moves by its state, any
// other cell by its text, and every cell's read-only flag moves with it.
#include "app/grid_rows/grid_rows.h"
#include "app/grid_rows/paste_checks.h"
#include "app/state/comon.h"
#include "grid/view/ex_string_grid.h"

namespace {

bool IsCheckBox(TExStringGrid* g, int c, int r, bool& state) { return g->GetCheckBoxState(c, r, state); }

// Copies cell (c, from) into (c, to): the check-box state or the text, then the
// read-only flag.
void CopyCell(TExStringGrid* g, int c, int from, int to) {
  bool state = false;
  if (IsCheckBox(g, c, from, state))
    g->SetCheckBoxState(c, to, state);
  else
    g->SetCellEx(c, to, g->GetCellEx(c, from));
  g->SetReadOnly(c, to, g->ReadOnly(c, from));
}

// Empties row r: check boxes checked only in column 1 with the flag, texts
// empty, every cell read-only or editable as asked.
void ResetRow(TExStringGrid* g, int r, bool firstColumnChecked, bool readOnly) {
  for (int c = 1; c < Row_Column_End(g); ++c) {
    bool state = false;
    if (IsCheckBox(g, c, r, state))
      g->SetCheckBoxState(c, r, firstColumnChecked && c == 1);
    else
      g->SetCellEx(c, r, QString());
    g->SetReadOnly(c, r, readOnly);
  }
}

}  // namespace

void Delete_Grid_Row(int Row, TExStringGrid* Grid, bool FirstColumnChecked) {
  const int last = Grid->RowCount() - 1;
  for (int i = Row; i <= last - 1; ++i)
    for (int c = 1; c < Row_Column_End(Grid); ++c) CopyCell(Grid, c, i + 1, i);
  ResetRow(Grid, last, FirstColumnChecked, true);
}

void Insert_Grid_Row(int Row, TExStringGrid* Grid, bool FirstColumnChecked) {
  for (int i = Grid->RowCount() - 2; i >= Row; --i)
    for (int c = 1; c < Row_Column_End(Grid); ++c) CopyCell(Grid, c, i, i + 1);
  ResetRow(Grid, Row, FirstColumnChecked, false);
}

void Copy_Grid_Row(TExStringGrid* Grid, int Row) {
  Row_Clipboard.clear();
  Row_Clipboard_Check.assign(Row_Column_End(Grid) - 1, false);
  for (int c = 1; c < Row_Column_End(Grid); ++c) {
    bool state = false;
    if (IsCheckBox(Grid, c, Row, state)) {
      Row_Clipboard_Check[c - 1] = true;
      Row_Clipboard.append(state ? QStringLiteral("Y") : QStringLiteral("N"));
    } else {
      Row_Clipboard.append(Grid->GetCellEx(c, Row));
    }
  }
}

void Paste_Grid_Row(TExStringGrid* Grid, int Row, bool CopiedHere) {
  // 1. - 2. Copied here, and as wide as this grid.
  if (!Row_Clipboard_Fits(Grid, CopiedHere)) return;
  // 3. A used row (any text outside the check boxes, blanks count) is
  //    overwritten only when the user says so.
  bool used = false;
  for (int c = 1; c < Row_Column_End(Grid) && !used; ++c) {
    bool state = false;
    used = !IsCheckBox(Grid, c, Row, state) && !Grid->GetCellEx(c, Row).isEmpty();
  }
  if (used && !Confirm_Row_Overwrite()) return;
  // 4. Check boxes by their "Y", every other cell by its text.
  for (int c = 1; c < Row_Column_End(Grid); ++c) {
    const QString& entry = Row_Clipboard[c - 1];
    if (Row_Clipboard_Is_Check(c - 1))
      Grid->SetCheckBoxState(c, Row, entry == u"Y");
    else
      Grid->SetCellEx(c, Row, entry);
  }
}
