// The class library's date-time picker (stands for TDateTimePicker and the
// date-and-time-picker control under it): a date or a time shown in its display
// format, edited one field at a time (date_time_fields.h), with a drop-down
// button that opens a month calendar (dmComboBox) or an up-down button pair
// (dmUpDown), and an optional check box that says whether there is a value at
// all. Keys as the control takes them: Left and Right go from field to field, Up
// and Down step the current field, digits are typed into it, F4 and Alt+Down
// open the calendar, Space switches the check box.
//
// Notifications: Change (OnChange) follows every change of the value or of the
// check box by the user (never a value set in code); DropDown (OnDropDown) runs
// when the calendar is about to show (it is made by then, so a handler can set
// its options and size), CloseUp (OnCloseUp) after it closed.
#pragma once

#include "platform/ui/control.h"
#include "platform/ui/date_time_fields.h"

class TMonthCalendar;
class TCalendarPopup;

enum TDateTimeKind { dtkDate, dtkTime };
enum TDTDateMode { dmComboBox, dmUpDown };

class TDateTimePicker : public TCustomControl {
public:
  explicit TDateTimePicker(TComponent* AOwner);
  ~TDateTimePicker() override;

  TDateTimeKind Kind() const { return kind_; }
  void SetKind(TDateTimeKind value);
  TDTDateMode DateMode() const { return date_mode_; }
  void SetDateMode(TDTDateMode value);
  // The display format; empty: the locale's short date or long time format.
  QString Format() const { return format_; }
  void SetFormat(const QString& value);

  TDateTime DateTime() const { return fields_.Value(); }
  void SetDateTime(TDateTime value);
  // The whole days of the value (the time of day is kept when set).
  TDateTime Date() const;
  void SetDate(TDateTime value);
  // The time of day of the value (the date is kept when set).
  TDateTime Time() const;
  void SetTime(TDateTime value);
  // 0: no limit.
  TDateTime MinDate() const { return min_date_; }
  void SetMinDate(TDateTime value);
  TDateTime MaxDate() const { return max_date_; }
  void SetMaxDate(TDateTime value);

  bool ShowCheckbox() const { return show_checkbox_; }
  void SetShowCheckbox(bool value);
  // Without the check box always true.
  bool Checked() const { return checked_ || !show_checkbox_; }
  void SetChecked(bool value);

  bool Ctl3D() const { return ctl3d_; }
  void SetCtl3D(bool value);

  bool DroppedDown() const;
  // Opens or closes the month calendar (dmComboBox only).
  void SetDroppedDown(bool value);
  // The calendar while it is shown (from DropDown on), else nullptr.
  TMonthCalendar* MonthCalendar() const;

  // The field under the caret and the shown text of each part.
  int CurrentField() const { return fields_.Current(); }
  const std::vector<TDateFormatPart>& FormatParts() const { return fields_.Parts(); }
  // Moves the caret to the field of a part (a pending digit is taken first).
  void SelectField(int Part);
  // The rectangle of the drop-down button or the up-down pair.
  TRect ButtonRect() const;
  int ButtonWidth() const;

  TNotifyEvent OnChange;
  TNotifyEvent OnDropDown;
  TNotifyEvent OnCloseUp;

  // --- used by the calendar pop-up ---
  void CalendarChosen();
  void CalendarClosed(bool Cancelled);

protected:
  virtual void Change();
  virtual void DropDown();
  virtual void CloseUp();

  QString GetText() const override;
  void StoreText(const QString& value) override;
  void Paint() override;
  // The picker's own painting: background, check box, text, button, frame.
  void PaintPicker();
  void DefaultHandler(TMessage& Message) override;
  void WMGetDlgCode(TMessage& Message) override;
  void WMSetFocus(TMessage& Message) override;
  void WMKillFocus(TMessage& Message) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void CMEnabledChanged(TMessage& Message) override;

  int FrameWidth() const { return ctl3d_ ? 2 : 1; }
  TRect CheckRect() const;
  TRect TextRect() const;

private:
  void ApplyFormat();
  // Runs a field operation; a changed value raises Change.
  void Edited(bool changed);
  int CharAtX(int X);

  TDateTimeFieldEdit fields_;
  TDateTimeKind kind_ = dtkDate;
  TDTDateMode date_mode_ = dmComboBox;
  QString format_;
  TDateTime min_date_ = 0, max_date_ = 0;
  bool show_checkbox_ = false;
  bool checked_ = true;
  bool ctl3d_ = true;
  TCalendarPopup* popup_ = nullptr;
  TMonthCalendar* calendar_ = nullptr;
  bool dropped_ = false;
};
