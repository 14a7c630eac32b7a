// The grid's combo editor: key protocol, wheel, completion and the change
// notices to the grid.
#include "grid/input/grid_combo.h"

#include <algorithm>

#include "grid/view/ex_string_grid.h"

int ComboDropDownWidth(int ComboWidth, const std::vector<int>& ItemWidths, int DropDownCount) {
  int w = ComboWidth;
  const bool scrolls = static_cast<int>(ItemWidths.size()) > DropDownCount;
  for (int iw : ItemWidths) {
    if (scrolls && iw > w - 25) w = iw + 25;
    if (!scrolls && iw > w - 5) w = iw + 8;
  }
  return std::max(w, ComboWidth);
}

TGridCombo::TGridCombo(TExStringGrid* AGrid) : TEsgComboBox(AGrid), FGrid(AGrid) {
  SetVisible(false);
  SetEnabled(false);
  SetParent(AGrid);
  SetButtonWidth(16);
}

void TGridCombo::SizeDropDownWidth() {
  std::vector<int> widths;
  TCanvas* canvas = FGrid->Canvas();
  for (int i = 0; i < Items()->Count(); ++i) widths.push_back(canvas->TextWidth(Items()->Strings(i)));
  SetDroppedWidth(ComboDropDownWidth(Width(), widths, DropDownCount()));
}

void TGridCombo::RaiseComboChange() {
  const int rc = FGrid->RealColIndex(FGrid->Col()), row = FGrid->Row();
  const int idx = ItemIndex();
  if (FGrid->OnComboChange) FGrid->OnComboChange(FGrid, rc, row, idx, Text());
  if (FGrid->OnComboObjectChange) {
    TObject* obj = idx >= 0 && idx < Items()->Count() ? Items()->Objects(idx) : nullptr;
    FGrid->OnComboObjectChange(FGrid, rc, row, idx, Text(), obj);
  }
}

void TGridCombo::Select() {
  TEsgComboBox::Select();
  RaiseComboChange();
}

// One typed change: OnEditChange, then one OnComboChange with the real column.
void TGridCombo::Change() {
  TEsgComboBox::Change();
  if (FGrid->OnEditChange) FGrid->OnEditChange(FGrid, FGrid->Col(), FGrid->Row(), Text());
  if (Style() == csDropDown) RaiseComboChange();
}

void TGridCombo::WndProc(TMessage& Message) {
  if (Message.Msg != WM_MOUSEWHEEL) {
    TEsgComboBox::WndProc(Message);
    return;
  }
  const int delta = static_cast<int16_t>((Message.WParam >> 16) & 0xFFFF);
  const int count = Items()->Count();
  int idx = ItemIndex();
  if (delta < 0 && idx < count - 1) ++idx;
  if (delta > 0 && idx > 0) --idx;
  if (idx != ItemIndex() && idx >= 0) SetItemIndex(idx);
  if (FGrid->OnEditChange) FGrid->OnEditChange(FGrid, FGrid->RealColIndex(FGrid->Col()), FGrid->Row(), Text());
  RaiseComboChange();
  Message.Result = 0;
}

void TGridCombo::KeyPress(QChar& Key) {
  if (FGrid->OnKeyPress) FGrid->OnKeyPress(this, Key);
  if (Key == QChar(27)) Key = QChar();
  if (Key == QChar(13) && OnReturnKey) OnReturnKey(this);
  if (Key == QChar(13) || Key == QChar(9)) Key = QChar();
  TEsgComboBox::KeyPress(Key);
}

void TGridCombo::CMWantSpecialKey(TMessage& Message) {
  TEsgComboBox::CMWantSpecialKey(Message);
  const int key = Message.CharCode();
  if (key == VK_RETURN || key == VK_ESCAPE) Message.Result = 1;
  if (key == VK_TAB && FGrid->EditorHandlesTab()) Message.Result = 1;
}

void TGridCombo::WMSetFocus(TMessage& Message) {
  TEsgComboBox::WMSetFocus(Message);
  if (!FGrid->Navigation()->EditSelectAll && Style() == csDropDown) SetSelStart(Text().size());
}

void TGridCombo::DoExit() {
  if (FGrid->LookupHistory && !Text().isEmpty() && Items()->IndexOf(Text()) < 0) Items()->Add(Text());
  // Leaving the combo validates first; a refused value leaves the cell as it
  // was and announces nothing.
  if (FGrid->EditMode && FGrid->FEditing && !CommitText(false)) {
    ReloadFromCell();
    FGrid->FEditActive = false;
  }
  FGrid->HideInplaceEdit();
  TEsgComboBox::DoExit();
}

bool TGridCombo::CommitText(bool selectAll) {
  const QString text = Text();
  FGrid->FValidating = true;
  FGrid->SetCurrentCell(text);
  FGrid->FValidating = false;
  if (FGrid->ValidateCell(text)) return true;
  SetText(FGrid->FNewCellText);
  if (selectAll && !ListOnly()) SelectAll();
  Repaint();
  return false;
}

void TGridCombo::ReloadFromCell() {
  const QString text = FGrid->CurrentCell();
  if (ListOnly()) {
    const int idx = Items()->IndexOf(text);
    if (idx >= 0) SetItemIndex(idx);
  } else {
    SetText(text);
  }
}

// The special editors' key protocol, with the combo's row of it.
void TGridCombo::KeyDown(int& Key, TShiftState Shift) {
  WorkMode = Key != VK_BACK && Key != VK_DELETE;
  TNavigation* nav = FGrid->Navigation();
  const bool open = DroppedDown();
  // Up and Down leave the cell at once when the combo does not take them.
  if ((Key == VK_UP || Key == VK_DOWN) && !nav->ComboGetUpDown && !open) {
    FGrid->HideInplaceEdit();
    const bool alwaysEdit = nav->AlwaysEdit;
    nav->AlwaysEdit = false;
    FGrid->SetFocus();
    nav->AlwaysEdit = alwaysEdit;
    FGrid->GridKeyDown(Key, Shift);
    Key = 0;
    return;
  }
  // 1. Navigation keys.
  const bool listKeys = open || ListOnly();
  bool navigation = false;
  switch (Key) {
    case VK_TAB:
    case VK_RETURN:
    case VK_ESCAPE: navigation = true; break;
    case VK_LEFT:
    case VK_RIGHT: navigation = listKeys; break;
    case VK_PRIOR:
    case VK_NEXT:
    case VK_END:
    case VK_UP: navigation = !listKeys; break;
    case VK_DOWN: navigation = !listKeys && !Shift.Contains(ssAlt); break;
    default: break;
  }
  if (!navigation) {
    TEsgComboBox::KeyDown(Key, Shift);
    return;
  }
  // 2. Escape: back to the cell's text, and the edit ends.
  if (Key == VK_ESCAPE) {
    ReloadFromCell();
    FGrid->FEditCancelled = true;
    FGrid->HideInplaceEdit();
    FGrid->SetFocus();
    Key = 0;
    return;
  }
  // 3. Commit keys validate; a refusal keeps the editor open.
  if (Key == VK_RETURN || Key == VK_UP || Key == VK_DOWN) {
    if (!CommitText(true)) {
      Key = 0;
      FGrid->FNoAutoAdvance = true;
      return;
    }
    ReloadFromCell();
  }
  // 4. Tab validates when the grid takes Tab in editors.
  if (Key == VK_TAB && FGrid->EditorHandlesTab()) {
    if (!CommitText(false)) {
      SetSelStart(Text().size());
      Key = 0;
      return;
    }
    ReloadFromCell();
    if (FGrid->Options().Contains(goTabs)) {
      FGrid->HideInplaceEdit();
      FGrid->SetFocus();
      int k = VK_TAB;
      FGrid->GridKeyDown(k, Shift);
      Key = 0;
      return;
    }
    PostMessage(FGrid, WM_KEYDOWN, VK_TAB, 0);
  }
  // 5. With the list open (always in the list style) the editor closes and
  // Left and Right move in the grid. Leaving by Left or Right validates first.
  if (listKeys) {
    if ((Key == VK_LEFT || Key == VK_RIGHT) && FGrid->FEditing && !CommitText(false)) {
      Key = 0;
      return;
    }
    const bool directClose = FGrid->MouseActions()->DirectComboClose;
    FGrid->MouseActions()->DirectComboClose = false;
    FGrid->HideInplaceEdit();
    FGrid->MouseActions()->DirectComboClose = directClose;
    if (Key == VK_LEFT || Key == VK_RIGHT) {
      FGrid->SetFocus();
      FGrid->GridKeyDown(Key, Shift);
      Key = 0;
      return;
    }
  } else if (Key == VK_END) {
    TEsgComboBox::KeyDown(Key, Shift);
    return;
  }
  // 6. Finish: the grid closes the edit and acts on the key.
  FGrid->DoneInplaceEdit(Key, Shift);
  if (nav->AdvanceOnEnter && nav->AdvanceAutoEdit) FGrid->ShowInplaceEdit();
  Key = 0;
}

// Walks out of the cell to the left or right: into a clickable neighbour
// directly, otherwise by the grid's advance. The text is validated first.
void TGridCombo::WalkOut(bool Forward) {
  TNavigation* nav = FGrid->Navigation();
  const int col = FGrid->Col(), row = FGrid->Row();
  const int span = Forward ? FGrid->CellSpan(FGrid->RealColIndex(col), row).X : 0;
  const int next = Forward ? col + span + 1 : col - 1;
  const bool inside = Forward ? col < FGrid->ColCount() - FGrid->FixedRightCols() - 1 : col > FGrid->FixedCols();
  if (FGrid->FEditing && !CommitText(false)) return;
  if (inside && FGrid->IsClickableCell(FGrid->RealColIndex(next), row)) {
    FGrid->HideInplaceEdit();
    FGrid->SetCol(next);
    return;
  }
  FGrid->HideInplaceEdit();
  FGrid->SetFocus();
  const TAdvanceDirection direction = nav->AdvanceDirection();
  nav->SetAdvanceDirection(adLeftRight);
  FGrid->AdvanceCell(col, row, true, false, Forward, false, true);
  nav->SetAdvanceDirection(direction);
  if (nav->CursorWalkAlwaysEdit) FGrid->ShowInplaceEdit();
}

void TGridCombo::KeyUp(int& Key, TShiftState Shift) {
  // 1-2. Left at the start or Right at the end of an editable combo's text.
  const bool plain = !Shift.Contains(ssShift) && !Shift.Contains(ssCtrl) && !Shift.Contains(ssAlt);
  if ((Key == VK_LEFT || Key == VK_RIGHT) && !ListOnly() && FGrid->Navigation()->CursorWalkEditor && plain &&
      SelLength() == 0) {
    const bool forward = Key == VK_RIGHT;
    if (forward ? CaretPos() == Text().size() : CaretPos() == 0) {
      Key = 0;
      WalkOut(forward);
      return;
    }
  }
  // 3.
  FGrid->FNoAutoAdvance = false;
  if (Key != VK_RETURN) TEsgComboBox::KeyUp(Key, Shift);
  DoChange();
}

void TGridCombo::DoChange() {
  if (!WorkMode || !FGrid->Lookup || ListOnly()) return;
  const bool cs = FGrid->LookupCaseSensitive;
  const QString typed = Text().left(CaretPos());
  if (typed.isEmpty()) return;
  const QString p = cs ? typed : typed.toUpper();
  auto complete = [&](const QString& item, int index) {
    const QString completed = Text().left(p.size()) + item.mid(p.size(), 255);
    if (index >= 0) SetItemIndex(index);
    SetText(completed);
    SetSelStart(p.size());
    SetSelLength(completed.size() - p.size());
  };
  for (int i = 0; i < Items()->Count(); ++i) {
    const QString item = Items()->Strings(i);
    if ((cs ? item : item.toUpper()).startsWith(p)) {
      complete(item, i);
      return;
    }
  }
  TStringList* lookup = FGrid->LookupItems();
  for (int i = 0; lookup && i < lookup->Count(); ++i) {
    const QString item = lookup->Strings(i);
    if ((cs ? item : item.toUpper()).startsWith(p)) {
      complete(item, -1);
      return;
    }
  }
}
