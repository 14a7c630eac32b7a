// Whether a cell may be edited and with which editor kind, and whether the
// cursor may go to a cell: the grid's editing mode follows the cursor, and the
// cell being left is validated before the cursor moves.
#include "grid/input/inplace_editor.h"
#include "grid/base/focus_window.h"
#include "grid/view/ex_string_grid.h"

namespace {

bool IsPlainKind(TEditorType kind) {
  switch (kind) {
    case edNormal:
    case edNumeric:
    case edPositiveNumeric:
    case edFloat:
    case edCapital:
    case edMixedCase:
    case edPassword:
    case edLowerCase:
    case edUpperCase:
    case edValidChars:
    case edPositiveFloat: return true;
    default: return false;
  }
}

}  // namespace

bool TExStringGrid::IsEditable(int ACol, int ARow) {
  const bool editingGrid = Options().Contains(goEditing) || FMouseActions->RangeSelectAndEdit || EditDisable;
  return editingGrid && IsCellEditable(ACol, ARow);
}

// ACol is a display column. The can-edit hook gets the base cell's real column,
// the fixed-cell hook its display column.
bool TExStringGrid::IsCellEditable(int ACol, int ARow) {
  // 1.
  const TPoint base = BaseCell(RealColIndex(ACol), ARow);
  // 2-4.
  bool canEdit = true, fixed = false;
  CanEditCell(base.X, base.Y, canEdit);
  IsFixedCellHook(RealToDisplCol(base.X), base.Y, fixed);
  // 5.
  return canEdit && !fixed;
}

bool TExStringGrid::IsFixed(int ACol, int ARow) {
  // 1.
  const TPoint base = BaseCell(RealColIndex(ACol), ARow);
  const int c = RealToDisplCol(base.X), r = base.Y;
  // 2. A fixed footer row.
  if (r >= RowCount() - FFixedFooters) return true;
  // 3. A fixed column at the right edge.
  if (c >= ColCount() - FFixedRightCols && c < ColCount()) return true;
  // 4.
  bool fixed = false;
  IsFixedCellHook(c, r, fixed);
  return fixed;
}

// ACol is a real column.
bool TExStringGrid::IsClickableCell(int ACol, int ARow) {
  switch (GetCellType(ACol, ARow)) {
    case ctCheckBox:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
    case ctTriStateCheckBox:
    case ctRadio:
    case ctRadioButton:
    case ctButton:
    case ctBitButton: return true;
    default: return false;
  }
}

void TExStringGrid::Select() { SelectCell(Col(), Row()); }

TInplaceEdit* TExStringGrid::CreateEditor() { return new TExInplaceEdit(this); }

TExInplaceEdit* TExStringGrid::NormalEdit() const { return static_cast<TExInplaceEdit*>(InplaceEditor()); }

bool TExStringGrid::CanEditShow() {
  // 1.
  if (FValidating) return false;
  // 2.
  bool ret = TBaseGrid::CanEditShow();
  if (Designing()) return ret;
  // 3.
  const TPoint base = BaseCell(RealColIndex(Col()), Row());
  // 4. Check boxes, radio buttons and buttons react to clicks and Space.
  if (ret && !EditMode && IsClickableCell(base.X, base.Y)) return false;
  // 5.
  if (ret && !EditMode) {
    // The edit belongs to the current cell, however the cursor got there.
    if (FOldCol != Col() || FOldRow != Row()) RememberEditedCell(Col(), Row());
    FNoEditChange = true;
    FCellCache = CurrentCell();
    EditControl = DefaultEditor;
    DoGetEditorType(base.X, base.Y, EditControl);
    if (EditControl == edNone) return false;
    EditMode = true;
    if (IsPlainKind(EditControl)) {
      FShowEditProcess = true;
    } else {
      PlaceSpecialEditor(RealToDisplCol(base.X), base.Y);
      FEntered = true;
      ret = false;
      if (FFocusHelper->Enabled) ShowFocusFrame(CellRect(Col(), Row()));
    }
  }
  // 6.
  if (ret) {
    FEntered = true;
    FEditing = true;
    if (FFocusHelper->Enabled) ShowFocusFrame(CellRect(Col(), Row()));
  }
  return ret;
}

bool TExStringGrid::SelectCell(int ACol, int ARow) {
  // 2-3.
  if (FForceSel) {
    if (!FRowIndicator->Empty() && FixedCols() > 0) {
      RepaintCell(0, Row());
      RepaintCell(0, ARow);
    }
    return true;
  }
  if (!Parent()) return true;
  // 4.
  bool result = false;
  FEditText = GetCellEx(RealColIndex(ACol), ARow);
  // 5. The footer row of a floating footer is never the cursor's.
  if (FFloatingFooter->Visible() && FFloatingFooter->FooterStyle() == fsFixedLastRow && ARow == RowCount() - 1)
    return false;
  // 6.
  if (ACol < 0 || ARow < 0) return false;
  // 7. A covered cell of a merged block: the cursor goes to the block's base.
  const int rc = RealColIndex(ACol);
  if (IsMergedNonBaseCell(rc, ARow) && !Options().Contains(goRowSelect)) {
    const TPoint base = BaseCell(rc, ARow);
    MoveColRow(RealToDisplCol(base.X), base.Y, true, true);
    RepaintCell(RealToDisplCol(base.X), base.Y);
    if (FMouseActions->DirectEdit || (FControlLook->DropDownAlwaysVisible && HasComboBox(ACol, ARow))) ShowEditor();
    return false;
  }
  // 9.
  if (FUseEnabledRows && FNavigation->SkipDisabledRows && !RowEnabled(ARow)) return false;
  // 10.
  const TGridRect S = Selection();
  const int L = S.Left, T = S.Top;
  const int oldCol = Col(), oldRow = Row();
  QString newText = GetCellEx(rc, ARow);
  const bool editorFocused = NormalEdit() && NormalEdit()->Focused();
  // 11. The editing mode of the target cell.
  if (!IsClickableCell(rc, ARow)) {
    bool canEdit = Options().Contains(goEditing) || EditDisable;
    CanEditCell(rc, ARow, canEdit);
    if (canEdit && FMouseActions->DirectEdit) {
      EditControl = DefaultEditor;
      if (IsEditorNone(rc, ARow)) canEdit = false;
    }
    if (FMouseActions->EditOnDblClickOnly()) canEdit = false;
    if (canEdit) {
      EditDisable = false;
      if (!Options().Contains(goEditing)) {
        FSkipRepaint = true;
        if (!FEditing) RememberEditedCell(ACol, ARow);
        TGridOptions options = Options();
        if (options.Contains(goRowSelect) && FMouseActions->RangeSelectAndEdit) options -= goRowSelect;
        SetOptions(options + goEditing);
      }
      if (FEditing) {
        HideInplaceEdit();
        newText = GetCellEx(rc, ARow);
      }
    } else {
      if (FEditing) {
        HideInplaceEdit();
        newText = GetCellEx(rc, ARow);
      }
      if (Options().Contains(goEditing)) {
        EditMode = false;
        EditDisable = true;
        FSkipRepaint = true;
        SetOptions(Options() - goEditing);
        SetEditorMode(false);
      }
    }
  } else {
    bool canEdit = true;
    CanEditCell(rc, ARow, canEdit);
    if (!EditDisable)
      EditDisable = !canEdit && (Options().Contains(goEditing) || FMouseActions->RangeSelectAndEdit);
    if (!Options().Contains(goEditing) && !Options().Contains(goRowSelect) && canEdit) {
      FSkipRepaint = true;
      SetOptions(Options() + goEditing);
    }
  }
  // 12. The answer.
  if (FEditing && !editorFocused) {
    const QString saved = FCellCache;
    // The edited cell decides: when it held packed wide text before the edit
    // or holds it now (an editor may have written it), the wide step
    // validates it.
    const bool wide = FOldCellText.startsWith(QStringLiteral("|\\")) ||
                      (FOldCol >= 0 && FOldRow >= 0 && IsWideCell(RealColIndex(FOldCol), FOldRow));
    bool valid = wide ? ValidateCellWide(CurrentCell()) : ValidateCell(CurrentCell());
    bool allow = true;
    CellChangingHook(ACol, ARow, allow);
    if (!allow) valid = false;
    if (valid) result = TBaseGrid::SelectCell(ACol, ARow);
    if (!result) newText = saved;
  } else {
    bool allow = true;
    CellChangingHook(ACol, ARow, allow);
    if (IsFixed(ACol, ARow) || !allow)
      result = (allow && Options().Contains(goRowSelect)) || (FixedRowAlways && RowCount() == FixedRows());
    else
      result = TBaseGrid::SelectCell(ACol, ARow);
    // A refused move keeps the text of the cell being edited.
    if (!result) newText = FCellCache;
  }
  // 13. Repaint what marks the current cell and row, tell the observers, and
  // remember the target's text.
  if (!FRowIndicator->Empty() && FixedCols() > 0) {
    RepaintCell(0, oldRow);
    RepaintCell(0, ARow);
  }
  if (FISelect) FISelect->SelectionChanged(Col(), ARow);
  if (FActiveCellShow) {
    RepaintHeaderCells(oldCol, oldRow, ACol, ARow);
    if (L != oldCol && T != oldRow) RepaintHeaderCells(L, T, L, T);
  }
  if (ActiveRowShow()) {
    RepaintRow(ARow);
    RepaintRow(T);
  }
  if (FSelectionRectangle) InvalidateCellRange(Selection());
  // The row change is told only for a move that happens: a refused move leaves
  // the cursor, and the row last told, where they are.
  if (result && !Loading() && ARow != FOldRowSel && OnRowUpdate) {
    OnRowUpdate(this, FOldRowSel, ARow);
    FOldRowSel = ARow;
  }
  if (HasCellBorderEvent())
    for (int r = S.Top; r <= S.Bottom; ++r) RepaintRow(r);
  FCellCache = newText;
  // 14.
  return result;
}
