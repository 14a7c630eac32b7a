// Check boxes and radio buttons in cells: adding and removing them (one cell or
// a whole column), reading and setting their state without an event, changing
// it with the change event, toggling it as a click does, and the hit test of the
// box. The state lives in the graphic (plain and tri-state boxes, radio
// buttons), in the cell text (data and column check boxes: the check texts) or
// in the row selection (row check boxes in column 0).
#include "grid/base/undo_redo.h"
#include "grid/view/ex_string_grid.h"
#include "platform/rtl/exceptions.h"

namespace {

bool IsToggleKind(TCellType t) {
  return t == ctCheckBox || t == ctDataCheckBox || t == ctVirtCheckBox || t == ctRowCheckBox ||
         t == ctTriStateCheckBox;
}

}  // namespace

void TExStringGrid::CheckCellInGrid(int ACol, int ARow) const {
  // Negative indexes are refused as well as those past the hidden-inclusive counts.
  if (ACol < 0 || ARow < 0 || ACol >= AllColCount() || ARow >= AllRowCount())
    throw Exception(QStringLiteral("Invalid cell"));
}

QString TExStringGrid::CheckText(int ACol, int ARow, bool State) {
  QString text;
  if (State)
    GetCheckTrue(ACol, ARow, text);
  else
    GetCheckFalse(ACol, ARow, text);
  return text;
}

// The graphic a state operation works on, and the text of its cell: while rows
// are hidden, ARow is a real row and the real row's own properties answer.
TCellGraphic* TExStringGrid::StateGraphic(int ACol, int ARow, QString* Text, bool* Own) {
  if (Own) *Own = false;
  if (NumHiddenRows() > 0) {
    if (auto* props = dynamic_cast<TCellProperties*>(GetRealRowProperties(ACol, ARow))) {
      if (Own) *Own = true;
      if (Text) *Text = GetCellsEx(ACol, ARow);
      return dynamic_cast<TCellGraphic*>(CellGraphicOf(props));
    }
  }
  if (Text) *Text = GetCellEx(ACol, ARow);
  return GetCellGraphic(ACol, ARow);
}

// --- adding and removing ---

void TExStringGrid::AddCheckBox(int ACol, int ARow, bool State, bool Data) {
  // 1.
  CheckCellInGrid(ACol, ARow);
  // 2.
  TCellGraphic* g = CreateCellGraphic(ACol, ARow);
  if (!g) return;
  g->SetCheckBox(State, Data, true, haBeforeText, CellVAlignOf(FVAlignment));
  // 3. A data check box keeps a check text already in the cell.
  if (!Data) return;
  const QString text = GetCellEx(ACol, ARow);
  if (text == CheckTrue || text == CheckFalse) return;
  SetCellEx(ACol, ARow, State ? CheckTrue : CheckFalse);
}

void TExStringGrid::AddCheckBoxColumn(int ACol, bool DefaultState, bool DataCheckBox) {
  const int from = FMouseActions->CheckAllCheck ? 0 : FixedRows();
  for (int r = from; r < RowCount(); ++r) {
    if (GetCellType(0, r) == ctSummary) continue;
    if (GetCellType(0, r) == ctNode)
      AddCheckBox(ACol, r, cbUnchecked);
    else
      AddCheckBox(ACol, r, DefaultState, DataCheckBox);
  }
}

void TExStringGrid::RemoveCheckBoxColumn(int ACol) {
  const int from = FMouseActions->CheckAllCheck ? 0 : FixedRows();
  for (int r = from; r < RowCount(); ++r)
    if (HasCheckBox(ACol, r)) RemoveCheckBox(ACol, r);
}

void TExStringGrid::RemoveCheckBox(int ACol, int ARow) {
  TCellGraphic* g = GetCellGraphic(ACol, ARow);
  if (!g) return;
  if (g->CellType != ctCheckBox && g->CellType != ctDataCheckBox && g->CellType != ctTriStateCheckBox) return;
  if (g->CellAngle == 1) {
    delete g->CellBitmap;
    g->CellBitmap = nullptr;
    g->CellAngle = 0;
  }
  RemoveCellGraphic(ACol, ARow);
  RepaintCell(RealToDisplCol(ACol), ARow);
}

// --- reading and setting without an event ---

bool TExStringGrid::GetCheckBoxState(int ACol, int ARow, bool& State) {
  QString text;
  bool own = false;
  TCellGraphic* g = StateGraphic(ACol, ARow, &text, &own);
  if (!g) return false;
  switch (g->CellType) {
    case ctCheckBox:
      State = g->CellBoolean;
      return true;
    case ctDataCheckBox:
    case ctVirtCheckBox:
      State = text == CheckText(ACol, ARow, true);
      return true;
    case ctRowCheckBox:
      if (ACol != 0) return false;
      State = RowSelect(ARow);
      return true;
    case ctTriStateCheckBox:
      if (!own) return false;
      State = text == CheckText(ACol, ARow, true);
      return true;
    default:
      return false;
  }
}

bool TExStringGrid::IsChecked(int ACol, int ARow) {
  bool state = false;
  GetCheckBoxState(ACol, ARow, state);
  return state;
}

bool TExStringGrid::SetCheckBoxState(int ACol, int ARow, bool State) {
  TCellGraphic* g = StateGraphic(ACol, ARow, nullptr, nullptr);
  if (!g) return false;
  switch (g->CellType) {
    case ctCheckBox:
      g->CellBoolean = State;
      RepaintCell(RealToDisplCol(ACol), DisplRowIndex(ARow));
      return true;
    case ctDataCheckBox:
    case ctVirtCheckBox:
      SetCellEx(ACol, ARow, CheckText(ACol, ARow, State));
      return true;
    case ctRowCheckBox:
      if (ACol != 0) return false;
      SetRowSelect(ARow, State);
      return true;
    default:
      return false;
  }
}

bool TExStringGrid::SetCheckBoxState(int ACol, int ARow, TCheckBoxState State) {
  TCellGraphic* g = StateGraphic(ACol, ARow, nullptr, nullptr);
  if (!g || g->CellType != ctTriStateCheckBox) return false;
  g->CellCheckBoxState = State;
  RepaintCell(RealToDisplCol(ACol), DisplRowIndex(ARow));
  return true;
}

// --- changing with the event ---

bool TExStringGrid::ChangeCheckBoxState(int ACol, int ARow, bool State) {
  const int row = NumHiddenRows() > 0 ? RealRowIndex(ARow) : ARow;
  QString text;
  TCellGraphic* g = StateGraphic(ACol, row, &text, nullptr);
  if (!g) return false;
  switch (g->CellType) {
    case ctCheckBox:
      if (g->CellBoolean != State) {
        g->CellBoolean = State;
        CheckBoxChangeHook(ACol, ARow, State);
        RepaintCell(RealToDisplCol(ACol), ARow);
      }
      return true;
    case ctDataCheckBox:
    case ctVirtCheckBox: {
      const bool old = GetCellEx(ACol, ARow) == CheckText(ACol, ARow, true);
      SetCellEx(ACol, ARow, CheckText(ACol, ARow, State));
      if (old != State) CheckBoxChangeHook(ACol, ARow, State);
      return true;
    }
    case ctRowCheckBox:
      if (ACol != 0) return false;
      if (RowSelect(ARow) != State) {
        SetRowSelect(ARow, State);
        CheckBoxChangeHook(ACol, ARow, State);
      }
      return true;
    default:
      return false;
  }
}

void TExStringGrid::CheckAll(int ACol) {
  for (int r = FixedRows(); r < RowCount(); ++r) ChangeCheckBoxState(ACol, r, true);
  if (FNumHidden > 0) RepaintCol(RealToDisplCol(ACol));
}

void TExStringGrid::UnCheckAll(int ACol) {
  for (int r = FixedRows(); r < RowCount(); ++r) ChangeCheckBoxState(ACol, r, false);
}

// --- toggling ---

bool TExStringGrid::ToggleCheckBox(int ACol, int ARow) { return ToggleCheckBoxHook(ACol, ARow, false); }

bool TExStringGrid::ToggleCheckBoxHook(int ACol, int ARow, bool ByMouse) {
  // 1.
  TCellGraphic* g = GetCellGraphic(ACol, ARow);
  if (!g) return false;
  // 2. (Grouped check boxes follow their node rows with the grouping feature.)
  // 3.
  if (!IsToggleKind(g->CellType)) return false;
  // 4. A click needs an editable cell unless boxes are always active.
  if (ByMouse && !FControlLook->CheckAlwaysActive) {
    bool canEdit = true;
    CanEditCell(ACol, ARow, canEdit);
    if (!canEdit) return false;
  }
  // 5. The new state.
  bool state = false;
  bool textChanged = false;
  QString oldText;
  switch (g->CellType) {
    case ctCheckBox:
      g->CellBoolean = !g->CellBoolean;
      state = g->CellBoolean;
      break;
    case ctTriStateCheckBox:
      g->CellCheckBoxState = g->CellCheckBoxState == cbUnchecked ? cbGrayed
                             : g->CellCheckBoxState == cbGrayed  ? cbChecked
                                                                 : cbUnchecked;
      // The event reports the real result: checked only in the checked state.
      state = g->CellCheckBoxState == cbChecked;
      break;
    case ctRowCheckBox:
      // The row's selection is its state; the cell's text stays as it is.
      if (ACol != 0) return false;
      state = !RowSelect(ARow);
      SetRowSelect(ARow, state);
      break;
    default: {
      oldText = GetCellEx(ACol, ARow);
      state = oldText != CheckText(ACol, ARow, true);
      SetCellEx(ACol, ARow, CheckText(ACol, ARow, state));
      textChanged = true;
      break;
    }
  }
  // 6.
  RepaintCell(RealToDisplCol(ACol), ARow);
  CheckBoxChangeHook(ACol, ARow, state);
  // 7. (Group checking comes with the grouping feature.)
  // 8. Boxes whose state is the cell's text can be undone: the text before and
  //    after. Plain, tri-state and row boxes keep their state outside the text.
  if (textChanged && UndoRedo()) UndoRedo()->RegisterChange(ACol, ARow, oldText, GetCellEx(ACol, ARow));
  return true;
}

// --- hit test ---

bool TExStringGrid::IsInCheckBox(int ACol, int ARow, int XPos, int YPos) {
  TCellGraphic* g = GetCellGraphic(ACol, ARow);
  if (!g) return false;
  const TCellType t = g->CellType;
  if (!IsToggleKind(t) && t != ctRadioButton) return false;
  if (!FMouseActions->PreciseCheckBoxCheck) return true;
  const TRect r = CellRect(RealToDisplCol(ACol), ARow);
  const int s = FControlLook->CheckSize;
  int top = r.Top + 2;
  if (g->CellVAlign == vaBottom) top = r.Bottom - 2 - s;
  if (g->CellVAlign == vaCenter) top = r.Top + (r.Height() - s) / 2;
  TAlignment ha = taLeftJustify;
  TVAlignment va = vtaTop;
  GetCellAlignment(ACol, ARow, ha, va);
  int left = r.Left + 2;
  if (ha == taRightJustify) {
    left = r.Right - 2 - s;
    if (!GetCellEx(ACol, ARow).isEmpty()) left -= GetCellTextSize(ACol, ARow, false, false).X;
  } else if (ha == taCenter) {
    left = r.Left + (r.Width() - s) / 2;
  }
  return PtInRect(Bounds(left, top, s, s), Point(XPos, YPos));
}

// --- radio buttons ---

void TExStringGrid::AddRadioButton(int ACol, int ARow, bool State) {
  CheckCellInGrid(ACol, ARow);
  TCellGraphic* g = CreateCellGraphic(ACol, ARow);
  if (g) g->SetRadioButton(State, true, haBeforeText, CellVAlignOf(FVAlignment));
}

void TExStringGrid::AddRadioButtonColumn(int ACol) {
  for (int r = FixedRows(); r < RowCount(); ++r) AddRadioButton(ACol, r, false);
}

void TExStringGrid::RemoveRadioButtonColumn(int ACol) {
  for (int r = FixedRows(); r < RowCount(); ++r)
    if (HasRadioButton(ACol, r)) RemoveRadioButton(ACol, r);
}

void TExStringGrid::RemoveRadioButton(int ACol, int ARow) {
  if (RemoveCellGraphicOfType(ACol, ARow, ctRadioButton)) RepaintCell(RealToDisplCol(ACol), ARow);
}

bool TExStringGrid::HasRadioButton(int ACol, int ARow) {
  const TPoint b = BaseCell(ACol, ARow);
  return GetCellType(b.X, b.Y) == ctRadioButton;
}

bool TExStringGrid::IsRadioButtonChecked(int ACol, int ARow) {
  const TPoint b = BaseCell(ACol, ARow);
  TCellGraphic* g = GetCellGraphic(b.X, b.Y);
  return g && g->CellType == ctRadioButton && g->CellBoolean;
}

bool TExStringGrid::SetRadioButtonState(int ACol, int ARow, bool State) {
  const TPoint b = BaseCell(ACol, ARow);
  TCellGraphic* g = GetCellGraphic(b.X, b.Y);
  if (!g || g->CellType != ctRadioButton) return false;
  if (g->CellBoolean != State) {
    g->CellBoolean = State;
    RepaintCell(RealToDisplCol(b.X), b.Y);
  }
  return true;
}

void TExStringGrid::SetRadioButtonColumnIndex(int ACol, int Index) {
  for (int r = FixedRows(); r < RowCount(); ++r) SetRadioButtonState(ACol, r, r == Index);
}

int TExStringGrid::GetRadioButtonColumnIndex(int ACol) {
  for (int r = FixedRows(); r < RowCount(); ++r)
    if (HasRadioButton(ACol, r) && IsRadioButtonChecked(ACol, r)) return r;
  return -1;
}

bool TExStringGrid::SetRadioButtonHook(int ACol, int ARow, bool ByMouse) {
  TCellGraphic* g = GetCellGraphic(ACol, ARow);
  if (!g || g->CellType != ctRadioButton) return false;
  if (ByMouse && !FControlLook->CheckAlwaysActive) {
    bool canEdit = true;
    CanEditCell(ACol, ARow, canEdit);
    if (!canEdit) return false;
  }
  if (!g->CellBoolean) {
    g->CellBoolean = true;
    RepaintCell(RealToDisplCol(ACol), ARow);
    for (int r = 0; r < RowCount(); ++r) {
      if (r == ARow) continue;
      TCellGraphic* other = GetCellGraphic(ACol, r);
      if (other && other->CellType == ctRadioButton && other->CellBoolean) {
        other->CellBoolean = false;
        RepaintCell(RealToDisplCol(ACol), r);
      }
    }
  }
  return true;
}
