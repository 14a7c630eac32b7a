// Placing and storing the date editors: the date or time picker of edDateEdit,
// edDateEditUpDown and edTimeEdit and the date-and-time picker of
// edDateTimeEdit, made on first use with their events routed to the grid.
#include "grid/base/date_text.h"
#include "grid/input/grid_date_pickers.h"
#include "grid/view/ex_string_grid.h"
#include "platform/ui/month_calendar.h"

TGridDatePicker* TExStringGrid::DateTimePicker() {
  if (FEditDate) return FEditDate;
  FEditDate = new TGridDatePicker(this);
  FEditDate->OnCloseUp = [this](TObject*) {
    if (OnDatePickerCloseUp) OnDatePickerCloseUp(this, Row(), Col());
    if (FMouseActions->DirectDateClose) HideInplaceEdit();
  };
  // The calendar's today line, today circle and week numbers, and its size.
  FEditDate->OnDropDown = [this](TObject*) {
    TMonthCalendar* cal = FEditDate->MonthCalendar();
    if (cal) {
      cal->SetShowToday(FEditDate->ShowToday);
      cal->SetShowTodayCircle(FEditDate->ShowTodayCircle);
      cal->SetWeekNumbers(FEditDate->Weeknumbers);
      const TPoint min = cal->MinimumSize();
      cal->SetBounds(0, 0, min.X + 2, min.Y + 2);
    }
    if (OnDatePickerDropDown) OnDatePickerDropDown(this, Row(), Col());
  };
  FEditDate->OnChange = [this](TObject*) {
    if (OnEditChange) OnEditChange(this, Col(), Row(), FEditDate->Text());
  };
  return FEditDate;
}

TGridDateTimePicker* TExStringGrid::DateAndTimePicker() {
  if (FEditDateTime) return FEditDateTime;
  FEditDateTime = new TGridDateTimePicker(this);
  FEditDateTime->SetAutoTab(true);
  FEditDateTime->OnCloseUp = [this](TObject*) {
    if (OnDatePickerCloseUp) OnDatePickerCloseUp(this, Row(), Col());
    if (FMouseActions->DirectDateClose) HideInplaceEdit();
  };
  FEditDateTime->OnTimeChange = [this](TObject*) {
    if (OnDateTimeChange) OnDateTimeChange(this, Col(), Row(), FEditDateTime->DateTime());
  };
  return FEditDateTime;
}

bool TExStringGrid::PlaceDateEditor(int ACol, int ARow, const TEditorPlace& P) {
  const TEditorType kind = EditControl;
  if (kind == edDateEdit || kind == edDateEditUpDown) {
    TGridDatePicker* picker = DateTimePicker();
    EditMode = true;
    picker->SetKind(dtkDate);
    const QString text = GetEditText(ACol, ARow);
    TDateTime d = Now();
    if (!text.isEmpty()) {
      if (OnCustomStrToDate) {
        OnCustomStrToDate(this, text, d);
      } else if (picker->ReadCellText(text, d)) {
        if (picker->MaxDate() != 0 && d > picker->MaxDate()) d = picker->MaxDate() - 1;
        if (picker->MinDate() != 0 && d <= picker->MinDate()) d = picker->MinDate() + 1;
      } else {
        d = Now();
      }
    }
    picker->SetDateTime(d);
    picker->SetDateMode(kind == edDateEditUpDown ? dmUpDown : dmComboBox);
    picker->ReCreate();
    GetEditorPropHook(P.RC, ARow, nullptr);
    picker->SetBounds(P.R.Left, P.R.Top, P.W, P.H);
    picker->SetEnabled(true);
    picker->SetVisible(true);
    picker->SetColor(P.Colour);
    if (picker->CanFocus()) picker->SetFocus();
    if (FMouseActions->DirectDateDrop) SendMessage(picker, WM_KEYDOWN, VK_F4, 0);
    if (!FStartEditChar.isNull()) PostMessage(picker, WM_CHAR, FStartEditChar.unicode(), 0);
    EditCtrl = picker;
    return true;
  }
  if (kind == edTimeEdit) {
    TGridDatePicker* picker = DateTimePicker();
    EditMode = true;
    picker->SetKind(dtkTime);
    picker->SetDateMode(dmUpDown);
    TDateTime t = 0;
    picker->SetDateTime(picker->ReadCellText(GetEditText(ACol, ARow), t) ? t : Now());
    picker->ReCreate();
    picker->SetBounds(P.R.Left, P.R.Top, P.W, P.H);
    picker->SetEnabled(true);
    picker->SetVisible(true);
    picker->SetColor(P.Colour);
    GetEditorPropHook(P.RC, ARow, nullptr);
    if (picker->CanFocus()) picker->SetFocus();
    EditCtrl = picker;
    return true;
  }
  if (kind == edDateTimeEdit) {
    TGridDateTimePicker* picker = DateAndTimePicker();
    EditMode = true;
    TDateTime v = 0;
    const QString text = GetEditText(ACol, ARow);
    if (text.isEmpty() || !ParseLocaleDateTime(text, v)) v = Now();
    FOriginalDateTime = v;
    picker->SetDateTime(v);
    picker->SetKind(dkDateTime);
    picker->SetBorderStyle(bsNone);
    picker->SetBounds(P.R.Left, P.R.Top, P.W, picker->Height() < P.H ? P.H : picker->Height());
    GetEditorPropHook(P.RC, ARow, nullptr);
    picker->SetEnabled(true);
    picker->SetVisible(true);
    picker->SetColor(P.Colour);
    picker->UpdateTimePicker();
    if (picker->CanFocus()) picker->SetFocus();
    return true;
  }
  return false;
}

bool TExStringGrid::StoreDateEditor(int ACol, int ARow) {
  const TEditorType kind = EditControl;
  if ((kind == edDateEdit || kind == edDateEditUpDown || kind == edTimeEdit) && FEditDate) {
    if (!FEditCancelled) EditorValueToCell(ACol, ARow, FEditDate->Checked() ? FEditDate->Text() : QString());
    EditMode = false;
    if (FEditDate->DroppedDown()) FEditDate->SetDroppedDown(false);
    FEditDate->SetEnabled(false);
    FEditDate->SetVisible(false);
    return true;
  }
  if (kind == edDateTimeEdit && FEditDateTime) {
    if (!FEditCancelled) {
      const TDateTime v = FEditDateTime->DateTime();
      EditorValueToCell(ACol, ARow, FEditDateTime->Checked() ? DateAndTimeCellText(v) : QString());
    }
    EditMode = false;
    if (FEditDateTime->DroppedDown()) FEditDateTime->SetDroppedDown(false);
    FEditDateTime->SetEnabled(false);
    FEditDateTime->SetVisible(false);
    return true;
  }
  return false;
}
