// Validation of an edited cell that holds packed wide text: the frame of
// ValidateCell with OnCellValidateWide as its event, the footer recalculated
// before the event, the value written as wide text, and no cell checker, undo
// entry or balloon.
#include "grid/view/ex_string_grid.h"

bool TExStringGrid::ValidateCellWide(const QString& NewValue) {
  if (!FEditing || FValidating) return true;
  FEditing = false;
  FValidating = true;
  bool valid = true;
  const int ac = RealColIndex(FOldCol), ar = FOldRow;
  try {
    if (NewValue != FOldCellTextWide || AlwaysValidate) {
      const bool changed = NewValue != FOldCellTextWide;
      CalcFooterColumn(ac);
      QString value = NewValue;
      if (OnCellValidateWide) OnCellValidateWide(this, ac, ar, value, valid);
      if (valid) {
        SetWideCells(ac, ar, value);
      } else {
        // The cell gets the handler's value or its old text back, and the
        // editor opens again on it.
        HideEditor();
        SetWideCells(ac, ar, value != NewValue ? value : FOldCellTextWide);
        ReopenRefusedEditor(ar);
      }
      if (changed) {
        FGridModified = true;
        if (FShowModified->Enabled && TStringGrid::FixedCols() > 0) {
          SetRowModified(RealRowIndex(ar), true);
          RepaintCell(0, ar);
        }
      }
      if (valid && changed) CellsChangedHook(TRect{ac, ar, ac, ar});
      FOldCellTextWide = GetWideCells(ac, ar);
    }
  } catch (...) {
    FForceSel = false;
    RememberEditedCell(Col(), Row());
    FValidating = false;
    throw;
  }
  RememberEditedCell(Col(), Row());
  FValidating = false;
  return valid;
}
