// The grid's edit-button and unit editors: the key protocol of the special
// editors with their rows, the kinds' character and paste rules, the button
// step, the walk out of the cell at the ends of the text and lookup completion.
#include "grid/input/grid_edit_btn.h"

#include "grid/input/inplace_char_rules.h"
#include "grid/view/ex_string_grid.h"
#include "platform/rtl/locale_settings.h"
#include "platform/ui/beep.h"
#include "platform/ui/clipboard.h"

TEditorType InplaceKindOf(TEditorType ButtonKind) {
  switch (ButtonKind) {
    case edEditBtn:
    case edMaskEditBtn:
    case edUnitEditBtn: return edNormal;
    case edNumericEditBtn:
    case edNumericUnitEditBtn: return edNumeric;
    case edFloatEditBtn:
    case edFloatUnitEditBtn: return edFloat;
    default: return edNone;
  }
}

bool ButtonKindTakesChar(TExStringGrid* Grid, TEsgEditBtn* Edit, TEditorType Kind, TMessage& Message) {
  const TEditorType rules = InplaceKindOf(Kind);
  if (rules == edNone) return false;
  if (rules == edNormal) return true;
  TInplaceCharInput in;
  in.Kind = rules;
  in.Key = QChar(static_cast<char16_t>(Message.CharCode()));
  in.Ctrl = GetKeyState(VK_CONTROL) < 0;
  in.KeypadKey = (Message.KeyData() & KF_KEYPAD) != 0;
  in.Text = Edit->Text();
  in.SelStart = Edit->SelStart();
  in.SelLength = Edit->SelLength();
  in.LengthLimit = Edit->MaxLength();
  in.ExcelStyleDecimalSeparator = Grid->ExcelStyleDecimalSeparator;
  in.DecimalSeparator = FormatSettings().DecimalSeparator;
  in.ThousandSeparator = FormatSettings().ThousandSeparator;
  const TInplaceCharResult r = InplaceCharRule(in);
  switch (r.Action) {
    case TInplaceCharAction::HandOn:
      Message.SetCharCode(r.Key.unicode());
      return true;
    case TInplaceCharAction::Beep: MessageBeep(0); return false;
    default: return false;
  }
}

// --- TGridEditBtn ---

TGridEditBtn::TGridEditBtn(TExStringGrid* AGrid) : TEsgEditBtn(AGrid), FGrid(AGrid) {
  SetVisible(false);
  SetEnabled(false);
  SetBorderStyle(bsNone);
  SetButtonCaption(QStringLiteral("..."));
  SetParent(AGrid);
  OnClickBtn = [this](TObject* Sender) { ClickButton(Sender); };
}

void TGridEditBtn::ClickButton(TObject*) {
  QString text;
  FGrid->EllipsClickHook(Text(), text);
  SetText(text);
  SelectAll();
  Repaint();
  if (StopEditAfterClick) {
    FGrid->HideInplaceEdit();
    FGrid->SetFocus();
  }
}

void TGridEditBtn::WMChar(TMessage& Message) {
  const int key = Message.CharCode();
  if (key == VK_RETURN || key == VK_TAB) {
    Message.Result = 1;
    return;
  }
  if (ButtonKindTakesChar(FGrid, this, FGrid->EditControl, Message)) TEsgEditBtn::WMChar(Message);
}

void TGridEditBtn::KeyPress(QChar& Key) {
  if (FGrid->OnKeyPress) FGrid->OnKeyPress(FGrid, Key);
  if (Key == QChar(9)) return;
  TEsgEditBtn::KeyPress(Key);
}

void TGridEditBtn::CMWantSpecialKey(TMessage& Message) {
  TEsgEditBtn::CMWantSpecialKey(Message);
  const int key = Message.CharCode();
  if (key == VK_RETURN || key == VK_ESCAPE) Message.Result = 1;
  if (key == VK_TAB && FGrid->EditorHandlesTab()) Message.Result = 1;
}

void TGridEditBtn::Change() {
  TEsgEditBtn::Change();
  if (FGrid->OnEditChange) FGrid->OnEditChange(FGrid, FGrid->Col(), FGrid->Row(), Text());
}

void TGridEditBtn::WMLButtonDblClk(TMessage& Message) {
  TEsgEditBtn::WMLButtonDblClk(Message);
  if (FGrid->OnDblClickCell) FGrid->OnDblClickCell(FGrid, FGrid->Row(), FGrid->Col());
}

void TGridEditBtn::DoExit() {
  // Leaving validates first; a refused value leaves the cell as it was and
  // announces nothing.
  if (FGrid->EditMode && FGrid->FEditing && !CommitText(false)) {
    FGrid->FEditCancelled = true;
    FGrid->FEditActive = false;
  }
  FGrid->HideInplaceEdit();
  TEsgEditBtn::DoExit();
}

// Paste: the grid's clipboard events, then the rules of the matching in-place
// kind with the length limit.
void TGridEditBtn::WMPaste(TMessage&) {
  if (!EditorEnabled() || ReadOnly()) return;
  bool allow = !Clipboard()->AsText().isEmpty();
  QString v = Clipboard()->AsText();
  if (FGrid->OnClipboardPaste) FGrid->OnClipboardPaste(this, allow);
  if (!allow) return;
  const int rc = FGrid->RealColIndex(FGrid->Col());
  if (FGrid->OnClipboardBeforePasteCell) FGrid->OnClipboardBeforePasteCell(this, rc, FGrid->Row(), v, allow);
  if (!allow) return;
  const TEditorType kind = InplaceKindOf(FGrid->EditControl);
  if (kind == edNone) return;
  TInplacePasteInput in;
  in.Kind = kind;
  in.Text = Text();
  in.SelStart = SelStart();
  in.SelLength = SelLength();
  in.Pasted = v;
  in.LengthLimit = MaxLength();
  const TInplacePasteResult r = InplacePasteRule(in);
  if (r.Ended || !r.Accepted) return;
  SetText(r.Text);
  FGrid->SetEditText(FGrid->Col(), FGrid->Row(), Text());
  SetSelStart(r.SelStart);
  SetSelLength(r.SelLength);
}

bool TGridEditBtn::CommitText(bool SelectOnFailure) {
  const QString text = Text();
  const TEditorType kind = FGrid->EditControl;
  FGrid->FValidating = true;
  FGrid->SetCurrentCell(text);
  FGrid->FValidating = false;
  const bool valid = FGrid->ValidateCell(text);
  SetText(FGrid->FNewCellText);
  if (valid) return true;
  if (SelectOnFailure) SelectAll();
  FGrid->EditControl = kind;
  Repaint();
  return false;
}

// The special editors' key protocol, with the edit button's row of it.
void TGridEditBtn::KeyDown(int& Key, TShiftState Shift) {
  const bool navigation = Key == VK_TAB || Key == VK_RETURN || Key == VK_ESCAPE || Key == VK_PRIOR ||
                          Key == VK_NEXT || Key == VK_UP || Key == VK_DOWN;
  if (!navigation && FGrid->OnKeyDown) FGrid->OnKeyDown(FGrid, Key, Shift);
  WorkMode = Key != VK_BACK && Key != VK_DELETE;
  FSelKeyDown = CaretPos();
  if (Shift.Contains(ssCtrl) || !navigation) {
    TEsgEditBtn::KeyDown(Key, Shift);
    return;
  }
  if (OnKeyDown) OnKeyDown(this, Key, Shift);
  if (Key == 0) return;
  // 2. Escape: the text from before the edit; the cell stays as it was.
  if (Key == VK_ESCAPE) {
    SetText(FGrid->FCellCache);
    FGrid->FEditCancelled = true;
  }
  // 3. The commit keys validate.
  if (Key == VK_TAB || Key == VK_RETURN || Key == VK_UP || Key == VK_DOWN) {
    if (!CommitText(true)) {
      Key = 0;
      FGrid->FNoAutoAdvance = true;
      return;
    }
  }
  // 4. Tab, when the grid takes Tab in editors.
  if (Key == VK_TAB && FGrid->EditorHandlesTab()) {
    if (!CommitText(false)) {
      SetSelStart(Text().size());
      Key = 0;
      return;
    }
    if (FGrid->Options().Contains(goTabs)) {
      FGrid->HideInplaceEdit();
      FGrid->SetFocus();
      FGrid->AdvanceAfterEdit(Shift.Contains(ssShift));
      Key = 0;
      return;
    }
    PostMessage(FGrid, WM_KEYDOWN, VK_TAB, 0);
  }
  // 6. Finish.
  FGrid->DoneInplaceEdit(Key, Shift);
  Key = 0;
}

void TGridEditBtn::WalkOut(bool Forward) {
  TNavigation* nav = FGrid->Navigation();
  const int col = FGrid->Col(), row = FGrid->Row();
  const int span = Forward ? FGrid->CellSpan(FGrid->RealColIndex(col), row).X : 0;
  const int next = Forward ? col + span + 1 : col - 1;
  const bool inside = Forward ? col < FGrid->ColCount() - FGrid->FixedRightCols() - 1 : col > FGrid->FixedCols();
  if (FGrid->FEditing && !CommitText(true)) return;
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

void TGridEditBtn::KeyUp(int& Key, TShiftState Shift) {
  if (FGrid->OnKeyUp) FGrid->OnKeyUp(FGrid, Key, Shift);
  const bool plain = !Shift.Contains(ssShift) && !Shift.Contains(ssCtrl) && !Shift.Contains(ssAlt);
  const bool walk = FGrid->Navigation()->CursorWalkEditor && plain && SelLength() == 0;
  if (walk && Key == VK_RIGHT && CaretPos() == Text().size()) {
    Key = 0;
    WalkOut(true);
    return;
  }
  if (walk && Key == VK_LEFT && FSelKeyDown == 0) {
    Key = 0;
    WalkOut(false);
    return;
  }
  if (Key != VK_RETURN) TEsgEditBtn::KeyUp(Key, Shift);
  DoChange();
}

void TGridEditBtn::DoChange() {
  if (!WorkMode || SelLength() != 0 || !FGrid->Lookup) return;
  TStringList* items = FGrid->LookupItems();
  if (!items || items->Count() == 0) return;
  const QString typed = Text().left(CaretPos());
  if (typed.isEmpty()) return;
  const bool cs = FGrid->LookupCaseSensitive;
  const QString p = cs ? typed : typed.toUpper();
  for (int i = 0; i < items->Count(); ++i) {
    const QString item = items->Strings(i);
    if (!(cs ? item : item.toUpper()).startsWith(p)) continue;
    const QString completed = Text().left(p.size()) + item.mid(p.size(), 255);
    SetText(completed);
    SetSelStart(p.size());
    SetSelLength(completed.size() - p.size());
    return;
  }
}

// --- TGridUnitEditBtn ---

TGridUnitEditBtn::TGridUnitEditBtn(TExStringGrid* AGrid) : TEsgUnitEditBtn(AGrid), FGrid(AGrid) {
  SetVisible(false);
  SetEnabled(false);
  SetBorderStyle(bsNone);
  SetButtonCaption(QStringLiteral("..."));
  SetParent(AGrid);
  OnClickBtn = [this](TObject*) {
    QString text;
    FGrid->EllipsClickHook(Text(), text);
    SetText(text);
    SelectAll();
    Repaint();
  };
}

void TGridUnitEditBtn::LoadCellText(const QString& Text) {
  SetUnitID(QString());
  SetText(QString());
  SetTextAndUnit(Text);
  // A text that ends in none of the units stays whole as the value.
  if (UnitID().isEmpty()) SetText(Text);
}

void TGridUnitEditBtn::WMChar(TMessage& Message) {
  if (Message.CharCode() == VK_RETURN) {
    Message.Result = 0;
    return;
  }
  if (ButtonKindTakesChar(FGrid, this, FGrid->EditControl, Message)) TEsgUnitEditBtn::WMChar(Message);
}

void TGridUnitEditBtn::CMWantSpecialKey(TMessage& Message) {
  TEsgUnitEditBtn::CMWantSpecialKey(Message);
  const int key = Message.CharCode();
  if (key == VK_RETURN || key == VK_ESCAPE) Message.Result = 1;
  if (key == VK_TAB && FGrid->Options().Contains(goTabs)) Message.Result = 1;
}

void TGridUnitEditBtn::Change() {
  TEsgUnitEditBtn::Change();
  if (FGrid->OnEditChange) FGrid->OnEditChange(FGrid, FGrid->Col(), FGrid->Row(), Text());
}

void TGridUnitEditBtn::DoExit() {
  if (FGrid->EditMode && FGrid->FEditing && !CommitText()) {
    FGrid->FEditCancelled = true;
    FGrid->FEditActive = false;
  }
  FGrid->HideInplaceEdit();
  TEsgUnitEditBtn::DoExit();
}

// The value joined with its unit is validated; a refusal shows the validated
// text split again (never the unit twice).
bool TGridUnitEditBtn::CommitText() {
  const QString text = TextAndUnit();
  FGrid->FValidating = true;
  FGrid->SetCurrentCell(text);
  FGrid->FValidating = false;
  const bool valid = FGrid->ValidateCell(text);
  LoadCellText(valid ? FGrid->CurrentCell() : FGrid->FNewCellText);
  return valid;
}

void TGridUnitEditBtn::KeyDown(int& Key, TShiftState Shift) {
  const bool navigation = Key == VK_TAB || Key == VK_RETURN || Key == VK_ESCAPE || Key == VK_PRIOR ||
                          Key == VK_NEXT || Key == VK_UP || Key == VK_DOWN;
  if (!navigation) {
    TEsgUnitEditBtn::KeyDown(Key, Shift);
    return;
  }
  TNavigation* nav = FGrid->Navigation();
  // 2. Escape: the cell's value again; the cell stays exactly as it was.
  if (Key == VK_ESCAPE) {
    LoadCellText(FGrid->FCellCache);
    FGrid->FEditCancelled = true;
  }
  // 3. The commit keys validate the value with its unit; a refusal keeps the
  // edit open.
  if (Key == VK_TAB || Key == VK_RETURN || Key == VK_UP || Key == VK_DOWN) {
    if (!CommitText()) {
      Key = 0;
      FGrid->FNoAutoAdvance = true;
      return;
    }
  }
  // 4. Tab with goTabs moves on.
  if (Key == VK_TAB && FGrid->Options().Contains(goTabs)) {
    FGrid->HideInplaceEdit();
    FGrid->SetFocus();
    FGrid->AdvanceAfterEdit(Shift.Contains(ssShift));
    Key = 0;
    return;
  }
  // 6. Finish.
  if (Key == VK_RETURN && nav->AdvanceOnEnter) {
    FGrid->HideInplaceEdit();
    FGrid->SetFocus();
    Key = 0;
    FGrid->AdvanceCell(FGrid->Col(), FGrid->Row(), false, false, true, false, true);
    return;
  }
  FGrid->DoneInplaceEdit(Key, Shift);
  Key = 0;
}
