// The grid's button editor: the click that asks the form for a new text, and
// the keys that close it.
#include "grid/input/grid_button.h"

#include "grid/view/ex_string_grid.h"

TGridButton::TGridButton(TExStringGrid* AGrid) : TButton(AGrid), FGrid(AGrid) {
  SetVisible(false);
  SetEnabled(false);
  SetParent(AGrid);
}

void TGridButton::EllipsClick() {
  QString text;
  FGrid->EllipsClickHook(Caption(), text);
  SetCaption(text);
  FGrid->SetCurrentCell(text);
}

void TGridButton::WMLButtonUp(TMessage& Message) {
  const int x = Message.XPos(), y = Message.YPos();
  if (x >= 0 && y >= 0 && x < Width() && y < Height()) EllipsClick();
  TButton::WMLButtonUp(Message);
}

void TGridButton::KeyUp(int& Key, TShiftState) {
  if (Key == VK_SPACE) {
    EllipsClick();
    if (CanFocus()) SetFocus();
    Repaint();
  }
  Key = 0;  // the button itself clicks on no key
}

void TGridButton::Close() {
  // The edit is over before the button hides, so its exit stores nothing.
  FGrid->EditMode = false;
  FGrid->FSpecialEditor = false;
  FGrid->FEditActive = false;
  SetVisible(false);
  SetEnabled(false);
  if (FGrid->CanFocus()) FGrid->SetFocus();
}

void TGridButton::KeyDown(int& Key, TShiftState Shift) {
  switch (Key) {
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN: {
      const int key = Key;
      Key = 0;
      SendMessage(FGrid, WM_KEYDOWN, key, 0);
      Close();
      SendMessage(FGrid, WM_KEYUP, key, 0);
      return;
    }
    case VK_ESCAPE:
      Key = 0;
      Close();
      FGrid->RestoreCellFromCache();
      SendMessage(FGrid, WM_KEYDOWN, VK_ESCAPE, 0);
      return;
    default: TButton::KeyDown(Key, Shift);
  }
}

void TGridButton::CMWantSpecialKey(TMessage& Message) {
  switch (Message.CharCode()) {
    case VK_ESCAPE:
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN: Message.Result = 1; break;
    default: break;
  }
}

void TGridButton::DoExit() {
  // Leaving the button validates the text a click wrote first; a refused text
  // goes back and nothing is announced.
  if (FGrid->EditMode && FGrid->FEditing && !FGrid->ValidateCell(FGrid->CurrentCell())) FGrid->FEditActive = false;
  FGrid->HideInplaceEdit();
  TButton::DoExit();
}
