// The grid's key-down and key-up handling: scroll-only keys, Enter and F2 on
// cells that cannot be edited, Space and Enter on check boxes, radio buttons and
// cell buttons, Home and End by the HomeEndKey setting, horizontal scrolling in
// row-select mode, the Tab advance, skipping cells that report themselves
// fixed, appending a row on Down, Ctrl+A, the disjunct row and column flags, the
// wrap at the edges, and the navigation operations shared with the Tab advance.
#include <QString>
#include <algorithm>

#include "grid/base/text_kinds.h"
#include "grid/input/inplace_editor.h"
#include "grid/view/ex_string_grid.h"
#include "platform/ui/form.h"
#include "platform/ui/messages.h"

namespace {

bool IsArrow(int k) { return k == VK_LEFT || k == VK_RIGHT || k == VK_UP || k == VK_DOWN; }
// PgUp, PgDn, End, Home and the four arrows (virtual keys 33 to 40).
bool IsNavigationKey(int k) { return k >= VK_PRIOR && k <= VK_DOWN; }

TGridRect Ordered(TGridRect r) {
  if (r.Left > r.Right) std::swap(r.Left, r.Right);
  if (r.Top > r.Bottom) std::swap(r.Top, r.Bottom);
  return r;
}

}  // namespace

// A cell whose mini-HTML text carries form controls takes no keys of its own.
static bool HoldsHtmlControl(const QString& text, bool enableHtml) {
  return ClassifyCellText(text, enableHtml) == 1 && text.toUpper().contains(QStringLiteral("<CONTROL"));
}

// --- WM_KEYDOWN ---

void TExStringGrid::WMKeyDown(TMessage& Message) {
  const int K = Message.CharCode();
  // Alt counts for either Alt key: the window system does not tell them apart.
  const TShiftState shift = GetShiftState();
  const bool ctrl = shift.Contains(ssCtrl), shiftDown = shift.Contains(ssShift), alt = shift.Contains(ssAlt);
  auto raiseKeyDown = [&] {
    int k = K;
    if (OnKeyDown) OnKeyDown(this, k, shift);
  };
  auto consume = [&] {
    Message.SetCharCode(0);
    Message.Result = 1;
  };
  const bool rowSelect = Options().Contains(goRowSelect);
  TMouseActions& ma = *FMouseActions;
  TNavigation& nav = *FNavigation;

  // 1.
  const int X = LeftCol();
  FMoveSelection = Selection();
  const int R0 = Row();
  const bool keepScroll = (K == VK_PRIOR || K == VK_NEXT || K == VK_UP || K == VK_DOWN) && rowSelect &&
                          LeftCol() != FixedCols() && nav.KeepHorizScroll;

  // 2. Scroll only.
  if (nav.MoveScrollOnly && (K == VK_PRIOR || K == VK_NEXT || K == VK_END || K == VK_HOME || K == VK_UP ||
                             K == VK_DOWN)) {
    const int vis = VisibleRowCount(), top = TopRow();
    int target = top;
    switch (K) {
      case VK_PRIOR: target = vis + FixedRows() < top ? top - vis : FixedRows(); break;
      case VK_NEXT:
        if (top + vis < RowCount()) target = top + vis;
        break;
      case VK_END: target = RowCount() - vis; break;
      case VK_HOME: target = FixedRows(); break;
      case VK_UP:
        if (top > FixedRows()) target = top - 1;
        break;
      case VK_DOWN:
        if (top + vis < RowCount()) target = top + 1;
        break;
    }
    if (target >= FixedRows() && target <= RowCount() - 1) SetTopRow(target);
    Message.Result = 1;
    return;
  }

  const bool enterOrF2 = K == VK_RETURN || K == VK_F2;
  // 3. Edit on double click only: Enter and F2 still edit an editable cell.
  if (ma.EditOnDblClickOnly() && enterOrF2 && !Options().Contains(goEditing)) {
    const bool keep = ma.RangeSelectAndEdit;
    ma.RangeSelectAndEdit = true;
    if (IsEditable(Col(), Row())) SetOptions(Options() + goEditing);
    ma.RangeSelectAndEdit = keep;
  }
  // 4. Range select and edit.
  if (ma.RangeSelectAndEdit && !Options().Contains(goEditing) && enterOrF2) {
    if (!IsEditable(Col(), Row())) {
      raiseKeyDown();
      consume();
      return;
    }
    SetOptions(Options() + goEditing);
    ShowInplaceEdit();
  }
  // 5. Ctrl+F goes to the search footer's box.
  if (K == 'F' && ctrl) FocusSearchEdit();
  // 6. Enter and F2 on a cell that cannot be edited.
  if (enterOrF2) {
    if (Options().Contains(goEditing) && !IsEditable(Col(), Row())) {
      raiseKeyDown();
      consume();
      return;
    }
    if (HoldsHtmlControl(CurrentCell(), EnableHTML)) {
      Message.Result = 1;
      return;
    }
  }
  // 7. Enter on a cell that is not editable.
  if (K == VK_RETURN && !IsEditable(Col(), Row())) {
    TForm* form = FindOwnerForm(this);
    if (form && form->KeyPreview()) {
      TBaseGrid::WMKeyDown(Message);
    } else {
      raiseKeyDown();
      consume();
    }
    return;
  }
  // 8. Enter or Space on a clickable cell.
  const int RC = RealCol();
  if ((K == VK_RETURN || K == VK_SPACE) && IsClickableCell(RC, Row())) {
    bool active = Options().Contains(goEditing) || ma.RangeSelectAndEdit;
    CanEditCell(RC, Row(), active);
    if (K == VK_SPACE && HasCheckBox(RC, Row()) && (active || FControlLook->CheckAlwaysActive)) {
      ToggleCheckBox(RC, Row());
      if (FShowModified->Enabled) {
        SetRowModified(Row(), true);
        RepaintCell(0, Row());
      }
      bool state = false;
      GetCheckBoxState(RC, RealRowIndex(Row()), state);
      CheckBoxClickHook(RC, Row(), state);
    } else if (K == VK_SPACE && IsRadio(RC, Row()) && (active || FControlLook->RadioAlwaysActive)) {
      AdvanceRadioCell(RC, Row());
      int index = -1;
      GetRadioIdx(RC, Row(), index);
      if (OnRadioClick) OnRadioClick(this, RC, Row(), index);
    } else if (K == VK_SPACE && HasRadioButton(RC, Row()) && (active || FControlLook->RadioAlwaysActive)) {
      SetRadioButtonColumnIndex(RC, Row());
      if (OnRadioButtonClick) OnRadioButtonClick(this, RC, Row());
    } else if (HasButton(RC, Row()) && active) {
      ButtonClickHook(RC, Row());
    }
    RepaintCell(Col(), Row());
  }

  // 9. Home and End.
  const THomeEndAction he = nav.HomeEndKey;
  const bool libraryOnly = FixedRowAlways && RowCount() == 1;
  auto restoreLeft = [&] {
    if (!(rowSelect && nav.KeepHorizScroll)) return;
    StartUpdate();
    SetLeftCol(X);
    ResetUpdate();
  };
  auto selectRowsFrom = [&](int toRow) {
    if (ma.DisjunctRowSelect() && !shiftDown) {
      ClearRowSelect();
      RowSelectFromSelection(false);
    }
    if (shiftDown) {
      TGridRect r{0, std::min(R0, toRow), ColCount() - 1, std::max(R0, toRow)};
      TStringGrid::SetSelection(r);
      if (ma.DisjunctRowSelect()) RowSelectFromSelection(false);
    }
  };
  if (K == VK_HOME && !ctrl && he == heFirstLastCell) {
    SetRow(FixedRows());
    SetCol(FixedCols());
    MoveToBaseCell();
    raiseKeyDown();
    Message.Result = 0;
    return;
  }
  if (K == VK_HOME && !ctrl && he == heFirstLastRow) {
    if (libraryOnly) return TBaseGrid::WMKeyDown(Message);
    SetRow(FixedRows());
    MoveToBaseCell();
    selectRowsFrom(FixedRows());
    raiseKeyDown();
    Message.Result = 0;
    restoreLeft();
    return;
  }
  if (K == VK_HOME && ctrl && he == heFirstLastColumn) {
    SetRow(FixedRows());
    const int c = FirstSelectableCol(FixedRows());
    if (c >= 0) SetCol(c);
    MoveToBaseCell();
    SetLeftCol(FirstNavigableCol());
    raiseKeyDown();
    Message.Result = 0;
    return;
  }
  if (K == VK_END && !ctrl && he == heFirstLastCell) {
    SetRow(RowCount() - 1);
    SetCol(ColCount() - 1);
    MoveToBaseCell();
    raiseKeyDown();
    Message.Result = 0;
    return;
  }
  if (K == VK_END && !ctrl && he == heFirstLastRow) {
    if (libraryOnly) return TBaseGrid::WMKeyDown(Message);
    const bool floating = FFloatingFooter->Visible();
    const int target = floating && RowCount() > 2 ? RowCount() - 2 : RowCount() - FFixedFooters - 1;
    SetRow(target);
    if (FFixedFooters > 0 && !floating) SetTopRow(RowCount() - VisibleRowCount());
    MoveToBaseCell();
    selectRowsFrom(target);
    if (floating) SetTopRow(RowCount() - VisibleRowCount());
    raiseKeyDown();
    Message.Result = 0;
    restoreLeft();
    return;
  }
  if ((K == VK_HOME || K == VK_END) && !ctrl && he == heFirstLastColumn && !rowSelect) {
    if (libraryOnly) return TBaseGrid::WMKeyDown(Message);
    const bool home = K == VK_HOME;
    if (shiftDown) {
      const int to = home ? FixedCols() : ColCount() - FFixedRightCols - 1;
      TStringGrid::SetSelection({std::min(Col(), to), Row(), std::max(Col(), to), Row()});
      RepaintRow(Row());
    } else if (home) {
      const int c = FirstSelectableCol(Row());
      if (c >= 0) SetCol(c);
      MoveToBaseCell();
      SetLeftCol(FirstNavigableCol());
    } else {
      SetCol(ColCount() - 1);
      MoveToBaseCell();
      SetLeftCol(ColCount() - VisibleColCount());
    }
    Message.Result = 0;
    raiseKeyDown();
    return;
  }

  // 10. Right and Left expand and contract a node row whose current cell is merged.
  if ((K == VK_RIGHT || K == VK_LEFT) && IsNode(Row()) && IsMergedCell(RealCol(), Row())) {
    if (K == VK_RIGHT) ExpandNode(RealRowIndex(Row()));
    else ContractNode(RealRowIndex(Row()));
  }
  // 11. Horizontal scrolling in row-select mode.
  if (rowSelect && ColCount() > VisibleColCount() && (K == VK_LEFT || K == VK_RIGHT)) {
    auto scrollOne = [&] {
      if (K == VK_LEFT && LeftCol() > FixedCols()) SetLeftCol(LeftCol() - 1);
      if (K == VK_RIGHT && LeftCol() + VisibleColCount() < ColCount()) SetLeftCol(LeftCol() + 1);
    };
    if (nav.LeftRightRowSelect) {
      if (ctrl) scrollOne();
    } else {
      scrollOne();
      raiseKeyDown();
      Message.Result = 0;
      return;
    }
  }
  // 12. The Tab advance.
  if (K == VK_TAB && Options().Contains(goTabs)) {
    AdvanceAfterEdit(shiftDown);
    if (!(Selection() == FMoveSelection)) SelectionChanged(Selection());
    return;
  }
  // 13. Skipping cells that report themselves fixed.
  if (nav.SkipFixedCells && IsArrow(K)) {
    const int fc = FixedCols(), fr = FixedRows();
    const int rightBound = ColCount() - FFixedRightCols, bottomBound = RowCount() - FFixedFooters;
    bool skipped = false;
    if (K == VK_LEFT && Col() > fc && IsFixed(Col() - 1, Row())) {
      int c = Col() - 1;
      while (c - 1 >= fc && IsFixed(c, Row())) --c;
      if (c >= fc && !IsFixed(c, Row())) SetCol(c);
      skipped = true;
    } else if (K == VK_RIGHT && Col() < rightBound && Col() + 1 < ColCount() && IsFixed(Col() + 1, Row())) {
      int c = Col() + 1;
      while (c + 1 < rightBound && IsFixed(c, Row())) ++c;
      if (c < rightBound && !IsFixed(c, Row())) SetCol(c);
      skipped = true;
    } else if (K == VK_UP && Row() > fr && IsFixed(Col(), Row() - 1)) {
      int r = Row() - 1;
      if (!rowSelect)
        while (r - 1 >= fr && IsFixed(Col(), r)) --r;
      if (r >= fr && (rowSelect || !IsFixed(Col(), r))) SetRow(r);
      skipped = true;
    } else if (K == VK_DOWN && Row() < bottomBound && Row() + 1 < RowCount() && IsFixed(Col(), Row() + 1)) {
      int r = Row() + 1;
      if (!rowSelect)
        while (r + 1 < bottomBound && IsFixed(Col(), r)) ++r;
      if (r < bottomBound && (rowSelect || !IsFixed(Col(), r))) SetRow(r);
      skipped = true;
    }
    if (skipped) {
      raiseKeyDown();
      Message.SetCharCode(0);
    }
  }
  const int key = Message.CharCode();
  // 14. Append on arrow down.
  if (key == VK_DOWN && nav.AppendOnArrowDown && IsLastNormalRow()) AutoAddRow();
  // 15.
  if (SelectionRectangle() && !(Selection() == FMoveSelection)) {
    InvalidateCellRange(Selection());
    FMoveSelection = Selection();
  }
  // 16. With the search footer shown and the view at its bottom, the last row
  // stays above the footer.
  const bool footerShown = FSearchFooter->Visible();
  const bool navigation = key == VK_SHIFT || key == VK_MENU || (key >= 33 && key <= 40);
  const bool moveKey = key == VK_NEXT || key == VK_END || key == VK_LEFT || key == VK_RIGHT || key == VK_DOWN;
  const int T0 = TopRow();
  bool held = false;
  if (footerShown && TopRow() >= RowCount() - VisibleRowCount()) {
    const bool lastRow = Row() >= RowCount() - 1;
    if (key == VK_DOWN && lastRow) {
      ScrollAboveSearchFooter();
      Message.Result = 1;
      raiseKeyDown();
      return;
    }
    if ((key == VK_RIGHT && lastRow && Col() == ColCount() - 1) ||
        (key == VK_LEFT && lastRow && Col() == FixedCols())) {
      Message.Result = 1;
      raiseKeyDown();
      return;
    }
    if ((lastRow && moveKey) || !navigation) {
      BeginUpdate();
      held = true;
    }
  }
  // 17.
  if (keepScroll) BeginUpdate();
  // 18. The class library's key step; a key cleared in step 13 was used up there.
  if (key != 0) TBaseGrid::WMKeyDown(Message);
  // 19.
  if (footerShown) {
    if (TopRow() >= RowCount() - VisibleRowCount() && !navigation) SetTopRow(T0);
    if (held) EndUpdate();
  }
  // 20.
  if (moveKey && footerShown && Row() == RowCount() - 1) ScrollAboveSearchFooter();
  // 21.
  if (keepScroll) {
    SetLeftCol(X);
    EndUpdate();
  }
  // 22.
  const int RR = ma.DisjunctRowSelect() && ma.RowSelectPersistent ? DisplToRealRow(Row()) : Row();
  // 23. Clipboard shortcuts: the event may refuse; the key ends here either way.
  if (nav.AllowClipboardShortCuts) {
    const auto run = [&](const TAllowEvent& event, void (TExStringGrid::*operation)()) {
      bool allow = true;
      if (event) event(this, allow);
      if (allow) (this->*operation)();
    };
    if ((ctrl && key == 'X') || (shiftDown && !ctrl && key == VK_DELETE))
      return run(OnClipboardCut, &TExStringGrid::CutSelectionToClipboard);
    if ((ctrl && key == 'V') || (shiftDown && !ctrl && key == VK_INSERT))
      return run(OnClipboardPaste, &TExStringGrid::PasteSelectionFromClipboard);
    if (ctrl && (key == 'C' || key == VK_INSERT)) return run(OnClipboardCopy, &TExStringGrid::CopySelectionToClipboard);
  }
  // 24. Insert: a row before or after the current one.
  if (key == VK_INSERT && !ctrl && !shiftDown && !alt && nav.AllowInsertRow && !InsertRowByKey()) return;
  // 25. Ctrl+A selects every normal cell.
  if (key == 'A' && ctrl && !alt && (rowSelect || Options().Contains(goRangeSelect))) {
    const TGridRect all{FirstNavigableCol(), FixedRows(), ColCount() - FFixedRightCols - 1,
                        RowCount() - FFixedFooters - 1};
    if (ma.DisjunctRowSelect())
      for (int r = all.Top; r <= all.Bottom; ++r) SetRowSelect(r, true);
    TStringGrid::SetSelection(all);
    FocusCell(all.Right, all.Bottom);
    const TRect cr = CellRect(all.Right, all.Bottom);
    MouseDown(mbLeft, {}, cr.Left + 2, cr.Top + 2);
    MouseUp(mbLeft, {}, cr.Left + 2, cr.Top + 2);
    FocusCell(all.Right, all.Bottom);
    TStringGrid::SetSelection(all);
    return;
  }
  // 26.
  if (IsNavigationKey(key)) {
    if (ma.DisjunctRowSelect()) {
      if (!shiftDown && !ctrl) ClearRowSelect();
      else if (shiftDown) RowSelectFromSelection(true);
      else SetRowSelect(RR, true);
    }
    if (ma.DisjunctColSelect()) {
      if (!shiftDown && !ctrl) ClearColSelect();
      else if (shiftDown) ColSelectFromSelection(true);
      else SetColSelect(Col(), true);
    }
  }
  if (key == VK_SPACE) {
    if (ma.DisjunctRowSelect()) SetRowSelect(RR, !GetRowSelect(RR));
    if (ma.DisjunctColSelect()) SetColSelect(Col(), !GetColSelect(Col()));
  }
  if (key == VK_DELETE && !alt && nav.AllowDeleteRow && RowCount() - FFixedFooters > FixedRows()) DeleteRowByKey();
  if (key == VK_RETURN || key == VK_F2) RememberEditedCell(Col(), Row());
  if (!(Selection() == FMoveSelection)) {
    SelectionChanged(Selection());
    FMoveSelection = Selection();
  }
}

// --- the class library's key step ---

void TExStringGrid::KeyDown(int& Key, TShiftState Shift) {
  // 1.
  FLastKeyCell = {Col(), Row()};
  const int rowBefore = Row();
  const bool f2 = Key == VK_F2;
  TBaseGrid::KeyDown(Key, Shift);
  // F2 opens the text editor with the selection EditSelectAll asks for.
  if (f2 && EditorMode() && NormalEdit() && NormalEdit()->Visible()) NormalEdit()->ApplyStartSelection();
  // 2-3. Moving the selected rows with Ctrl+Up and Ctrl+Down.
  const TGridRect s = Ordered(Selection());
  if (FNavigation->CursorMoveRows && Shift.Contains(ssCtrl)) {
    if (Key == VK_DOWN && s.Bottom < RowCount() - 1) {
      for (int r = s.Bottom; r >= s.Top; --r) MoveRow(r, r + 1);
      if (s.Top == s.Bottom) SetRow(s.Top + 1);
      else TStringGrid::SetSelection({FixedCols(), s.Top + 1, ColCount() - 1, s.Bottom + 1});
    } else if (Key == VK_UP && s.Top > FixedRows()) {
      for (int r = s.Top; r <= s.Bottom; ++r) MoveRow(r, r - 1);
      if (s.Top == s.Bottom) SetRow(s.Top - 1);
      else TStringGrid::SetSelection({FixedCols(), s.Top - 1, ColCount() - 1, s.Bottom - 1});
    }
  }
  // 4. Wrapping at the edges, judged by the cell before the key.
  const TCursorAdvance ca = FNavigation->CursorAdvance;
  if (ca == caLoop || ca == caSnake) {
    const bool snake = ca == caSnake;
    const int lastNormalCol = ColCount() - FFixedRightCols - 1, lastNormalRow = RowCount() - FFixedFooters - 1;
    const TGridCoord was = FLastKeyCell;
    if (Key == VK_LEFT && was.X == FixedCols()) {
      SetCol(lastNormalCol);
      if (snake && Row() > FixedRows()) SetRow(Row() - 1);
    } else if (Key == VK_UP && was.Y == FixedRows()) {
      SetRow(lastNormalRow);
      if (snake && Col() > FixedCols()) SetCol(Col() - 1);
    } else if (Key == VK_RIGHT && was.X == ColCount() - 1) {
      SetCol(FixedCols());
      if (snake && Row() < lastNormalRow) SetRow(Row() + 1);
    } else if (Key == VK_DOWN && was.Y == RowCount() - 1) {
      SetRow(FixedRows());
      if (snake && Col() < lastNormalCol) SetCol(Col() + 1);
    }
  }
  // 5. Skipping disabled rows.
  if (UseEnabledRows() && FNavigation->SkipDisabledRows && Row() == rowBefore) {
    if (Key == VK_UP) {
      for (int r = Row() - 1; r >= FixedRows(); --r)
        if (GetRowEnabled(r)) {
          SetRow(r);
          break;
        }
    } else if (Key == VK_DOWN && Row() < RowCount() - 1) {
      for (int r = Row() + 1; r <= RowCount() - 1; ++r)
        if (GetRowEnabled(r)) {
          SetRow(r);
          break;
        }
    }
  }
  // 6. (Synchronised grids follow with the sync-grid feature.)
}

void TExStringGrid::KeyUp(int& Key, TShiftState Shift) {
  const int K = Key;
  const TGridRect S = Ordered(Selection());
  // 1. Home keeps the incremental search text.
  if ((IsNavigationKey(K) && K != VK_HOME) || K == VK_INSERT || K == VK_DELETE) SearchInc.clear();
  // 2-3.
  TBaseGrid::KeyUp(Key, Shift);
  // 4.
  if (FNavigation->AlwaysEdit && (IsArrow(K) || (K == VK_TAB && Options().Contains(goTabs))) &&
      !IsClickableCell(RealCol(), Row()))
    ShowInplaceEdit();
  // 5.
  if (!(Selection() == FMoveSelection) && (K == VK_TAB || IsArrow(K))) SelectionChanged(Selection());
  // 6-7. Disjunct cells by key.
  if (!FMouseActions->DisjunctCellSelect() || Options().Contains(goEditing)) return;
  const TGridRect now = Ordered(Selection());
  auto addSelectionExcept = [&](int xc, int xr) {
    for (int r = now.Top; r <= now.Bottom; ++r)
      for (int c = now.Left; c <= now.Right; ++c)
        if (!(c == xc && r == xr)) SetSelectedCells(c, r, true);
  };
  if (Shift.Contains(ssShift)) {
    for (int r = S.Top; r <= S.Bottom; ++r)
      for (int c = S.Left; c <= S.Right; ++c) SetSelectedCells(c, r, false);
    addSelectionExcept(Col(), Row());
  }
  if (K == VK_SPACE) {
    const TPoint b = BaseCell(RealCol(), Row());
    const int bc = RealToDisplCol(b.X), br = b.Y;
    if (!IsFixed(bc, br)) {
      bool can = true;
      if (OnSelectCell) OnSelectCell(this, bc, br, can);
      if (!can) return;
      if (Shift.Contains(ssCtrl)) {
        SetSelectedCells(bc, br, !SelectedCells(bc, br));
      } else {
        FSelectedCells.clear();  // the list only: the selection stays
        SetSelectedCells(bc, br, true);
      }
    }
    if (now.Left != now.Right || now.Top != now.Bottom) addSelectionExcept(bc, br);
    Invalidate();
  }
}

// --- navigation operations ---

// Cells of the fixed rows and columns are never selectable (the cursor cannot go there).
bool TExStringGrid::IsSelectableCell(int ACol, int ARow) {
  if (ACol < FixedCols() || ARow < FixedRows()) return false;
  // An editing grid (goEditing, or switched off for a read-only cell: EditDisable).
  const bool editing = Options().Contains(goEditing) || EditDisable;
  bool can = editing ? IsEditable(ACol, ARow) : !IsFixed(ACol, ARow);
  if (OnSelectCell) OnSelectCell(this, ACol, ARow, can);
  return can;
}

int TExStringGrid::FirstSelectableCol(int ARow) {
  for (int c = 0; c < ColCount(); ++c)
    if (IsSelectableCell(c, ARow)) return c;
  return -1;
}

int TExStringGrid::LastSelectableCol(int ARow) {
  for (int c = ColCount() - 1; c >= 0; --c)
    if (IsSelectableCell(c, ARow)) return c;
  return -1;
}

bool TExStringGrid::IsLastNormalRow() {
  return Row() + 1 == RowCount() - FFixedFooters || (FFloatingFooter->Visible() && Row() + 2 == RowCount());
}

void TExStringGrid::AutoAddRow() {
  bool allow = true;
  CanAddRowHook(allow);
  if (!allow) return;
  const bool floating = FFloatingFooter->Visible();
  // With the floating footer the row count setter keeps the footer row last and
  // empties the row it left; otherwise the new last row is emptied here.
  SetRowCount(RowCount() + 1);
  if (!floating) {
    TAllColumnsGuard all(*this);
    ClearRowCells(RowCount() - 1);
  }
  if (floating || FFixedFooters > 0) SetRow(Row() + 1);
  if (floating) CalcFooter(-1);
  if (OnAutoAddRow) OnAutoAddRow(this, RowCount() - FFixedFooters - 1);
}

void TExStringGrid::MoveToFirstRow() { SetRow(FixedRows()); }

void TExStringGrid::SelectionChanged(const TGridRect& R) { SelectionChangedHook(R.Left, R.Top, R.Right, R.Bottom); }
