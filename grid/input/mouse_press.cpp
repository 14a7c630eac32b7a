// The left button going down on the grid: the veto of OnCanClickCell, a press
// beside the cells, cell buttons, row, column and whole-grid selection from
// fixed cells, disjunct rows, columns and cells, links, check boxes and radio buttons, the class library's press (focus,
// sizing, range selection, the selection query) followed by OnClickCell, and
// direct editing. Also the grid's mouse-down step for both buttons.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "grid/base/text_kinds.h"
#include "grid/view/ex_string_grid.h"
#include "platform/ui/messages.h"

namespace {

// The one shift key a press counts with: Alt before Shift before Ctrl.
enum TShiftFlagOne { kOneNone, kOneAlt, kOneShift, kOneCtrl };

// Less than 4 pixels from the cell's left or right edge.
bool NearSideEdge(const TRect& r, int X) { return std::abs(X - r.Left) < 4 || std::abs(r.Right - X) < 4; }

}  // namespace

// A click on the node glyph of a normal row contracts an expanded node and
// expands a contracted one, each unless the event before it refuses.
void TExStringGrid::ClickNodeGlyph(int R, TShiftState Shift, int X, int Y) {
  if (OnMouseDown) OnMouseDown(this, mbLeft, Shift, X, Y);
  if (OnClickCell) OnClickCell(this, R, 0);
  const int RR = RealRowIndex(R);
  bool allow = true;
  if (!GetNodeState(R)) {
    if (OnBeforeContractNode) OnBeforeContractNode(this, R, RR, allow);
    if (!allow) return;
    ContractNode(RR);
    if (OnContractNode) OnContractNode(this, R, RR);
  } else {
    if (OnBeforeExpandNode) OnBeforeExpandNode(this, R, RR, allow);
    if (!allow) return;
    ExpandNode(RR);
    if (OnExpandNode) OnExpandNode(this, R, RR);
  }
  if (FMouseActions->MoveRowOnNodeClick) SetRow(R);
}

void TExStringGrid::WMLButtonDown(TMessage& Message) {
  int X = Message.XPos(), Y = Message.YPos();
  int C = -1, R = -1;
  MouseToCell(X, Y, C, R);
  const TGridRect S0 = Selection();
  FPressSelection = S0;
  TMouseActions& ma = *FMouseActions;
  // 1.
  FDoOnClick = FMouseDownMove = FMouseKeepDown = true;
  // 2. The selection-resize handle: the selection goes to the clipboard, and the
  // release pastes it into the resized selection.
  if (FSelectionResizer && FSelectionRectangle && OnSelectionHandle(X, Y)) {
    SetGridState(gsSelecting);
    FDropSelection = S0;
    CopySelectionToClipboard();
    FMouseResize = true;
    if (!Options().Contains(goEditing) && !ma.RangeSelectAndEdit) TBaseGrid::WMLButtonDown(Message);
    TStringGrid::SetSelection(S0);
    MouseMove({}, X, Y);
    Message.Result = 1;
    return;
  }
  // 3.
  // The selection's right column and bottom row count as outside, so a press
  // never lies inside a one-cell selection.
  if (Options().Contains(goEditing) && ma.RangeSelectAndEdit &&
      !(C >= S0.Left && C < S0.Right && R >= S0.Top && R < S0.Bottom))
    SetOptions(Options() - goEditing);
  // 4.
  bool allow = true;
  if (OnCanClickCell) OnCanClickCell(this, R, C, allow);
  if (!allow) return;
  // 5.
  const int OC = C, OR = R;
  // 6. A plain press starts a new disjunct cell selection.
  const TShiftState live = GetShiftState();
  const TShiftFlagOne one = live.Contains(ssAlt) ? kOneAlt : live.Contains(ssShift) ? kOneShift
                                                 : live.Contains(ssCtrl) ? kOneCtrl : kOneNone;
  if (ma.DisjunctCellSelect() && one != kOneCtrl && C >= 0 && R >= 0 && !IsFixed(C, R)) {
    FSelectedCells.clear();  // the list only: the selection stays
    Invalidate();
  }
  // 7.
  SearchInc.clear();
  FMoveColInd = FMoveRowInd = -1;
  FSelectionClick = false;
  FPushedCellButton = {-1, -1};
  const int keepLeft = LeftCol(), keepTop = TopRow();
  FOldKeepLeftCol = keepLeft;
  FOldTopRow = keepTop;
  // 8. The cell left of and above the point, for column and row sizing.
  if (R == 0) MouseToCell(X - 5, Y, Colclicked, Rowclicked);
  else if (C == 0) MouseToCell(X, Y - 4, Colclicked, Rowclicked);
  else MouseToCell(X - 5, Y - 4, Colclicked, Rowclicked);
  if (Colclicked >= 0 && Rowclicked >= 0) {
    Colclickedsize = ColWidths(Colclicked);
    Rowclickedsize = RowHeights(Rowclicked);
  }
  Clickposx = X;
  Clickposy = Y;
  // 10.
  const bool inFixed = (R < FixedRows() || C < FixedCols()) && C >= 0 && R >= 0;
  // 11. A press beside the cells.
  if (C < 0 || R < 0) {
    HideInplaceEdit();
    if (!FixedRowAlways) TBaseGrid::WMLButtonDown(Message);
    return;
  }
  // 12.
  {
    const TPoint b = BaseCell(RealColIndex(C), R);
    C = RealToDisplCol(b.X);
    R = b.Y;
  }
  const TRect CR = CellRect(C, R);
  // 13.
  if (ma.CaretPositioning) LButFlg = true;
  // 14. Sizing fixed columns and rows.
  if (StartFixedSizing(X, Y, true)) return;
  // 15.
  if (inFixed || IsFixed(C, R)) HideInplaceEdit();
  const bool hookFixed = IsFixed(C, R) && !inFixed;
  // 16. (17. The pressed look of fixed cells comes with its feature.)
  const bool nodeRow = IsNode(R);
  // 18.
  const int RC = RealColIndex(C);
  // 19. Node glyphs.
  if (!Designing() && nodeRow && C == 0 && IsInNodeGlyph(R, X - CR.Left)) {
    if (R < FixedRows()) {
      if (ma.NodeAllExpandContract) {
        TCellGraphic* g = GetCellGraphic(0, R);
        if (g->CellBoolean) ExpandAll();
        else ContractAll();
        g->CellBoolean = !g->CellBoolean;
      }
    } else {
      ClickNodeGlyph(R, live, X, Y);
      return;
    }
  }
  // 20. Radio groups.
  if (IsRadio(RC, R) && (IsEditable(C, R) || FControlLook->RadioAlwaysActive)) {
    HideInplaceEdit();
    ClickRadioGroup(RC, R, X - CR.Left, Y - CR.Top);
    if (CanFocus()) SetFocus();
    return;
  }
  // 21. The node column.
  if (C == 0 && R >= FixedRows() && FNumNodes > 0 && !ma.RowSelect && !Options().Contains(goRowSizing)) {
    if (OnMouseDown) OnMouseDown(this, mbLeft, live, X, Y);
    if (OnClickCell) OnClickCell(this, R, C);
    return;
  }
  // 22. A press on the selection prepares a drag: moving the mouse starts it,
  // releasing selects the cell.
  if ((IsSelected(C, R) || (R < FixedRows() && !EnhRowColMove)) && !Options().Contains(goEditing) &&
      !HasButton(RC, R) && !HasCheckBox(RC, R) && FDragDropSettings->OleDropSource &&
      !(R < FixedRows() && (ma.ColSelect || ma.AllSelect)) && C >= FixedCols() &&
      !(Options().Contains(goColSizing) && NearSideEdge(CR, X))) {
    if (CanFocus()) SetFocus();
    if (OnMouseDown) OnMouseDown(this, mbLeft, live, X, Y);
    FSelectionClick = true;
    if (OnClickCell) OnClickCell(this, R, C);
    return;
  }
  // 23. Rating cells: every 9 pixels from the left edge add half a point.
  if (HasRating(RC, R) && IsEditable(C, R)) {
    HideInplaceEdit();
    double rate = std::trunc((X - CR.Left) / 9.0) / 2.0;
    if (RatingChangeHook(RC, R, rate)) {
      SetFloats(RC, R, rate);
      RepaintCell(C, R);
    }
    return;
  }
  // 24. - 25. Cell buttons (the release raises OnButtonClick) and expand buttons
  // (the release toggles the row's height): a press on the button pushes it.
  auto pressOnButton = [&](const TRect& button) {
    HideInplaceEdit();
    if (!IsFixed(C, R)) {
      FForceSel = true;
      SelectCell(C, R);
      FForceSel = false;
    }
    if (!PtInRect(button, TPoint{X, Y})) return false;
    PushButton(C, R, true);
    FPushedCellButton = {C, R};
    SetMouseCapture(true);
    if (OnClickCell) OnClickCell(this, R, C);
    return true;
  };
  if (HasButton(RC, R) && pressOnButton(GetCellButtonRect(C, R))) return;
  if (HasExpand(RC, R) && pressOnButton(GetExpandButtonRect(C, R))) return;
  // 26. A merged cell: the class library selects its base cell.
  if (IsMergedCell(RC, R) && !IsFixed(C, R) && !OnMouseDown) {
    X = CR.Left + 2;
    Y = CR.Top + 2;
    Message.LParam = MakeLParam(X, Y);
  }
  // 27.
  if (C >= ColCount() || R >= RowCount()) return TBaseGrid::WMLButtonDown(Message);
  // 28.
  {
    const TRect clicked = Colclicked >= 0 && Rowclicked >= 0 ? CellRect(Colclicked, Rowclicked) : TRect{};
    Clickposdx = X - (Colclicked >= 0 ? clicked.Right : 0);
    Clickposdy = Y - (Rowclicked >= 0 ? clicked.Bottom : 0);
  }
  // 29. Disjunct rows.
  if (ma.DisjunctRowSelect() && R >= FixedRows() && !(C == 0 && ma.HotmailRowSelect())) {
    if (live.Contains(ssShift)) {
      TBaseGrid::WMLButtonDown(Message);
      TStringGrid::SetSelection({C, R, S0.Left, S0.Top});
      return;
    }
    if (live.Contains(ssCtrl) || ma.DisjunctRowSelectNoCtrl) {
      FDeselectState = RowSelect(ma.RowSelectPersistent ? RealRowIndex(R) : R);
    } else {
      FMouseDown = true;
      if (!live.Contains(ssAlt)) ClearRowSelect();
    }
  }
  // 30. Disjunct columns.
  if (ma.DisjunctColSelect() && C >= FixedCols()) {
    if (live.Contains(ssCtrl)) {
      FDeselectState = ColSelect(C);
    } else {
      FMouseDown = true;
      ClearColSelect();
    }
  }
  // 31. Links and CONTROL tags (html_cells.cpp). Only web and mail addresses
  // are opened; CELL:// jumps to a cell.
  if (ClickHtmlCell(C, R, RC, X, Y)) return;
  // 32. Selection from fixed cells.
  auto exitStep = [this] {
    DoExit();
    if (!Options().Contains(goAlwaysShowEditor)) HideInplaceEdit();
  };
  if (C < FixedCols() && R < FixedRows() && ma.AllSelect && Options().Contains(goRangeSelect) &&
      FMouseSelectMode == msAll) {
    if (Widget() && CanFocus()) SetFocus();
    TStringGrid::SetSelection({FixedCols(), FixedRows(), ColCount() - 1, RowCount() - 1});
    exitStep();
  } else if (C < FixedCols() && R >= FixedRows() && ma.RowSelect && FMouseSelectMode == msRow) {
    if (EditorMode() && Widget() && CanFocus()) SetFocus();
    if (live.Contains(ssShift)) TStringGrid::SetSelection({FixedCols(), R, ColCount() - 1, Selection().Top});
    else TStringGrid::SetSelection({FixedCols(), R, ColCount() - 1, R});
    exitStep();
    FMouseSelectStart = R;
  } else if (C >= FixedCols() && R < FixedRows() && ma.ColSelect && Options().Contains(goRangeSelect) &&
             FMouseSelectMode == msColumn) {
    if (Widget() && CanFocus()) SetFocus();
    const TGridRect s = Selection();
    if (!live.Contains(ssShift)) TStringGrid::SetSelection({C, FixedRows(), C, RowCount() - 1});
    else if (C < s.Left) TStringGrid::SetSelection({C, FixedRows(), s.Right, RowCount() - 1});
    else TStringGrid::SetSelection({s.Left, FixedRows(), C, RowCount() - 1});
    exitStep();
    FMouseSelectStart = C;
  }
  Movecell = -1;
  if (R < FixedRows() && C >= FixedCols()) Movecell = C;
  else if (C < FixedCols() && R >= FixedRows()) Movecell = R;
  MoveOfsX = X - CR.Left;
  MoveOfsY = Y - CR.Top;
  // 33.
  bool editable = Options().Contains(goEditing) || ma.RangeSelectAndEdit;
  CanEditCell(RC, R, editable);
  const bool isRB = HasRadioButton(RC, R);
  // 34. Check boxes and radio buttons; the check box of column 0 selects its
  // row when rows are selected by check boxes.
  const bool rowCheckBox = C == 0 && ma.HotmailRowSelect();
  if ((editable || FControlLook->CheckAlwaysActive || rowCheckBox) && (HasCheckBox(RC, R) || isRB) &&
      (!ma.PreciseCheckBoxCheck || IsInCheckBox(RC, R, X, Y))) {
    // 1.
    HideInplaceEdit();
    if (Widget() && CanFocus()) SetFocus();
    const int RR = RealRowIndex(R);
    // 2. (A row check box is its row's flag: step 4 inverts it, once.)
    if (isRB) {
      if (editable || FControlLook->CheckAlwaysActive) {
        SetRadioButtonColumnIndex(RC, R);
        if (OnRadioButtonClick) OnRadioButtonClick(this, RC, R);
      }
    } else if (!rowCheckBox) {
      ToggleCheckBoxHook(RC, R, true);
    }
    // 3. (The modified marks are kept by real row.)
    if (FShowModified->Enabled) {
      SetRowModified(RR, true);
      RepaintCell(0, R);
    }
    // 4.
    if (rowCheckBox) {
      // (A header's box turns what it shows; the cursor never goes to a header row.)
      const TCellGraphic* box = GetCellGraphic(0, R);
      const bool shown = R < FixedRows() && box ? box->CellBoolean : RowSelect(RR);
      if (R >= FixedRows()) TStringGrid::SetSelection({FixedCols(), R, ColCount() - 1, R});
      SetRowSelect(RR, !shown);
      if (RR != R) RepaintCell(0, R);
      if (R == Row() && !RowSelect(RR)) HideSelection();
    }
    // 5.
    bool state = false;
    GetCheckBoxState(RC, RR, state);
    // 6.
    if (!FNavigation->AlwaysEdit && C >= FixedCols() && R >= FixedRows()) MoveColRow(C, R, true, true);
    // 7. The real column, as the Space key reports it.
    if (!isRB) CheckBoxClickHook(RC, R, state);
    // 8.
    if (HideFocusRect) RepaintCell(C, R);
    // 9. The check box of a header cell checks or clears the whole column below.
    if (!isRB && R < FixedRows() && ma.CheckAllCheck) {
      for (int r = FixedRows(); r < RowCount(); ++r) {
        if (rowCheckBox)
          SetRowSelect(RealRowIndex(r), state);
        else
          SetCheckBoxState(RC, r, state);
      }
      Invalidate();
    }
    // 10.
    if (OnMouseDown) OnMouseDown(this, mbLeft, live, X, Y);
    Click();
    return;
  }
  // 35.
  const bool normal = C >= FixedCols() && R >= FixedRows();
  const bool hasCombo = normal && FControlLook->DropDownAlwaysVisible && HasComboBox(RC, R);
  if (normal && (editable || (ma.EditOnDblClickOnly() && hasCombo)) && (ma.DirectEdit || hasCombo)) {
    if (ma.EditOnDblClickOnly() && hasCombo) FEditActive = false;
    HideInplaceEdit();
    if (Widget() && CanFocus()) SetFocus();
  }
  // 36.
  const bool onCurrent = PtInRect(CR, TPoint{X, Y}) && Selection() == TGridRect{C, R, C, R};
  bool keepSelecting = false;
  if (ma.RangeSelectAndEdit && !onCurrent && !IsFixed(C, R) && !editable) {
    SetOptions(Options() - goEditing);
    keepSelecting = true;
  }
  // 37. A normal cell that reports itself fixed.
  if (hookFixed) {
    const bool footerRow = FFloatingFooter->Visible() && FFloatingFooter->FooterStyle() == fsFixedLastRow &&
                           R == RowCount() - 1;
    if (!footerRow && OnClickCell) OnClickCell(this, R, C);
    return;
  }
  // 38. The partly shown row below the last full one, the partly shown column
  // right of the last full one, or a scrolled first column.
  const bool partial = R == TopRow() + VisibleRowCount() || C == LeftCol() + VisibleColCount() ||
                       (C == LeftCol() && LeftCol() > FixedCols());
  // 39. The class library's press: focus, sizing, range selection, the selection query.
  const bool keepScroll = Options().Contains(goRowSelect) && FNavigation->KeepHorizScroll;
  if (keepScroll) BeginUpdate();
  try {
    if (!SelectionHidden()) {
      const bool alwaysEdit = FNavigation->AlwaysEdit;
      FNavigation->AlwaysEdit = false;
      try {
        TBaseGrid::WMLButtonDown(Message);
      } catch (...) {
        FNavigation->AlwaysEdit = alwaysEdit;
        throw;
      }
      FNavigation->AlwaysEdit = alwaysEdit;
    }
    // A press on a partly shown cell starts no range selection, and does not
    // leave the grid scrolled to show it.
    if (GridState() == gsSelecting && partial && ma.NoAutoRangeScroll) SetGridState(gsNormal);
    if (TopRow() != keepTop && ma.NoScrollOnPartialRow) {
      SetTopRow(keepTop);
      SendMessage(this, WM_LBUTTONUP, 0, 0);
    }
  } catch (...) {
    if (keepScroll) {
      SetLeftCol(keepLeft);
      EndUpdate();
    }
    throw;
  }
  if (keepScroll) {
    SetLeftCol(keepLeft);
    EndUpdate();
  }
  // 40. After the press's own selection, so that a handler's selection stays.
  const bool colSizingPress = R < FixedRows() && Options().Contains(goColSizing) && NearSideEdge(CR, X);
  if (!colSizingPress && OnClickCell) OnClickCell(this, R, C);
  // 41.
  if (OnCellValidate) {
    FEntered = false;
    RememberEditedCell(Col(), Row());
  }
  // 42.
  if (IsMergedCell(RC, R) && !IsFixed(C, R) && (onCurrent || ma.DirectEdit) && editable) ShowInplaceEdit();
  // 43.
  if (NearSideEdge(CR, X)) return;
  // 44. Direct editing.
  if (normal && (editable || (ma.EditOnDblClickOnly() && hasCombo)) && (ma.DirectEdit || hasCombo) &&
      !IsClickableCell(RC, R)) {
    if (ma.EditOnDblClickOnly() && hasCombo && !Options().Contains(goEditing)) {
      SetOptions(Options() + goEditing);
      if (Widget() && CanFocus()) SetFocus();
    }
    bool go = true;
    if (R != Row() && OnRowChanging) OnRowChanging(this, Row(), R, go);
    if (C != Col() && OnColChanging) OnColChanging(this, Col(), C, go);
    if ((R != Row() || C != Col()) && OnCellChanging) OnCellChanging(this, Row(), Col(), R, C, go);
    if (go) {
      const bool base = IsBaseCell(RealColIndex(OC), OR);
      const int ec = base ? OC : C, er = base ? OR : R;
      TStringGrid::SetSelection({ec, er, ec, er});
      RememberEditedCell(ec, er);
      ShowEditor();
    }
  }
  // 45. A press on a cell that cannot be edited goes on selecting a range.
  if (keepSelecting) SetGridState(gsSelecting);
}

void TExStringGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TMouseActions& ma = *FMouseActions;
  int C = -1, R = -1;
  MouseToCell(X, Y, C, R);
  // M1. Range select and edit: the current cell opens its editor.
  if (ma.RangeSelectAndEdit && Button == mbLeft && !ma.EditOnDblClickOnly() && C >= 0 && R >= 0) {
    if (C == Col() && R == Row() && !Options().Contains(goEditing) && IsEditable(C, R)) {
      SetOptions(Options() + goEditing);
      TBaseGrid::MouseDown(Button, Shift, X, Y);
      ShowInplaceEdit();
      return;
    }
    if ((C != Col() || R != Row()) && Options().Contains(goEditing) && Shift.Contains(ssShift)) {
      SetOptions(Options() - goEditing);
      TBaseGrid::MouseDown(Button, Shift, X, Y);
      return;
    }
  }
  // M2-M3. (Fixed drop-down buttons and the pressed gradient come with their features.)
  // M4.
  TBaseGrid::MouseDown(Button, Shift, X, Y);
  if (Shift.Contains(ssShift) && SelectionRectangle()) InvalidateCellRange(Selection());
  // M5. Fixed-cell editing by a left or right press.
  if (C >= 0 && R >= 0 && C < ColCount() && R < RowCount()) {
    const TRect cr = CellRect(C, R);
    const bool inner = X > cr.Left + 4 && X < cr.Right - 4 && Y > cr.Top + 4 && Y < cr.Bottom - 4;
    if (R < FixedRows() && Button == mbLeft && ma.FixedRowsEdit == fceLeftClick) {
      if (!Options().Contains(goColSizing) || inner) ShowFixedCellEditor(C, R);
      return;
    }
    if (C < FixedCols() && Button == mbLeft && ma.FixedColsEdit == fceLeftClick) {
      if (!Options().Contains(goRowSizing) || inner) ShowFixedCellEditor(C, R);
      return;
    }
    if ((R < FixedRows() && Button == mbRight && ma.FixedRowsEdit == fceRightClick) ||
        (C < FixedCols() && Button == mbRight && ma.FixedColsEdit == fceRightClick)) {
      ShowFixedCellEditor(C, R);
      return;
    }
  }
  // M6. (Synchronised grids come with their feature.)
}

bool TExStringGrid::OnSelectionHandle(int X, int Y) {
  const TGridRect s = Selection();
  const TRect r = CellRect(std::max(s.Left, s.Right), std::max(s.Top, s.Bottom));
  if (r.Right <= r.Left || r.Bottom <= r.Top) return false;
  return X >= r.Right - 6 && X < r.Right && Y >= r.Bottom - 6 && Y < r.Bottom;
}
