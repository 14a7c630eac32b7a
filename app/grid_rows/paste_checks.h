// The checks both paste routines make before a row clipboard is pasted: that a
// row was copied in this grid (text 1102) and that it has the grid's width
// (text 1101). A refused paste changes nothing.
#pragma once

class TExStringGrid;

// True when the paste may go on; otherwise the error box has been shown.
bool Row_Clipboard_Fits(TExStringGrid* Grid, bool CopiedHere);
// Asks text 1100 ("Row Already used ..."); true when the user answers Yes.
bool Confirm_Row_Overwrite();
// The check flag of clipboard entry i; an entry without a flag is no check box.
bool Row_Clipboard_Is_Check(int i);
// One past the last real column the row operations work on: ColCount +
// NumHiddenColumns (the range starts at column 1).
int Row_Column_End(TExStringGrid* Grid);
