// The CONTROL-tag editors' keys, and opening, ending and choosing in them.
#include "grid/input/control_editors.h"

#include "grid/base/html_controls.h"
#include "grid/base/html_render.h"
#include "grid/view/ex_string_grid.h"

void TControlEdit::EndEdit(TExStringGrid* Grid, int Key, TShiftState Shift) {
  const QString id = Grid->FCtrlID;
  const TGridCoord at = Grid->FCtrlXY;
  Grid->ControlEditDone(nullptr);
  if (Key != VK_TAB) {
    Grid->SetFocus();
    return;
  }
  if (Grid->Navigation()->AdvanceAuto()) {
    Grid->SetFocus();
    Grid->AdvanceCell(Grid->Col(), Grid->Row(), false, false, !Shift.Contains(ssShift), false, true);
    return;
  }
  Grid->FocusHTMLControl(Grid->RealToDisplCol(at.X), at.Y, id);
}

namespace {

void ClaimEnterTab(TMessage& Message) {
  const int key = Message.CharCode();
  if (key == VK_RETURN || key == VK_TAB) Message.Result = 1;
}

}  // namespace

// --- the edit ---

TControlEdit::TControlEdit(TExStringGrid* AGrid) : TCustomMaskEdit(AGrid), FGrid(AGrid) {
  SetVisible(false);
  SetBorderStyle(bsNone);
  SetParent(AGrid);
}

void TControlEdit::CMWantSpecialKey(TMessage& Message) {
  TCustomMaskEdit::CMWantSpecialKey(Message);
  ClaimEnterTab(Message);
}

void TControlEdit::KeyDown(int& Key, TShiftState Shift) {
  if (Key == VK_RETURN || Key == VK_TAB) {
    const int k = Key;
    Key = 0;
    TControlEdit::EndEdit(FGrid, k, Shift);
    return;
  }
  TCustomMaskEdit::KeyDown(Key, Shift);
}

void TControlEdit::KeyPress(QChar& Key) {
  if (Key == QChar(13) || Key == QChar(9)) Key = QChar();
  TCustomMaskEdit::KeyPress(Key);
}

// --- the combo ---

TControlCombo::TControlCombo(TExStringGrid* AGrid) : TEsgComboBox(AGrid), FGrid(AGrid) {
  SetVisible(false);
  SetParent(AGrid);
}

void TControlCombo::CMWantSpecialKey(TMessage& Message) {
  TEsgComboBox::CMWantSpecialKey(Message);
  ClaimEnterTab(Message);
}

void TControlCombo::KeyDown(int& Key, TShiftState Shift) {
  if (Key == VK_RETURN || Key == VK_TAB) {
    const int k = Key;
    Key = 0;
    if (DroppedDown()) SetDroppedDown(false);
    TControlEdit::EndEdit(FGrid, k, Shift);
    return;
  }
  TEsgComboBox::KeyDown(Key, Shift);
}

void TControlCombo::KeyPress(QChar& Key) {
  if (Key == QChar(13) || Key == QChar(9)) Key = QChar();
  TEsgComboBox::KeyPress(Key);
}

void TControlCombo::Select() {
  TEsgComboBox::Select();
  FGrid->ControlComboSelect(this);
}

// --- the grid's side ---

TControlEdit* TExStringGrid::ControlEdit() {
  if (!FEditControl) FEditControl = new TControlEdit(this);
  return FEditControl;
}

TControlCombo* TExStringGrid::ControlCombo() {
  if (!FComboControl) FComboControl = new TControlCombo(this);
  return FComboControl;
}

void TExStringGrid::ShowControlEditor(const QString& Text, const QString& CtrlType, const QString& CtrlID,
                                      const QString& CtrlValue, TRect R, int ACol, int RealCol, int ARow) {
  (void)ACol;
  const QString type = CtrlType.toUpper();
  if (type == QStringLiteral("EDIT") || type == QStringLiteral("PASSWORD") || type == QStringLiteral("MASK")) {
    FCtrlXY = {RealCol, ARow};
    FCtrlID = CtrlID;
    FCtrlType = type;
    FCtrlEditing = true;
    TControlEdit* edit = ControlEdit();
    edit->SetBounds(edit->Left(), edit->Top(), 0, edit->Height());
    edit->SetPasswordChar(type == QStringLiteral("PASSWORD") ? QChar(u'*') : QChar());
    edit->SetEditMask(type == QStringLiteral("MASK") ? GetHtmlControlProp(Text, CtrlID) : QString());
    edit->OnExit = [this](TObject* Sender) { ControlEditDone(Sender); };
    edit->SetText(CtrlValue);
    edit->SetBorderStyle(bsNone);
    edit->SetBounds(R.Left + 1, R.Top + 8, R.Right - R.Left - 4, 14);
    edit->SetMaxLength(GetHtmlControlMaxLen(Text, CtrlID));
    edit->SetVisible(true);
    edit->BringToFront();
    if (edit->CanFocus()) edit->SetFocus();
    return;
  }
  if (type == QStringLiteral("COMBO")) {
    FCtrlXY = {RealCol, ARow};
    FCtrlID = CtrlID;
    FCtrlType = type;
    FCtrlEditing = true;
    TControlCombo* combo = ControlCombo();
    combo->SetBounds(R.Left - 1, R.Top + 4, 0, combo->Height());
    combo->SetFlat(false);
    bool edit = true;
    int dropCount = 8;
    TStringList values;
    if (OnControlComboList) OnControlComboList(this, ARow, RealCol, CtrlID, type, CtrlValue, &values, edit, dropCount);
    combo->Items()->Clear();
    for (int i = 0; i < values.Count(); ++i) combo->Items()->Add(values.Strings(i));
    combo->SetStyle(edit ? csDropDown : csDropDownList);
    const int idx = combo->Items()->IndexOf(CtrlValue);
    if (idx >= 0) combo->SetItemIndex(idx);
    if (edit) combo->SetText(CtrlValue);
    combo->SetDropDownCount(dropCount);
    combo->OnExit = [this](TObject* Sender) { ControlEditDone(Sender); };
    combo->SetBounds(R.Left - 1, R.Top + 4, R.Right - R.Left, combo->Height());
    combo->SetMaxLength(GetHtmlControlMaxLen(Text, CtrlID));
    combo->SetVisible(true);
    combo->BringToFront();
    if (combo->CanFocus()) combo->SetFocus();
    combo->SetDroppedDown(true);
  }
}

void TExStringGrid::ControlEditDone(TObject* Sender) {
  (void)Sender;
  if (!FCtrlEditing || Destroying()) return;
  FCtrlEditing = false;
  QString value;
  if (FCtrlType == QStringLiteral("COMBO")) {
    value = FComboControl->Text();
    FComboControl->SetVisible(false);
  } else {
    value = FEditControl->Text();
    FEditControl->SetVisible(false);
  }
  // The value goes into the cell's text as it is now.
  QString text = GetGridCell(FCtrlXY.X, FCtrlXY.Y);
  if (SetHtmlControlValue(text, FCtrlID, value)) SetCellEx(FCtrlXY.X, FCtrlXY.Y, text);
  if (OnControlEditDone) OnControlEditDone(this, FCtrlXY.Y, FCtrlXY.X, FCtrlID, FCtrlType, value);
  FCtrlType.clear();
}

void TExStringGrid::ControlComboSelect(TObject* Sender) {
  (void)Sender;
  if (!OnControlComboSelect || !FComboControl) return;
  const int idx = FComboControl->ItemIndex();
  const QString item = idx >= 0 && idx < FComboControl->Items()->Count() ? FComboControl->Items()->Strings(idx) : QString();
  OnControlComboSelect(this, FCtrlXY.Y, FCtrlXY.X, idx, FCtrlID, item);
}

void TExStringGrid::FocusHTMLControl(int ACol, int ARow, const QString& CtrlID) {
  const int rc = RealColIndex(ACol);
  const QString text = GetGridCell(rc, ARow);
  const QString next = NextHtmlControlId(text, CtrlID);
  THtmlDrawOutput out;
  out.ControlId = next;
  if (next.isEmpty() || !HtmlCellHitTest(ACol, ARow, -1, -1, out)) {
    SetFocus();
    return;
  }
  ShowControlEditor(text, out.ControlType, next, out.ControlValue, out.ControlRect, ACol, rc, ARow);
}
