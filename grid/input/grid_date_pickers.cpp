// The grid's date editors: the key protocol of the special editors with the
// date pickers' rows, the move to the next part after a typed digit, and the
// validation before a key or the focus leaves the cell.
#include "grid/input/grid_date_pickers.h"

#include <cmath>

#include "grid/base/date_text.h"
#include "grid/base/locale_format.h"
#include "grid/view/ex_string_grid.h"
#include "platform/rtl/date_format.h"
#include "platform/rtl/strings.h"

QString DateAndTimeCellText(TDateTime Value) {
  return FormatDateTimeText(GetShortDateFormat() + u' ' + GetShortTimeFormat(), Value);
}

// --- TGridDatePicker ---

TGridDatePicker::TGridDatePicker(TExStringGrid* AGrid) : TEsgDateTimePicker(AGrid), FGrid(AGrid) {
  SetVisible(false);
  SetEnabled(false);
  SetParent(AGrid);
}

bool TGridDatePicker::ReadCellText(const QString& Text, TDateTime& Value) const {
  const QString t = Trim(Text);
  if (t.isEmpty()) return false;
  // Parts the format does not show start at zero: a date-only cell opens at
  // midnight, not at the time of day the picker last held.
  const TDateTime base = Kind() == dtkTime ? 0.0 : std::trunc(DateTime());
  if (!Format().isEmpty() && TryParseDisplayText(Format(), t, base, Value)) return true;
  if (Kind() == dtkTime) {
    TDateTime time = 0;
    if (!TryTextToTime(t, time)) return false;
    Value = time;
    return true;
  }
  return ParseLocaleDateTime(t, Value);
}

void TGridDatePicker::ReCreate() {
  const std::vector<TDateFormatPart>& parts = FormatParts();
  for (int i = 0; i < static_cast<int>(parts.size()); ++i)
    if (parts[i].Kind != dfLiteral && parts[i].Kind != dfWeekday) {
      SelectField(i);
      break;
    }
  Invalidate();
}

void TGridDatePicker::ShowText(const QString& Text) {
  TDateTime v = 0;
  SetDateTime(ReadCellText(Text, v) ? v : Now());
}

void TGridDatePicker::WndProc(TMessage& Message) {
  TEsgDateTimePicker::WndProc(Message);
  if (Message.Msg == DTPShiftFocusMessage()) ShiftFocus();
}

// Runs after the typed digit's own handling (the message is posted). The
// move is a Right key for the picker; the parts it compares with are renewed,
// so that the notices of several digits typed before any of them arrived move
// on once.
void TGridDatePicker::ShiftFocus() {
  const TPickerParts now = PickerParts(DateTime());
  const TDatePartStep step = DatePartStep(Kind() == dtkTime, Format(), FParts, now);
  FParts = now;
  if (step == TDatePartStep::NextField) Perform(WM_KEYDOWN, VK_RIGHT, 0);
}

// Two frames in the window colour over the picker's own border: in a cell the
// editor shows no frame.
void TGridDatePicker::Paint() {
  TEsgDateTimePicker::Paint();
  TCanvas* c = Canvas();
  c->Brush()->SetColor(clWindow);
  TRect r = ClientRect();
  c->FrameRect(r);
  InflateRect(r, -1, -1);
  c->FrameRect(r);
}

void TGridDatePicker::KeyPress(QChar& Key) {
  if (Key >= u'0' && Key <= u'9') {
    FParts = PickerParts(DateTime());
    TEsgDateTimePicker::KeyPress(Key);
    PostMessage(this, DTPShiftFocusMessage(), 0, 0);
  } else {
    TEsgDateTimePicker::KeyPress(Key);
  }
  if (FGrid->OnKeyPress) FGrid->OnKeyPress(FGrid, Key);
}

void TGridDatePicker::CMWantSpecialKey(TMessage& Message) {
  TEsgDateTimePicker::CMWantSpecialKey(Message);
  const int key = Message.CharCode();
  if (key == VK_RETURN || key == VK_ESCAPE) Message.Result = 1;
  if (key == VK_TAB && FGrid->EditorHandlesTab()) Message.Result = 1;
}

void TGridDatePicker::DoExit() {
  // Leaving validates first; a refused value leaves the cell as it was and
  // announces nothing.
  if (FGrid->EditMode && FGrid->FEditing && !CommitText()) {
    FGrid->FEditCancelled = true;
    FGrid->FEditActive = false;
  }
  FGrid->HideInplaceEdit();
  TEsgDateTimePicker::DoExit();
}

bool TGridDatePicker::CommitText() {
  const QString text = Checked() ? Text() : QString();
  FGrid->FValidating = true;
  FGrid->SetCurrentCell(text);
  FGrid->FValidating = false;
  if (FGrid->ValidateCell(text)) return true;
  ShowText(FGrid->FNewCellText);
  Invalidate();
  return false;
}

// The special editors' key protocol, with the date picker's row of it.
void TGridDatePicker::KeyDown(int& Key, TShiftState Shift) {
  // 1. Navigation keys.
  const bool navigation = Key == VK_TAB || Key == VK_RETURN || Key == VK_ESCAPE || Key == VK_PRIOR ||
                          Key == VK_NEXT || Key == VK_END;
  if (!navigation) {
    TEsgDateTimePicker::KeyDown(Key, Shift);
    return;
  }
  // 2. Escape: the picker shows the cell's value again; the cell stays exactly
  // as it was.
  if (Key == VK_ESCAPE) {
    ShowText(FGrid->CurrentCell());
    FGrid->FEditCancelled = true;
  }
  // 3. Enter takes a part still being typed (a Right press for the picker),
  // then validates.
  if (Key == VK_RETURN) {
    Perform(WM_KEYDOWN, VK_RIGHT, 0);
    Perform(WM_KEYUP, VK_RIGHT, 0);
    if (!CommitText()) {
      Key = 0;
      FGrid->FNoAutoAdvance = true;
      return;
    }
    ShowText(FGrid->CurrentCell());
  }
  // 4. Tab validates when the grid takes Tab in editors.
  if (Key == VK_TAB && FGrid->EditorHandlesTab()) {
    if (!CommitText()) {
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
  // 6. Finish, only while the calendar is closed; the key is not passed on.
  if (!DroppedDown()) FGrid->DoneInplaceEdit(Key, Shift);
  Key = 0;
}

// --- TGridDateTimePicker ---

TGridDateTimePicker::TGridDateTimePicker(TExStringGrid* AGrid) : TExDateTimePicker(AGrid), FGrid(AGrid) {
  SetVisible(false);
  SetEnabled(false);
  SetParent(AGrid);
}

void TGridDateTimePicker::CMWantSpecialKey(TMessage& Message) {
  TExDateTimePicker::CMWantSpecialKey(Message);
  const int key = Message.CharCode();
  if (key == VK_RETURN || key == VK_ESCAPE) Message.Result = 1;
  if (key == VK_TAB && FGrid->EditorHandlesTab()) Message.Result = 1;
}

bool TGridDateTimePicker::CommitText() {
  const QString text = Checked() ? DateAndTimeCellText(DateTime()) : QString();
  FGrid->FValidating = true;
  FGrid->SetCurrentCell(text);
  FGrid->FValidating = false;
  if (FGrid->ValidateCell(text)) return true;
  TDateTime v = 0;
  if (ParseLocaleDateTime(FGrid->FNewCellText, v)) SetDateTime(v);
  Invalidate();
  return false;
}

void TGridDateTimePicker::DoExit() {
  // The embedded time picker is part of the editor: moving into it ends nothing.
  if (FGrid->EditMode && FGrid->FEditing && !CommitText()) {
    FGrid->FEditCancelled = true;
    FGrid->FEditActive = false;
  }
  FGrid->HideInplaceEdit();
  TExDateTimePicker::DoExit();
}

void TGridDateTimePicker::KeyDown(int& Key, TShiftState Shift) {
  TNavigation* nav = FGrid->Navigation();
  switch (Key) {
    case VK_ESCAPE:
      // The value from when the editor opened; the cell stays as it was.
      SetDateTime(FGrid->FOriginalDateTime);
      FGrid->FEditCancelled = true;
      FGrid->HideInplaceEdit();
      FGrid->SetFocus();
      Key = 0;
      return;
    case VK_RETURN:
      FGrid->HideInplaceEdit();
      FGrid->SetFocus();
      if (nav->AdvanceOnEnter) FGrid->AdvanceCell(FGrid->Col(), FGrid->Row(), false, false, true, false, true);
      Key = 0;
      return;
    case VK_TAB:
      if (!FGrid->EditorHandlesTab()) break;
      // Tab validates as in every other editor.
      if (!CommitText()) {
        Key = 0;
        return;
      }
      FGrid->HideInplaceEdit();
      FGrid->SetFocus();
      FGrid->AdvanceAfterEdit(Shift.Contains(ssShift));
      Key = 0;
      return;
    default: break;
  }
  TExDateTimePicker::KeyDown(Key, Shift);
}
