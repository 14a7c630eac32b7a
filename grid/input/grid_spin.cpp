// The grid's spin editor: the key protocol of the special editors with the
// spin's row, Home and End to the limits, and the spin-click events.
#include "grid/input/grid_spin.h"

#include "grid/view/ex_string_grid.h"

TGridSpin::TGridSpin(TExStringGrid* AGrid) : TEsgSpinEdit(AGrid), FGrid(AGrid) {
  MaxValue = 100;
  MinValue = 0;
  Increment = 1;
  SetVisible(false);
  SetEnabled(false);
  SetBorderStyle(bsNone);
  SetParent(AGrid);
}

void TGridSpin::RaiseSpinClick(bool Up) {
  const int rc = FGrid->RealColIndex(FGrid->Col()), row = FGrid->Row();
  switch (SpinType()) {
    case sptNormal:
      if (FGrid->OnSpinClick) FGrid->OnSpinClick(FGrid, rc, row, Value(), Up);
      break;
    case sptFloat:
      if (FGrid->OnFloatSpinClick) FGrid->OnFloatSpinClick(FGrid, rc, row, FloatValue(), Up);
      break;
    case sptDate:
      if (FGrid->OnDateSpinClick) FGrid->OnDateSpinClick(FGrid, rc, row, DateValue(), Up);
      break;
    case sptTime:
      if (FGrid->OnTimeSpinClick) FGrid->OnTimeSpinClick(FGrid, rc, row, TimeValue(), Up);
      break;
  }
}

void TGridSpin::UpClick(TObject* Sender) {
  TEsgSpinEdit::UpClick(Sender);
  RaiseSpinClick(true);
}

void TGridSpin::DownClick(TObject* Sender) {
  TEsgSpinEdit::DownClick(Sender);
  RaiseSpinClick(false);
}

void TGridSpin::WMChar(TMessage& Message) {
  if (Message.CharCode() == VK_TAB || Message.CharCode() == VK_RETURN) {
    Message.Result = 0;
    return;
  }
  TEsgSpinEdit::WMChar(Message);
}

void TGridSpin::KeyPress(QChar& Key) {
  if (Key == QChar(27)) Key = QChar();
  if (Key == QChar(13)) return;
  TEsgSpinEdit::KeyPress(Key);
}

void TGridSpin::CMWantSpecialKey(TMessage& Message) {
  const int key = Message.CharCode();
  if (key == VK_RETURN || key == VK_ESCAPE) Message.Result = 1;
  if (key == VK_TAB && FGrid->Options().Contains(goTabs)) Message.Result = 1;
}

void TGridSpin::Change() {
  TEsgSpinEdit::Change();
  if (FGrid->OnEditChange) FGrid->OnEditChange(FGrid, FGrid->Col(), FGrid->Row(), Text());
}

void TGridSpin::DoExit() {
  // Leaving the spin validates first; a refused value leaves the cell as it
  // was and announces nothing.
  if (FGrid->EditMode && FGrid->FEditing && !CommitText()) {
    FCancelled = true;
    FGrid->FEditActive = false;
  }
  FGrid->HideInplaceEdit();
  TEsgSpinEdit::DoExit();
}

bool TGridSpin::CommitText() {
  const QString text = Text();
  FGrid->FValidating = true;
  FGrid->SetCurrentCell(text);
  FGrid->FValidating = false;
  const bool valid = FGrid->ValidateCell(text);
  SetText(FGrid->CurrentCell());
  if (!valid) {
    SetSelStart(Text().size());
    Repaint();
  }
  return valid;
}

void TGridSpin::KeyDown(int& Key, TShiftState Shift) {
  // Home and End go to the limits of the number types.
  if (Key == VK_HOME || Key == VK_END) {
    const bool home = Key == VK_HOME;
    if (SpinType() == sptNormal) SetValue(home ? MaxValue : MinValue);
    if (SpinType() == sptFloat) SetFloatValue(home ? MaxFloatValue : MinFloatValue);
    if (FGrid->OnSpinClick) FGrid->OnSpinClick(FGrid, FGrid->RealColIndex(FGrid->Col()), FGrid->Row(), Value(), home);
  }
  // 1. Navigation keys.
  if (Key != VK_TAB && Key != VK_RETURN && Key != VK_ESCAPE) {
    TEsgSpinEdit::KeyDown(Key, Shift);
    return;
  }
  TNavigation* nav = FGrid->Navigation();
  // 2. Escape: the text from before the edit, and the cell stays as it was.
  if (Key == VK_ESCAPE) {
    SetText(FGrid->FCellCache);
    FCancelled = true;
  } else {
    // 3. Tab and Enter validate.
    if (!CommitText()) {
      Key = 0;
      FGrid->FNoAutoAdvance = true;
      return;
    }
    // 4. Tab with goTabs moves on in the grid.
    if (Key == VK_TAB && FGrid->Options().Contains(goTabs)) {
      FGrid->HideInplaceEdit();
      FGrid->SetFocus();
      int k = VK_TAB;
      FGrid->GridKeyDown(k, Shift);
      Key = 0;
      return;
    }
  }
  // 6. Finish.
  FGrid->DoneInplaceEdit(Key, Shift);
  if (nav->AdvanceOnEnter && nav->AdvanceAutoEdit) FGrid->ShowInplaceEdit();
  Key = 0;
}
