// The row buttons and grid reactions every table editor shares: delete, insert,
// copy and paste of a table row, in one family for the plain grids (whose cells
// may carry check boxes and per-cell read-only flags) and one for the column
// grids (check-box columns hold their check texts "Y" and "N" as text), plus the
// move to the next cell on Enter and the auto-size on a header double click.
//
// Every routine works on the real columns 1 .. ColCount + NumHiddenColumns - 1
// (all but the row-number column 0, hidden columns included) and on the grid's
// rows below the header row. One row can be held in the program-wide row
// clipboard (Row_Clipboard with one check flag per entry in Row_Clipboard_Check);
// the flags always travel with the entries they belong to.
#pragma once

#include <QChar>

class TExStringGrid;
class TExColumnGrid;

// Plain grids. With FirstColumnChecked the check box of column 1 of the reset row
// is checked.
void Delete_Grid_Row(int Row, TExStringGrid* Grid, bool FirstColumnChecked);
void Insert_Grid_Row(int Row, TExStringGrid* Grid, bool FirstColumnChecked);
void Copy_Grid_Row(TExStringGrid* Grid, int Row);
void Paste_Grid_Row(TExStringGrid* Grid, int Row, bool CopiedHere);

// Column grids. With Enable the inserted row gets "Y" in column 1.
void Delete_Column_Grid_Row(int Row, TExColumnGrid* Grid);
void Insert_Column_Grid_Row(int Row, TExColumnGrid* Grid, bool Enable);
void Copy_Column_Grid_Row(TExColumnGrid* Grid, int Row);
void Paste_Column_Grid_Row(TExColumnGrid* Grid, int Row, bool CopiedHere);

// Bound to a grid's double click on a cell: sizes the column to its content when
// the double-click option is on and the row is the header row.
void Grid_Auto_Size_Col(TExStringGrid* Grid, int Row, int Col);
// Bound to a grid's key press: with the jump option on, Enter moves to the next
// visible cell (wrapping to column 1 of the next row, and from the last row to
// row 1) and is swallowed.
void Grid_Enter_Next_Cell(TExStringGrid* Grid, QChar& Key);
