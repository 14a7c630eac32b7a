// The drop-down editors' grid layer: change notice, claimed keys, key press,
// the key protocol, caret placement after a click, and the exit.
#include "grid/input/grid_drop_down_editors.h"

#include <type_traits>

#include "grid/dropdown/calculator_drop_down.h"
#include "grid/dropdown/color_picker_drop_down.h"
#include "grid/dropdown/detail_drop_down.h"
#include "grid/dropdown/grid_drop_down.h"
#include "grid/dropdown/image_picker_drop_down.h"
#include "grid/dropdown/memo_drop_down.h"
#include "grid/dropdown/multi_column_drop_down.h"
#include "grid/dropdown/time_picker_drop_down.h"
#include "grid/dropdown/track_bar_drop_down.h"
#include "grid/view/ex_string_grid.h"
#include "platform/ui/mouse_position.h"

namespace {

template <class T>
constexpr bool kIsColor = std::is_same_v<T, TExColorPickerDropDown>;
template <class T>
constexpr bool kClaimsEnterEscape = kIsColor<T> || std::is_same_v<T, TExTrackBarDropDown>;
template <class T>
constexpr bool kCaretOnClick = std::is_same_v<T, TExTrackBarDropDown> || std::is_same_v<T, TExMemoDropDown> ||
                               std::is_same_v<T, TExCalculatorDropdown>;

}  // namespace

template <class TDropDown>
TGridDropDownEditor<TDropDown>::TGridDropDownEditor(TExStringGrid* AGrid) : TDropDown(AGrid), FGrid(AGrid) {
  if constexpr (std::is_same_v<TDropDown, TExTimePickerDropDown>) this->FocusDraw = false;
  this->SetVisible(false);
  this->SetEnabled(false);
  this->SetParent(AGrid);
}

template <class TDropDown>
void TGridDropDownEditor<TDropDown>::Change() {
  TDropDown::Change();
  if (FGrid->OnEditChange) FGrid->OnEditChange(FGrid, FGrid->Col(), FGrid->Row(), this->Text());
}

template <class TDropDown>
void TGridDropDownEditor<TDropDown>::CMWantSpecialKey(TMessage& Message) {
  TDropDown::CMWantSpecialKey(Message);
  const int key = Message.CharCode();
  if (key == VK_TAB && FGrid->EditorHandlesTab()) Message.Result = 1;
  if constexpr (kClaimsEnterEscape<TDropDown>) {
    if (key == VK_RETURN || key == VK_ESCAPE) Message.Result = 1;
  }
}

template <class TDropDown>
void TGridDropDownEditor<TDropDown>::KeyPress(QChar& Key) {
  if (FGrid->OnKeyPress) FGrid->OnKeyPress(this, Key);
  if (Key == QChar(27) || Key == QChar(13) || Key == QChar(9)) Key = QChar();
  TDropDown::KeyPress(Key);
}

template <class TDropDown>
void TGridDropDownEditor<TDropDown>::WMSetFocus(TMessage& Message) {
  TDropDown::WMSetFocus(Message);
  if constexpr (kCaretOnClick<TDropDown>) {
    if (!FGrid->LButFlg) return;
    const TPoint p = this->ScreenToClient(GetCursorPos());
    if (p.X < 0 || p.Y < 0 || p.X > this->Width() || p.Y > this->Height()) return;
    const int pos = this->CharFromPos(p);
    if (pos == -1) return;
    this->SetSelStart(pos);
    this->SetSelLength(0);
    FGrid->LButFlg = false;
  }
}

template <class TDropDown>
void TGridDropDownEditor<TDropDown>::DoExit() {
  // Leaving the editor validates first; a refused value leaves the cell as it
  // was and announces nothing.
  if (FGrid->EditMode && FGrid->FEditing && !FGrid->Destroying() && !CommitText(false)) {
    FGrid->FEditCancelled = true;
    FGrid->FEditActive = false;
    FGrid->SetCellEx(FGrid->RealColIndex(FGrid->Col()), FGrid->Row(), FOriginal);
  }
  FGrid->HideInplaceEdit();
  TDropDown::DoExit();
}

template <class TDropDown>
bool TGridDropDownEditor<TDropDown>::IsNavigationKey(int Key, TShiftState Shift) const {
  const bool open = this->DroppedDown();
  if constexpr (kIsColor<TDropDown>) {
    if (open) return Key == VK_TAB || Key == VK_RETURN || Key == VK_ESCAPE;
    if (Key == VK_HOME) return true;
  }
  switch (Key) {
    case VK_TAB:
    case VK_RETURN:
    case VK_ESCAPE:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_END:
    case VK_UP: return true;
    case VK_DOWN: return !Shift.Contains(ssAlt);
    // With the list open Left and Right leave the cell.
    case VK_LEFT:
    case VK_RIGHT: return open;
    default: return false;
  }
}

template <class TDropDown>
bool TGridDropDownEditor<TDropDown>::CommitText(bool SelectAll) {
  const QString text = this->Text();
  FGrid->FValidating = true;
  FGrid->SetCurrentCell(text);
  FGrid->FValidating = false;
  if (FGrid->ValidateCell(text)) return true;
  this->SetText(FGrid->FNewCellText);
  if (SelectAll)
    this->SelectAll();
  else
    this->SetSelStart(this->Text().size());
  this->Repaint();
  return false;
}

// Escape: the cell keeps exactly the text it had when the editor opened.
template <class TDropDown>
void TGridDropDownEditor<TDropDown>::Cancel() {
  if (this->DroppedDown()) this->HideDropDown(true);
  const int rc = FGrid->RealColIndex(FGrid->Col()), row = FGrid->Row();
  if (FGrid->GetGridCell(rc, row) != FOriginal) FGrid->SetCellEx(rc, row, FOriginal);
  FGrid->FEditCancelled = true;
  FGrid->HideInplaceEdit();
  FGrid->SetFocus();
}

// The special editors' key protocol, with the drop-down editors' row of it.
template <class TDropDown>
void TGridDropDownEditor<TDropDown>::KeyDown(int& Key, TShiftState Shift) {
  // 1-2.
  if (!IsNavigationKey(Key, Shift)) {
    TDropDown::KeyDown(Key, Shift);
    return;
  }
  // 3.
  if (Key == VK_ESCAPE) {
    Cancel();
    Key = 0;
    return;
  }
  // 4. The commit keys validate (the colour picker's only Enter).
  const bool commits = kIsColor<TDropDown> ? Key == VK_RETURN : (Key == VK_RETURN || Key == VK_UP || Key == VK_DOWN);
  if (commits) {
    if constexpr (std::is_same_v<TDropDown, TExCalculatorDropdown>) {
      if (Key == VK_RETURN) this->CalcResult();
    }
    if (!CommitText(true)) {
      Key = 0;
      FGrid->FNoAutoAdvance = true;
      return;
    }
  }
  // 5. Tab validates when the grid takes Tab in editors.
  if (Key == VK_TAB && FGrid->EditorHandlesTab()) {
    if (!CommitText(false)) {
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
  // 6. With the list open the editor closes; Left and Right move in the grid.
  if (this->DroppedDown()) {
    this->HideDropDown(false);
    FGrid->HideInplaceEdit();
    if (Key == VK_LEFT || Key == VK_RIGHT) {
      FGrid->SetFocus();
      FGrid->GridKeyDown(Key, Shift);
      Key = 0;
      return;
    }
    if (Key == VK_PRIOR || Key == VK_NEXT || (Key >= VK_LEFT && Key <= VK_DOWN)) Key = 0;
  } else if (Key == VK_END) {
    TDropDown::KeyDown(Key, Shift);
    return;
  }
  // 7. Finish: the grid closes the edit and acts on the key.
  FGrid->DoneInplaceEdit(Key, Shift);
  TNavigation* nav = FGrid->Navigation();
  if (nav->AdvanceOnEnter && nav->AdvanceAutoEdit) FGrid->ShowInplaceEdit();
  Key = 0;
}

template class TGridDropDownEditor<TExTrackBarDropDown>;
template class TGridDropDownEditor<TExMemoDropDown>;
template class TGridDropDownEditor<TExCalculatorDropdown>;
template class TGridDropDownEditor<TExTimePickerDropDown>;
template class TGridDropDownEditor<TExDetailDropDown>;
template class TGridDropDownEditor<TExMultiColumnDropDown>;
template class TGridDropDownEditor<TExColorPickerDropDown>;
template class TGridDropDownEditor<TExImagePickerDropDown>;
template class TGridDropDownEditor<grid_drop_down::TCustomExGridDropDown>;
