// The left button going up (pushed cell buttons, OnClick for fixed cells and
// range selections, disjunct rows, columns and cells, the class library's release, check-box release events), the
// double click (auto-size at a header border without OnDblClickCell, otherwise
// OnDblClickCell and editing), and the right button (OnRightClickCell).
#include <algorithm>
#include <cstdlib>

#include "grid/view/ex_string_grid.h"
#include "platform/ui/messages.h"

// The released expand button: the row switches to the other height and
// OnExpandClick tells the new state.
void TExStringGrid::ExpandClick(int ACol, int ARow) {
  const int RC = RealColIndex(ACol);
  const bool expanded = ToggleExpand(RC, ARow);
  if (OnExpandClick) OnExpandClick(this, RC, ARow, expanded);
  SetRowHeights(ARow, GetExpandHeight(RC, ARow, expanded));
}

void TExStringGrid::WMLButtonUp(TMessage& Message) {
  const int X = Message.XPos(), Y = Message.YPos();
  int C = -1, R = -1;
  MouseToCell(X, Y, C, R);
  // U1.
  const bool colSizing = GridState() == gsColSizing, rowSizing = GridState() == gsRowSizing;
  ColMoveFlg = GridState() == gsColMoving;
  ColSizeFlg = colSizing;
  FMouseDown = FMouseKeepDown = false;
  FMouseSelectMode = msNormal;
  FMouseDownMove = false;
  FMouseSelectStart = -1;
  // A held button of a mini-HTML cell comes up.
  if (FCtrlDown) {
    FCtrlDown = false;
    RepaintCell(RealToDisplCol(FCtrlXY.X), FCtrlXY.Y);
  }
  // U2.
  EndFixedSizing(X, Y);
  // U3. (The pressed look of fixed cells comes with its feature.)
  // U4. A pushed cell button.
  if (FPushedCellButton.X >= 0) {
    const TGridCoord pushed = FPushedCellButton;
    bool active = Options().Contains(goEditing);
    if (C >= 0 && R >= 0 && !FControlLook->NoDisabledButtonLook) active = IsCellEditable(C, R);
    const bool inFixed = pushed.X < FixedCols() || pushed.Y < FixedRows();
    if (active || FControlLook->NoDisabledButtonLook || inFixed) {
      if (!IsNode(pushed.Y)) PushButton(pushed.X, pushed.Y, false);
      if (C >= 0 && R >= 0) {
        const TPoint b = BaseCell(RealColIndex(C), R);
        const int bc = RealToDisplCol(b.X);
        const bool fixedPress = (FixedAsButtons && pushed.X < FixedCols()) || pushed.Y < FixedRows();
        if (HasExpand(b.X, b.Y)) {
          if (PtInRect(GetExpandButtonRect(bc, b.Y), TPoint{X, Y}) || fixedPress) ExpandClick(pushed.X, pushed.Y);
        } else if (PtInRect(GetCellButtonRect(bc, b.Y), TPoint{X, Y}) || fixedPress) {
          ButtonClickHook(pushed.X, pushed.Y);
        }
      }
    }
    FPushedCellButton = {-1, -1};
    SetMouseCapture(false);
  }
  // U5.
  if (HintShowSizing && FScrollHintShow) HideSizingHint();
  // U6. A release on a cell button ends here.
  if (C >= 0 && R >= 0 && HasButton(RealColIndex(C), R) && PtInRect(GetCellButtonRect(C, R), TPoint{X, Y})) return;
  if (C >= 0 && R >= 0 && HasExpand(RealColIndex(C), R) && PtInRect(GetExpandButtonRect(C, R), TPoint{X, Y})) return;
  // U7. OnClick for a fixed cell, unless the release ends column sizing.
  const bool overSizer = R >= 0 && R < FixedRows() && C >= 0 && Options().Contains(goColSizing) && colSizing;
  if (OnClick && FDoOnClick && !overSizer && C >= 0 && R >= 0 && (R < FixedRows() || C < FixedCols())) OnClick(this);
  FDoOnClick = false;
  // U8. The end of a range selection.
  if (GridState() == gsSelecting) Click();
  // U9. A prepared drag that did not start: the release selects the cell.
  if (FSelectionClick) {
    FSelectionClick = false;
    if (R >= FixedRows() && C >= FixedCols()) {
      TMouseActions& m = *FMouseActions;
      if (m.DisjunctRowSelect() && FDragDropSettings->OleDropSource) {
        const bool ctrlDown = GetShiftState().Contains(ssCtrl);
        if (!ctrlDown && !m.DisjunctRowSelectNoCtrl) {
          ClearRowSelect();
        } else {
          const int rr = m.RowSelectPersistent ? RealRowIndex(R) : R;
          SetRowSelect(rr, !RowSelect(rr));
          if (OnMouseUp) OnMouseUp(this, mbLeft, {ssCtrl}, C, R);
          return;
        }
      } else if (Options().Contains(goRowSelect)) {
        TStringGrid::SetSelection({FixedCols(), R, ColCount() - 1, R});
      } else {
        TStringGrid::SetSelection({C, R, C, R});
      }
    }
  }
  // U10. Disjunct rows take the selection; a flagged row pressed again is deselected.
  TMouseActions& ma = *FMouseActions;
  bool deselected = false;
  if (ma.DisjunctRowSelect() && C >= 0) {
    if (!(C == 0 && ma.HotmailRowSelect())) RowSelectFromSelection(false);
    if (R >= FixedRows() && R < RowCount() - FFixedFooters && FDeselectState) {
      SetRowSelect(ma.RowSelectPersistent ? RealRowIndex(R) : R, false);
      deselected = true;
    }
    FDeselectState = false;
  }
  // U11. A click on an expanded group's header selects the group.
  if (FGrouping->AutoSelectGroup && C > 0 && IsNode(R) && !GetNodeState(R)) {
    const int span = GetNodeSpan(R);
    if (ma.DisjunctRowSelect()) {
      for (int i = 1; i < span; ++i)
        if (R + i < RowCount()) SetRowSelect(RealRowIndex(R + i), true);
    } else {
      TStringGrid::SetSelection({FixedCols(), R, ColCount() - 1, std::min(R + span - 1, RowCount() - 1)});
    }
  }
  // U12. Disjunct columns likewise.
  if (ma.DisjunctColSelect()) {
    ColSelectFromSelection(false);
    if (C >= FixedCols() && C < ColCount() - FFixedRightCols && FDeselectState) SetColSelect(C, false);
    FDeselectState = false;
  }
  // U13. The end of a column or row drag the grid draws itself.
  const bool moveEnded = EndEnhancedMove(C, R);
  // U14.
  TBaseGrid::WMLButtonUp(Message);
  if (deselected) FSelChange = false;
  // U15. The cells copied at the press are pasted into the resized selection
  // (filled over it by the smart clipboard), the grid counting as an editing one.
  if (FMouseResize) {
    const TGridRect now = Selection();
    if (OnSelectionResize) OnSelectionResize(this, FDropSelection, now);
    const bool editDisable = EditDisable;
    EditDisable = true;
    try {
      PasteSelectionFromClipboard();
    } catch (...) {
      EditDisable = editDisable;
      FMouseResize = false;
      throw;
    }
    EditDisable = editDisable;
    FMouseResize = false;
    if (OnSelectionResized) OnSelectionResized(this, FDropSelection, Selection());
  }
  // U16.
  if (ColMoveFlg || ColSizeFlg || rowSizing || C < 0 || R < 0) return;
  if (C < FixedCols() && !FSortSettings->FixedCols) return;
  const int RC = RealColIndex(C);
  // U17.
  if (HasCheckBox(RC, R) && OnCheckBoxMouseUp) {
    bool state = false;
    GetCheckBoxState(RC, R, state);
    OnCheckBoxMouseUp(this, RC, R, state);
  }
  if (IsRadio(RC, R) && OnRadioMouseUp) {
    int index = -1;
    GetRadioIdx(RC, R, index);
    OnRadioMouseUp(this, RC, R, index);
  }
  // U18.
  if (FDblClk) {
    FDblClk = false;
    return;
  }
  // U19-U23. A click on the sort row sorts (grid/data/header_sort.cpp).
  HeaderClickSort(C, R, X, Y, moveEnded);
}

void TExStringGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  // MU2.
  const TGridRect B = Selection();
  int C = -1, R = -1;
  MouseToCell(X, Y, C, R);
  // MU3. The filter button of a header cell opens the column's filter list
  // (grid/data/filter_lists.cpp); any other release closes the plain list.
  bool listShown = false;
  if (C >= 0 && R >= 0 && R == FilterDropDownRow && RealColIndex(C) != FFilterCol) {
    const TRect CR = CellRect(C, R);
    if (X > CR.Right - 16 && X < CR.Right - 3 && Y < CR.Top + 19) listShown = ShowFilterList(C, R);
  }
  if (!listShown) HideFilterLists();
  // MU4. (Abandoning a sizing released outside the grid comes with the sizing.)
  // MU5. Disjunct cells.
  if (FMouseActions->DisjunctCellSelect() && Button == mbLeft && C >= 0 && R >= 0) {
    const TPoint b = BaseCell(RealColIndex(C), R);
    const int bc = RealToDisplCol(b.X), br = b.Y;
    bool refused = false;
    if (!IsFixed(bc, br)) {
      bool can = true;
      if (OnSelectCell) OnSelectCell(this, bc, br, can);
      refused = !can;
      if (!refused) {
        if (Shift.Contains(ssShift)) SetSelectedCells(C, R, true);
        else if (Shift.Contains(ssCtrl)) SetSelectedCells(bc, br, !SelectedCells(bc, br));
        else {
          FSelectedCells.clear();  // the list only: the selection stays
          SetSelectedCells(bc, br, true);
        }
      }
    } else if (!Shift.Contains(ssCtrl) && !IsFixed(C, R)) {
      FSelectedCells.clear();  // the list only: the selection stays
      Invalidate();
    }
    if (!refused) {
      const TGridRect s = Selection();
      if (s.Left != s.Right || s.Top != s.Bottom) {
        for (int r = std::min(s.Top, s.Bottom); r <= std::max(s.Top, s.Bottom); ++r)
          for (int c = std::min(s.Left, s.Right); c <= std::max(s.Left, s.Right); ++c)
            if (!(c == bc && r == br) && !SelectedCells(c, r)) SetSelectedCells(c, r, true);
        Invalidate();
      } else {
        RepaintCell(C, R);
      }
    }
  }
  // MU6. Only a real change since the press is announced.
  if ((Button == mbLeft || (Button == mbRight && FMouseActions->SelectOnRightClick)) && !(B == FPressSelection)) {
    SelectionChanged(B);
    FPressSelection = B;
  }
  // MU7.
  if (GridState() == gsColMoving && Button == mbRight) return;
  TBaseGrid::MouseUp(Button, Shift, X, Y);
  if (!(Selection() == B)) SelectionChanged(Selection());
}

void TExStringGrid::WMLButtonDblClk(TMessage& Message) {
  const int X = Message.XPos(), Y = Message.YPos();
  int C = -1, R = -1;
  MouseToCell(X, Y, C, R);
  TMouseActions& ma = *FMouseActions;
  // D1.
  if (ma.RangeSelectAndEdit && C >= 0 && R >= 0 && !IsClickableCell(RealColIndex(C), R)) FForceSel = true;
  // D2. Beside the cells: as on the last column's header cell at the same point.
  if (C < 0) {
    if (FixedRowAlways) return TBaseGrid::WMLButtonDblClk(Message);
    C = ColCount() - 1;
    R = 0;
  }
  // D3. Auto-size at a header border.
  if (R < FixedRows() && Options().Contains(goColSizing) && ma.AutoSizeColOnDblClick) {
    const TRect CR = CellRect(C, R);
    auto autoSize = [&](int column) {
      FDblClk = true;
      bool allow = true;
      if (OnColumnSize) OnColumnSize(this, column, allow);
      if (allow) {
        AutoSizeCol(column, 0);
        if (OnEndColumnSize) OnEndColumnSize(this, column);
      }
      FForceSel = false;
      TBaseGrid::WMLButtonDblClk(Message);
    };
    if (std::abs(X - CR.Left) < 4) {
      FDblClk = true;
      if (C - 1 >= FixedCols()) return autoSize(C - 1);
    }
    if (std::abs(CR.Right - X) < 4 && C >= FixedCols()) return autoSize(C);
  }
  if (R < 0) R = 0;
  // D4.
  const int RC = RealColIndex(C);
  if (HasButton(RC, R) && PtInRect(GetCellButtonRect(C, R), TPoint{X, Y})) return;
  if (HasExpand(RC, R) && PtInRect(GetExpandButtonRect(C, R), TPoint{X, Y})) return;
  // D5.
  if (IsClickableCell(RC, R)) return TBaseGrid::WMLButtonDblClk(Message);
  // D6.
  TBaseGrid::WMLButtonDblClk(Message);
  int C2 = -1, R2 = -1;
  MouseToCell(X, Y, C2, R2);
  if (OnDblClickCell) OnDblClickCell(this, R2, C2);
  // D7.
  if (ma.EditOnDblClickOnly()) {
    const bool keep = ma.RangeSelectAndEdit;
    ma.RangeSelectAndEdit = true;
    if (IsEditable(C, R)) {
      SetOptions(Options() + goEditing);
      FOldCol = C;
      FOldRow = R;
      ShowInplaceEdit();
    }
    ma.RangeSelectAndEdit = keep;
  } else if (ma.RangeSelectAndEdit && C2 >= 0 && R2 >= 0 && IsEditable(C, R)) {
    // D8.
    SetOptions(Options() + goEditing);
    const TPoint b = BaseCell(RealColIndex(C), R);
    const TRect br = CellRect(RealToDisplCol(b.X), b.Y);
    MouseDown(mbLeft, {}, br.Left + 4, br.Top + 4);
  }
  // D9. Fixed-cell editing by double click.
  FForceSel = false;
  if (C >= 0 && R >= 0 &&
      ((R < FixedRows() && ma.FixedRowsEdit == fceDblClick) || (C < FixedCols() && ma.FixedColsEdit == fceDblClick)))
    ShowFixedCellEditor(C, R);
}

void TExStringGrid::WMRButtonDown(TMessage& Message) {
  const int X = Message.XPos(), Y = Message.YPos();
  // R1.
  TBaseGrid::WMRButtonDown(Message);
  // R2.
  int C = -1, R = -1;
  MouseToCell(X, Y, C, R);
  TMouseActions& ma = *FMouseActions;
  const bool valid = C >= FixedCols() && R >= FixedRows() && !IsFixed(C, R);
  // A cell already in a disjunct cell selection keeps that selection.
  if (ma.SelectOnRightClick && valid && !(ma.DisjunctCellSelect() && SelectedCells(C, R))) {
    const TGridRect before = Selection();
    const bool selected = C >= before.Left && C <= before.Right && R >= before.Top && R <= before.Bottom;
    if (!IsClickableCell(RealColIndex(C), R)) {
      if (!OnRightClickCell) {
        MouseDown(mbLeft, {}, X, Y);
        MouseUp(mbLeft, {}, X, Y);
      } else {
        FocusCell(C, R);
      }
    }
    if (selected) {
      bool can = true;
      if (OnSelectCell) OnSelectCell(this, C, R, can);
    } else {
      const bool keepScroll = FNavigation->KeepHorizScroll;
      const int left = LeftCol();
      if (keepScroll) BeginUpdate();
      const TPoint b = BaseCell(RealColIndex(C), R);
      MoveColRow(RealToDisplCol(b.X), b.Y, true, true);
      if (keepScroll) {
        SetLeftCol(left);
        EndUpdate();
      }
    }
    if (ma.DisjunctRowSelect()) {
      const bool ctrl = GetShiftState().Contains(ssCtrl);
      if (ctrl || ma.DisjunctRowSelectNoCtrl) {
        SetRowSelect(R, !RowSelect(R));
      } else if (SelectedRowCount() > 1 && PopupMenu()) {
        // A menu for several selected rows keeps them when one of them is pressed.
        if (!RowSelect(R)) {
          ClearRowSelect();
          SetRowSelect(R, true);
        }
      } else {
        ClearRowSelect();
        SetRowSelect(R, true);
      }
    }
  }
  // R3.
  if (OnRightClickCell) OnRightClickCell(this, R, C);
  // R4. (Editing a URL cell by right click comes with the link feature.)
}

void TExStringGrid::WMRButtonUp(TMessage& Message) { TBaseGrid::WMRButtonUp(Message); }
