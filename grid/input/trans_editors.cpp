// The fixed-cell editors: stop-edit (validate, then store), exit and keys.
#include "grid/input/trans_editors.h"

#include "grid/view/ex_string_grid.h"

bool StopFixedCellEdit(TExStringGrid* Grid, TWinControl* Editor, int Col, int Row, const QString& Text) {
  if (!Grid || Grid->Destroying()) {
    Editor->SetVisible(false);
    return true;
  }
  QString value = Text;
  bool valid = true;
  if (Grid->OnCellValidate) Grid->OnCellValidate(Grid, Col, Row, value, valid);
  if (!valid) {
    // The grid's cursor goes to the edited header cell; the editor stays.
    Grid->SetCol(Grid->RealToDisplCol(Col));
    Grid->SetRow(Row);
    if (Editor->CanFocus()) Editor->SetFocus();
    return false;
  }
  if (Grid->OnEditingDone) Grid->OnEditingDone(Grid);
  Grid->SetCellEx(Col, Row, value);
  Editor->SetVisible(false);
  return true;
}

TGridTransEdit::TGridTransEdit(TExStringGrid* AGrid) : TEdit(AGrid), FGrid(AGrid) {
  SetVisible(false);
  SetBorderStyle(bsNone);
  SetParent(AGrid);
}

bool TGridTransEdit::StopEdit() { return StopFixedCellEdit(FGrid, this, Col, Row, Text()); }

void TGridTransEdit::DoExit() {
  TEdit::DoExit();
  if (Visible()) StopEdit();
}

void TGridTransEdit::KeyPress(QChar& Key) {
  if (Key == QChar(13)) Key = QChar();
  TEdit::KeyPress(Key);
}

TGridTransCombo::TGridTransCombo(TExStringGrid* AGrid) : TComboBox(AGrid), FGrid(AGrid) {
  SetVisible(false);
  SetParent(AGrid);
}

bool TGridTransCombo::StopEdit() { return StopFixedCellEdit(FGrid, this, Col, Row, Text()); }

void TGridTransCombo::DoExit() {
  TComboBox::DoExit();
  if (Visible()) StopEdit();
}

void TGridTransCombo::KeyPress(QChar& Key) {
  if (Key == QChar(13)) Key = QChar();
  TComboBox::KeyPress(Key);
}

// --- the grid's side ---

TGridTransEdit* TExStringGrid::FixedCellEdit() {
  if (!EditTrans) EditTrans = new TGridTransEdit(this);
  return EditTrans;
}

TGridTransCombo* TExStringGrid::FixedCellCombo() {
  if (!ComboTrans) ComboTrans = new TGridTransCombo(this);
  return ComboTrans;
}

void TExStringGrid::FixedEditChange(const QString& Text) {
  if (OnEditChange) OnEditChange(this, FFixedColEdit, FFixedRowEdit, Text);
}

void TExStringGrid::ShowFixedCellEditor(int ACol, int ARow) {
  // 1. An open fixed-cell editor ends first; a refusal keeps it.
  if (EditTrans && EditTrans->Visible() && !EditTrans->StopEdit()) return;
  if (ComboTrans && ComboTrans->Visible() && !ComboTrans->StopEdit()) return;
  // 2.
  bool canEdit = true;
  if (OnCanEditCell) OnCanEditCell(this, ARow, ACol, canEdit);
  if (!canEdit) return;
  // 3.
  FFixedColEdit = ACol;
  FFixedRowEdit = ARow;
  // 4.
  TGridFixedCellEditor kind = ACol == 0 ? FMouseActions->FixedColsEditor : FMouseActions->FixedRowsEditor;
  TGridTransCombo* combo = FixedCellCombo();
  TStringList values = FMouseActions->FixedComboValues();
  FixedEditHook(ACol, ARow, kind, &values);
  combo->Items()->Clear();
  for (int i = 0; i < values.Count(); ++i) combo->Items()->Add(values.Strings(i));
  // 5.
  TRect r = CellRect(ACol, ARow);
  r = {r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
  const int rc = RealColIndex(ACol);
  // 6-7.
  if (kind == fceEdit) {
    TGridTransEdit* edit = FixedCellEdit();
    edit->SetBounds(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
    edit->OnChange = [this](TObject*) { FixedEditChange(EditTrans->Text()); };
    edit->SetText(GetGridCell(rc, ARow));
    edit->Col = rc;
    edit->Row = ARow;
    edit->SetVisible(true);
    if (edit->CanFocus()) edit->SetFocus();
    return;
  }
  combo->SetBounds(r.Left - 1, r.Top - 1, r.Right - r.Left + 1, r.Bottom - r.Top);
  combo->SetStyle(kind == fceComboEdit ? csDropDown : csDropDownList);
  combo->OnChange = [this](TObject*) { FixedEditChange(ComboTrans->Text()); };
  const QString text = GetGridCell(rc, ARow);
  if (kind == fceComboEdit) {
    combo->SetText(text);
  } else {
    combo->SetItemIndex(combo->Items()->IndexOf(text));
  }
  combo->Col = rc;
  combo->Row = ARow;
  combo->SetVisible(true);
  if (combo->CanFocus()) combo->SetFocus();
}
