// A time-of-day edit whose pop-up shows the analogue clock
// (TExTimePickerDropDown): the text is two-digit hour, minute and, with
// ShowSeconds, second joined by the locale time separator; Up and Down step the
// part under the caret (wrapping within the part); a typed full-length text
// sets Time; the clock's hands set it from the pop-up, and a cancelled close
// keeps the Time from before.
#pragma once

#include <memory>

#include "grid/dropdown/ex_drop_down.h"
#include "grid/dropdown/watch_appearance.h"
#include "platform/rtl/date_time.h"

class TDateTimePicker;
class TExWatch;
class TPanel;

class TExTimePickerDropDown : public TExCustomDropDown {
public:
  explicit TExTimePickerDropDown(TComponent* AOwner);
  ~TExTimePickerDropDown() override;

  TDateTime Time() const { return FTime; }
  // Shows the time in the text (and on the open clock); does not fire OnTimeChange.
  void SetTime(TDateTime Value);
  bool ShowSeconds() const { return FShowSeconds; }
  void SetShowSeconds(bool Value);
  TWatchAppearance* WatchAppearance() const { return FWatchAppearance.get(); }
  void SetWatchAppearance(const TWatchAppearance* Value) { FWatchAppearance->Assign(Value); }
  TWatchSettings* WatchSettings() const { return FWatchSettings.get(); }
  void SetWatchSettings(const TWatchSettings* Value) { FWatchSettings->Assign(Value); }
  // A standard time picker under the clock (from the next opening on).
  bool ShowTimePicker = false;
  TDateTimePicker* TimePicker() const { return FDateTimePicker; }
  bool ShowWatchAMPM = true;
  bool ShowWatchNumbers = true;
  bool Animation = true;
  int AnimationFactor = 10;
  TExWatch* Watch() const { return FExWatch; }
  TNotifyEvent OnTimeChange;

  void SetComponentStyle(TSuiteStyle AStyle) override;
  // Parts set from the keys: out of range or unchanged does nothing; else
  // Time changes and OnTimeChange fires.
  void ChangeHour(int Value);
  void ChangeMinute(int Value);
  void ChangeSecond(int Value);

protected:
  void CreateDropDownForm() override;
  void BeforeDropDown() override;
  void DoHideDropDown(bool Cancelled) override;
  void AfterDropUp() override;
  void KeyDown(int& Key, TShiftState Shift) override;
  void Change() override;
  void DropDownKeyDown(int& Key, TShiftState Shift) override;
  void DropDownKeyUp(int& Key, TShiftState Shift) override;
  void ControlKeyDown(int& Key, TShiftState Shift) override;
  void ControlKeyUp(int& Key, TShiftState Shift) override;
  void ControlKeyPress(QChar& Key) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

private:
  QString FormatTime(TDateTime T) const;
  void WatchChange();
  void TimePickerChange();
  void ShowPicker();
  // A key of the pop-up goes on to the edit unless it is a clock key.
  bool PassesFilter(int Key, TShiftState Shift) const;
  void ChangePart(int Part, int Value);

  std::unique_ptr<TWatchAppearance> FWatchAppearance;
  std::unique_ptr<TWatchSettings> FWatchSettings;
  TExWatch* FExWatch = nullptr;
  TPanel* FPanelCtrl = nullptr;
  TDateTimePicker* FDateTimePicker = nullptr;
  TDateTime FTime = 0;
  bool FInternalCall = false;
  bool FShowSeconds = true;
};
