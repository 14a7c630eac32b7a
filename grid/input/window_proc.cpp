// The grid's window messages besides keys and buttons: the grid timer (which
// forgets the incremental search text), the mouse wheel that moves the cursor
// or scrolls, and the quiet update lock. The end-of-edit message and the combo
// relays are handled with the edit cycle.
#include <algorithm>
#include <cmath>

#include "grid/view/ex_string_grid.h"
#include "platform/ui/messages.h"
#include "platform/ui/mouse_wheel.h"

void TExStringGrid::Dispatch(TMessage& Message) {
  if (Message.Msg == WM_TIMER) return WMTimer(Message);
  TBaseGrid::Dispatch(Message);
}

void TExStringGrid::WMTimer(TMessage& Message) {
  if (static_cast<unsigned>(Message.WParam) != kGridTimerID) return TBaseGrid::Dispatch(Message);
  GridTimerTick();
}

void TExStringGrid::GridTimerTick() {
  // 1.
  ++FTimerTicks;
  // 2. The search text is forgotten on the fourth tick after the last character.
  if (FNavigation->AutoGotoIncremental && ++SearchTics >= 4) {
    SearchInc.clear();
    SearchTics = 0;
  }
  // 3-4. (Hover selection and blinking text come with the hover and blink features.)
}

void TExStringGrid::SetLockUpdate(bool Value) {
  if (Value) BeginUpdate();
  else EndUpdate();
}

// The wheel: the cursor moves by the wheel increment or the system's wheel
// lines (waMoveSelection), or the view scrolls (waScroll); the class library
// never sees the message.
void TExStringGrid::WMMouseWheel(TMessage& Message) {
  const int delta = static_cast<int16_t>((Message.WParam >> 16) & 0xFFFF);
  const bool down = delta < 0;
  const TGridRect S0 = Selection();
  TMouseActions& ma = *FMouseActions;
  const bool scroll = ma.WheelAction() == waScroll;
  // 18.1-2. (Offering the turn to the parent first and Ctrl+wheel zoom come with their features.)
  // 18.3.
  if (!EnableWheel || (FixedRowAlways && RowCount() == 1)) return;
  // 18.4.
  int T = Row();
  int n = ma.WheelIncrement > 0 ? ma.WheelIncrement : WheelScrollLines();
  if (scroll) {
    if (down) {
      if (TopRow() < RowCount() - VisibleRowCount() && TopRow() + n >= FixedRows()) SetTopRow(TopRow() + n);
    } else {
      if (TopRow() - n < FixedRows()) n = TopRow() - FixedRows();
      if (TopRow() > FixedRows() && TopRow() - n >= FixedRows()) SetTopRow(TopRow() - n);
    }
  } else {
    T = down ? Row() + n : Row() - n;
  }
  // 18.5.
  T = std::clamp(T, FixedRows(), std::max(FixedRows(), RowCount() - FFixedFooters - 1));
  if (Col() > ColCount() - 1 && Row() > RowCount() - 1) FocusCell(ColCount() - 1, RowCount() - 1);
  if (Col() > ColCount() - 1 || Col() < FixedCols()) SetCol(std::clamp(Col(), FixedCols(), ColCount() - 1));
  // 18.6.
  const int X = LeftCol();
  if (T >= 0 && T < RowCount()) {
    StartUpdate();
    if (ma.DisjunctRowSelect() && !scroll) ClearRowSelect();
    if (!scroll) {
      SetRow(T);
      if (Row() != T) {
        // A refused move goes half way.
        SetRow(Row() + static_cast<int>(std::nearbyint((T - Row()) / 2.0)));
        if (delta != 0 && TopRow() > FixedRows()) SetTopRow(TopRow() - 1);
      }
    }
    if (Options().Contains(goRowSelect) && FNavigation->KeepHorizScroll) SetLeftCol(X);
    ResetUpdate();
    Invalidate();
  }
  // 18.8.
  if (ma.WheelIncrement != 0 || ma.DisjunctRowSelect()) {
    Message.Result = 1;
    const TShiftState shift = ma.DisjunctRowSelect() ? GetShiftState() : TShiftState{};
    const TPoint pos = ma.DisjunctRowSelect() ? TPoint{Message.XPos(), Message.YPos()} : TPoint{0, 0};
    bool handled = false;
    if (down && OnMouseWheelDown) OnMouseWheelDown(this, shift, pos, handled);
    if (!down && OnMouseWheelUp) OnMouseWheelUp(this, shift, pos, handled);
  }
  // 18.9.
  if (!(Selection() == S0)) SelectionChanged(Selection());
  Message.Result = 1;
}

bool TExStringGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
  // 1.
  if (FMouseActions->WheelAction() == waScroll || !EnableWheel) {
    bool handled = false;
    if (OnMouseWheelDown) OnMouseWheelDown(this, Shift, MousePos, handled);
    return handled;
  }
  // 2.
  const bool directEdit = FMouseActions->DirectEdit;
  FMouseActions->DirectEdit = false;
  const bool wasEditing = EditorMode();
  const int X = LeftCol();
  const bool keep = Options().Contains(goRowSelect) && FNavigation->KeepHorizScroll;
  if (keep) StartUpdate();
  const bool result = TBaseGrid::DoMouseWheelDown(Shift, MousePos);
  if (keep) {
    SetLeftCol(X);
    ResetUpdate();
  } else if (wasEditing && Widget() && CanFocus()) {
    SetFocus();
  }
  FMouseActions->DirectEdit = directEdit;
  return result;
}

bool TExStringGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
  if (FMouseActions->WheelAction() == waScroll || !EnableWheel) {
    bool handled = false;
    if (OnMouseWheelUp) OnMouseWheelUp(this, Shift, MousePos, handled);
    return handled;
  }
  const bool directEdit = FMouseActions->DirectEdit;
  FMouseActions->DirectEdit = false;
  bool result = true;
  if (Row() < RowCount() && Col() < ColCount()) {
    const bool wasEditing = EditorMode();
    const int X = LeftCol();
    const bool keep = Options().Contains(goRowSelect) && FNavigation->KeepHorizScroll;
    if (keep) StartUpdate();
    result = TBaseGrid::DoMouseWheelUp(Shift, MousePos);
    if (keep) {
      SetLeftCol(X);
      ResetUpdate();
    } else if (wasEditing && Widget() && CanFocus()) {
      SetFocus();
    }
  }
  FMouseActions->DirectEdit = directEdit;
  return result;
}
