// The grid's check box editor: one toggle per click or Space, and the keys that
// end the edit.
#include "grid/input/grid_check_box.h"

#include "grid/view/ex_string_grid.h"

TGridCheckBox::TGridCheckBox(TExStringGrid* AGrid) : TCheckBox(AGrid), FGrid(AGrid) {
  SetVisible(false);
  SetEnabled(false);
  SetParent(AGrid);
}

// A press toggles the box; the box itself does not toggle again on release.
void TGridCheckBox::WMLButtonDown(TMessage& Message) {
  Toggle();
  if (CanFocus()) SetFocus();
  MouseDown(mbLeft, KeysToShiftState(Message.Keys()), Message.XPos(), Message.YPos());
}

void TGridCheckBox::WMLButtonUp(TMessage& Message) {
  MouseUp(mbLeft, KeysToShiftState(Message.Keys()), Message.XPos(), Message.YPos());
}

void TGridCheckBox::KeyDown(int& Key, TShiftState Shift) {
  switch (Key) {
    case VK_SPACE:
      Toggle();
      Key = 0;
      return;
    case VK_RETURN:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_END:
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN: {
      const int key = Key;
      Key = 0;
      FGrid->HideInplaceEdit();
      FGrid->SetFocus();
      if (key == VK_RETURN) FGrid->AdvanceCell(FGrid->Col(), FGrid->Row(), false, false, true, false, true);
      if (key == VK_UP || key == VK_DOWN) {
        int k = key;
        FGrid->GridKeyDown(k, Shift);
      }
      return;
    }
    default: TCheckBox::KeyDown(Key, Shift);
  }
}

void TGridCheckBox::KeyUp(int& Key, TShiftState Shift) {
  if (Key == VK_SPACE) {
    Key = 0;  // Space toggled on the key press already
    return;
  }
  TCheckBox::KeyUp(Key, Shift);
}

// Enter and the arrows end the edit in the grid; they are not dialog keys here.
void TGridCheckBox::CMWantSpecialKey(TMessage& Message) {
  switch (Message.CharCode()) {
    case VK_RETURN:
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN: Message.Result = 1; break;
    default: break;
  }
}

void TGridCheckBox::DoExit() {
  FGrid->HideInplaceEdit();
  TCheckBox::DoExit();
}
