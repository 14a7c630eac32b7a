// The grid's key press (Escape, Enter and the move to the next cell, typing to
// find a row in a sorted grid), the cell advance that Enter and the in-place
// editors use, and the dialog-code answer.
#include "grid/view/ex_string_grid.h"
#include "platform/rtl/strings.h"
#include "platform/ui/messages.h"

// --- small services of the advance ---

int TExStringGrid::FirstNavigableCol() {
  const int fixed = FixedCols();
  return fixed == 0 && FNumNodes > 0 ? 1 : fixed;
}

int TExStringGrid::VisibleFixedRightCols() const {
  int n = 0;
  for (int i = 0; i < FFixedRightCols; ++i)
    if (!IsHiddenColumn(AllColCount() - 1 - i)) ++n;
  return n;
}

// --- key press ---

void TExStringGrid::KeyPress(QChar& Key) {
  // 1. Escape cancels an edit; the class library never sees it.
  if (Key == QChar(27)) {
    if (Options().Contains(goEditing) && EditorMode()) CancelCellEdit();
    if (OnKeyPress) OnKeyPress(this, Key);
    return;
  }
  // 2. (The editability test takes the display column, the click test the real one.)
  const int c = RealCol();
  if (Key == QChar(13)) {
    // 3. Enter on a cell that cannot be edited.
    if (!FNavigation->AdvanceOnEnter && !IsEditable(Col(), Row())) {
      if (OnKeyPress) OnKeyPress(this, Key);
      Key = QChar(0);
      return;
    }
    // 4. Enter from an editor, or on a clickable cell.
    if (!Focused() || IsClickableCell(c, Row())) {
      AdvanceCell(Col(), Row(), false, false, true, false, EditorMode());
      if (!FNavigation->AdvanceAutoEdit) {
        if (OnKeyPress) OnKeyPress(this, Key);
        Key = QChar(0);
        return;
      }
      if (IsClickableCell(c, Row())) {
        if (OnKeyPress) OnKeyPress(this, Key);
        if (FNavigation->AdvanceOnEnter) ShowInplaceEdit();
        return;
      }
    }
  }
  // 5. Typing finds the first row of the sort column that begins with the text.
  if (!Options().Contains(goEditing) && FNavigation->AutoGotoWhenSorted && Key != QChar(13)) TypeAhead(Key);
  // 6.
  TBaseGrid::KeyPress(Key);
}

void TExStringGrid::TypeAhead(QChar Key) {
  if (FNavigation->AutoGotoIncremental) {
    if (Key == QChar(8))
      SearchInc.chop(1);
    else
      SearchInc += Key;
    SearchTics = 0;
  } else {
    SearchInc = Key;
  }
  const int r = Search(AnsiUpperCase(SearchInc));
  if (r == -1) SearchInc.clear();
  else SetRow(r);
}

void TExStringGrid::WMGetDlgCode(TMessage& Message) {
  TBaseGrid::WMGetDlgCode(Message);
  if (FNavigation->AutoGotoWhenSorted || !Options().Contains(goEditing)) Message.Result |= DLGC_WANTCHARS;
}

// --- cell advance ---

void TExStringGrid::AdvanceCell(int ACol, int ARow, bool Force, bool AutoEdit, bool Forward, bool Repeated,
                                bool AllowEditor) {
  // 1.
  if (!FNavigation->AdvanceOnEnter && !Force) return;
  // 2.
  if (FMouseActions->RangeSelectAndEdit && !Options().Contains(goEditing)) SetOptions(Options() + goEditing);
  // 3.
  if (!Repeated) {
    FAECol = ACol;
    FAERow = ARow;
  }
  const TGridCoord origin{ACol, ARow};
  FStartEditChar = QChar(0);
  const TPoint span = CellSpan(RealColIndex(ACol), ARow);
  const TAdvanceDirection dir = FNavigation->AdvanceDirection();
  const int lastNormalRow = RowCount() - FFixedFooters - 1;
  if (Forward && (dir == adLeftRight || dir == adLeftRightInRow)) {
    // 4.
    if (ACol + span.X < ColCount() - VisibleFixedRightCols() - 1) {
      ACol += span.X + 1;
    } else if (dir == adLeftRight && ARow == lastNormalRow) {
      if (FNavigation->AdvanceInsert()) {
        bool canAdd = true;
        CanAddRowHook(canAdd);
        ACol = FirstNavigableCol();
        if (canAdd) {
          AppendRow();
          ++ARow;
          if (OnAutoAddRow) OnAutoAddRow(this, RowCount() - FFixedFooters - 1);
          bool anyEditable = false;
          for (int c = FixedCols(); c < ColCount() && !anyEditable; ++c) anyEditable = IsEditable(c, ARow);
          if (!anyEditable) return;
        }
      } else if (FNavigation->AdvanceOnEnterLoop) {
        ARow = FixedRows();
        ACol = FirstNavigableCol();
      }
    } else if (dir == adLeftRight) {
      ++ARow;
      ACol = FirstNavigableCol();
    } else if (FNavigation->AdvanceOnEnterLoop) {
      ACol = FirstNavigableCol();
    }
  } else if (Forward) {
    // 5.
    if (ARow + 1 != RowCount() - FFixedFooters) {
      ++ARow;
    } else if (dir == adTopBottomInCol) {
      ARow = FixedRows();
    } else if (ACol + 1 != ColCount() - FFixedRightCols) {
      ARow = FixedRows();
      ++ACol;
      if (ACol >= ColCount()) ACol = FirstNavigableCol();
    } else if (FNavigation->AdvanceInsert()) {
      SetColCount(ColCount() + 1);
      ACol += span.X + 1;
      ARow = FixedRows();
      if (OnAutoInsertCol) OnAutoInsertCol(this, ColCount() - FFixedRightCols - 1);
      Invalidate();
    } else {
      ARow = FixedRows();
      ACol = FirstNavigableCol();
      Invalidate();
    }
  } else if (dir == adLeftRight) {
    // 6.
    if (ACol > FirstNavigableCol()) {
      --ACol;
    } else {
      ARow = ARow > FixedRows() ? ARow - 1 : RowCount() - FFixedFooters - 1;
      ACol = ColCount() - FFixedRightCols - 1;
    }
  } else if (dir == adTopBottom) {
    if (ARow > FixedRows()) {
      --ARow;
    } else {
      ACol = ACol > FirstNavigableCol() ? ACol - 1 : ColCount() - FFixedRightCols - 1;
      ARow = RowCount() - FFixedFooters - 1;
    }
  }
  // 7.
  const int r = RealColIndex(ACol);
  bool canEdit = true;
  CanEditCell(r, ARow, canEdit);
  if (canEdit) {
    // 8.
    bool allow = true;
    if (OnAutoAdvance) OnAutoAdvance(this, FAERow, FAECol, ARow, ACol, allow);
    if (allow && OnCellChanging) OnCellChanging(this, FAERow, FAECol, ARow, ACol, allow);
    // The cursor's way to the target (column first, then row) asks no
    // OnCellChanging for the cells it passes.
    FDisableChange = true;
    try {
      if (allow) {
        SetCol(ACol);
        SetRow(ARow);
      } else {
        SelectCell(origin.X, origin.Y);
      }
    } catch (...) {
      FDisableChange = false;
      throw;
    }
    FDisableChange = false;
  } else if (FNavigation->AdvanceSkipReadOnlyCells) {
    // 9. Skipping stops where the advance cannot move any more.
    if (!(ACol == origin.X && ARow == origin.Y) && FAdvanceDepth < AllColCount() * std::max(1, RowCount())) {
      ++FAdvanceDepth;
      AdvanceCell(ACol, ARow, Force, AutoEdit, Forward, true, AllowEditor);
      --FAdvanceDepth;
    }
  } else {
    SetCol(ACol);
    SetRow(ARow);
  }
  // 10.
  if (!AllowEditor) return;
  // 11.
  if ((AutoEdit && FNavigation->AdvanceAutoEdit) || IsClickableCell(r, ARow)) {
    if (!IsEditable(ACol, ARow)) return;
    ShowInplaceEdit();
  }
  // 12.
  if (FMouseActions->DisjunctRowSelect()) {
    ClearRowSelect();
    SetRowSelect(Row(), true);
  }
}
