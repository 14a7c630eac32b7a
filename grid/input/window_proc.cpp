// The grid's window messages besides keys and buttons: the grid timer (which
// forgets the incremental search text), middle-button panning, the mouse wheel
// that moves the cursor or scrolls, the quiet update lock, and the in-place
// combo's list opening and closing. The end-of-edit message and the combo
// relays are handled with the edit cycle.
#include <algorithm>
#include <cmath>

#include <QWidget>

#include "grid/input/grid_combo.h"
#include "grid/view/ex_string_grid.h"
#include "platform/ui/art_cursors.h"
#include "platform/ui/messages.h"
#include "platform/ui/mouse_position.h"
#include "platform/ui/mouse_wheel.h"
#include "platform/ui/window_timer.h"

void TExStringGrid::Dispatch(TMessage& Message) {
  // 16. While panning every timer drives the pan.
  if (Message.Msg == WM_TIMER && wheelpan && IntelliPan != ipNone) {
    PanStep(ScreenToClient(GetCursorPos()));
    return;
  }
  // 17. The middle button starts panning; any button or key ends it.
  if (Message.Msg == WM_MBUTTONDOWN && !wheelpan && IntelliPan != ipNone && RowCount() > FixedRows()) {
    prevcurs = Cursor();
    SetCursor(crPanOrigin);
    wheelpan = true;
    SetTimer(this, kPanTimerID, 10);
    wheelpanpos = {Message.XPos(), Message.YPos()};
    SetMouseCapture(true);
    SetShowHint(false);
    InvalidateWheelPanGlyph();  // painting draws the glyph while panning
    return;
  }
  if (wheelpan && (Message.Msg == WM_MBUTTONDOWN || Message.Msg == WM_LBUTTONDOWN ||
                   Message.Msg == WM_RBUTTONDOWN || Message.Msg == WM_KEYDOWN)) {
    EndPanning();
    if (Message.Msg == WM_MBUTTONDOWN) return;
  }
  if (Message.Msg == WM_TIMER) return WMTimer(Message);
  // 13-14. The in-place combo's list opening and closing.
  if (Message.Msg == WM_COMMAND && EditCombo &&
      Message.LParam == reinterpret_cast<intptr_t>(static_cast<TControl*>(EditCombo))) {
    const int code = NotifyCode(Message.WParam);
    if (code == CBN_CLOSEUP) ComboCloseUpHook(Row(), RealCol());
    if (code == CBN_DROPDOWN) ComboDropDownHook(Row(), RealCol());
  }
  TBaseGrid::Dispatch(Message);
}

void TExStringGrid::WMTimer(TMessage& Message) {
  if (static_cast<unsigned>(Message.WParam) != kGridTimerID) return TBaseGrid::Dispatch(Message);
  GridTimerTick();
}

// --- middle-button panning ---

void TExStringGrid::EndPanning() {
  SetMouseCapture(false);
  KillTimer(this, kPanTimerID);
  SetCursor(prevcurs);
  SetShowHint(true);
  wheelpan = false;
  Invalidate();
}

void TExStringGrid::PanStep(TPoint P) {
  const TGridRect S0 = Selection();
  // 1.
  int v = P.Y < wheelpanpos.Y - 5 ? -1 : (P.Y > wheelpanpos.Y + 5 ? 1 : 0);
  int h = P.X < wheelpanpos.X - 5 ? -1 : (P.X > wheelpanpos.X + 5 ? 1 : 0);
  if (IntelliPan == ipHorizontal) v = 0;
  if (IntelliPan == ipVertical) h = 0;
  // 2. The cursor for the direction.
  struct PanCursor {
    int v, h;
    TCursor cursor;
  };
  static constexpr PanCursor kCursors[] = {
      {0, 0, crPanOrigin},   {0, 1, crPanRight},      {0, -1, crPanLeft},  {1, 0, crPanDown},
      {1, -1, crPanDownLeft}, {1, 1, crPanDownRight}, {-1, 0, crPanUp},    {-1, -1, crPanUpLeft},
      {-1, 1, crPanUpRight},
  };
  TCursor cursor = crPanOrigin;
  for (const PanCursor& c : kCursors)
    if (c.v == v && c.h == h) cursor = c.cursor;
  // 3. The current cell back into the normal area.
  const int lastRow = RowCount() - FFixedFooters - 1, lastCol = ColCount() - FFixedRightCols - 1;
  if (Row() < FixedRows() || Row() > lastRow) SetRow(std::clamp(Row(), FixedRows(), std::max(FixedRows(), lastRow)));
  if (Col() < FixedCols() || Col() > lastCol) SetCol(std::clamp(Col(), FixedCols(), std::max(FixedCols(), lastCol)));
  // 4. One step: the view (waScroll) or the cursor.
  if (FMouseActions->WheelAction() == waScroll) {
    if (h == -1 && LeftCol() > FixedCols()) SetLeftCol(LeftCol() - 1);
    if (h == 1 && LeftCol() < ColCount() - VisibleColCount()) SetLeftCol(LeftCol() + 1);
    if (v == -1 && TopRow() > FixedRows()) SetTopRow(TopRow() - 1);
    if (v == 1 && TopRow() < RowCount() - VisibleRowCount()) SetTopRow(TopRow() + 1);
  } else {
    if (h == -1 && Col() > FixedCols()) SetCol(Col() - 1);
    if (h == 1 && Col() < lastCol) SetCol(Col() + 1);
    if (v == -1 && Row() > FixedRows()) SetRow(Row() - 1);
    if (v == 1 && Row() < lastRow) SetRow(Row() + 1);
  }
  // 5.
  SetCursor(cursor);
  // 6. (The pan-origin glyph is drawn with the grid's painting.)
  if (!(Selection() == S0)) SelectionChanged(Selection());
}

void TExStringGrid::GridTimerTick() {
  // 1.
  ++FTimerTicks;
  // 2. The search text is forgotten on the fourth tick after the last character.
  if (FNavigation->AutoGotoIncremental && ++SearchTics >= 4) {
    SearchInc.clear();
    SearchTics = 0;
  }
  // 3. Hovering: the cell under the mouse becomes current.
  if (Hovering() && !Designing() && Widget() && Widget()->isVisible()) {
    const TPoint P = ScreenToClient(GetCursorPos());
    if (P.X >= 0 && P.Y >= 0 && P.X < ClientWidth() && P.Y < ClientHeight()) {
      int c = -1, r = -1;
      MouseToCell(P.X, P.Y, c, r);
      if (c >= FixedCols() && r >= FixedRows() && c < ColCount() && r < RowCount()) {
        if (CanFocus()) SetFocus();
        SetRow(r);
        SetCol(c);
      }
    }
  }
  // 4. (Blinking text comes with the blink feature.)
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
