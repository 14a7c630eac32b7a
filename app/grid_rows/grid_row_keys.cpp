// The editors' reactions to Enter and to a header double click.
#include "app/grid_rows/grid_rows.h"
#include "app/state/comon.h"
#include "grid/view/ex_string_grid.h"

void Grid_Auto_Size_Col(TExStringGrid* Grid, int Row, int Col) {
  if (Opt_Double_Click_Auto_Size && Row == 0) Grid->AutoSizeCol(Col, 0);
}

void Grid_Enter_Next_Cell(TExStringGrid* Grid, QChar& Key) {
  if (!Opt_Jump_Field_Tables || Key != QChar(13)) return;
  // 1. From a data cell to the next visible one, wrapping at the row's end and
  //    at the last row.
  if (Grid->Col() > 0 && Grid->Row() > 0) {
    if (Grid->Col() < Grid->ColCount() - 1) {
      Grid->SetCol(Grid->Col() + 1);
    } else {
      Grid->SetCol(1);
      Grid->SetRow(Grid->Row() == Grid->RowCount() - 1 ? 1 : Grid->Row() + 1);
    }
  }
  // 2. The grid never handles this Enter itself.
  Key = QChar(0);
}
