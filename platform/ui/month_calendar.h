// The class library's month calendar (stands for the month-calendar control
// that the date-time picker drops down): a month grid to pick a day from, with
// the optional today line, today circle and week numbers of its window style.
// OnSelect follows a day chosen by the user (click, or Enter on the marked
// day); OnCancel follows Escape.
#pragma once

#include "platform/rtl/date_time.h"
#include "platform/ui/control.h"

class TMonthCalendar : public TWinControl {
public:
  explicit TMonthCalendar(TComponent* AOwner);

  TDateTime Date() const;
  void SetDate(TDateTime value);
  // 0: no limit.
  void SetRange(TDateTime MinDate, TDateTime MaxDate);
  bool ShowToday() const { return show_today_; }
  void SetShowToday(bool value);
  bool ShowTodayCircle() const { return show_today_circle_; }
  void SetShowTodayCircle(bool value);
  bool WeekNumbers() const { return week_numbers_; }
  void SetWeekNumbers(bool value);
  // The smallest size that shows one month (stands for MCM_GETMINREQRECT).
  TPoint MinimumSize() const;

  // The user's choice: the day under the marker, as a click or Enter chooses it.
  void Choose();

  TNotifyEvent OnSelect;
  TNotifyEvent OnCancel;

private:
  void Apply();

  bool show_today_ = true;
  bool show_today_circle_ = true;
  bool week_numbers_ = false;
};
