// The class library's date and time picker (stands for TDateTimePicker) over
// QDateTimeEdit: a time of day (dtkTime) or a date (dtkDate) whose parts the
// user steps with the arrow keys or types. OnChange follows every change made
// by the user, never one made in code.
#pragma once

#include <QString>

#include "platform/rtl/date_time.h"
#include "platform/ui/control.h"

enum TDateTimeKind { dtkDate, dtkTime };

class TDateTimePicker : public TWinControl {
public:
  explicit TDateTimePicker(TComponent* AOwner);

  TDateTimeKind Kind() const { return kind_; }
  void SetKind(TDateTimeKind value);
  // The whole value: the date as the whole days, the time as the fraction.
  TDateTime DateTime() const { return value_; }
  void SetDateTime(TDateTime value);
  // The time of day of the value (the date part kept on writing).
  TDateTime Time() const;
  void SetTime(TDateTime value);
  // The shown format in the platform's picture syntax ("HH:mm:ss", "dd.MM.yyyy").
  QString Format() const { return format_; }
  void SetFormat(const QString& value);

  TNotifyEvent OnChange;

protected:
  // The arrow keys step the part under the caret (they are no dialog keys here).
  void WMGetDlgCode(TMessage& Message) override;

private:
  void Apply();
  void FromWidget();

  TDateTimeKind kind_ = dtkDate;
  TDateTime value_ = 0;
  QString format_;
  bool applying_ = false;
};
