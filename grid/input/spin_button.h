// The up/down button pair at the right edge of the spin edit (TEsgSpinButton) and
// its auto-repeating arrow buttons (TExTimerSpeedButton). A press on an arrow does
// not step; held, it clicks 400 ms after the press and then every 100 ms while it
// stays pressed and captured; the release over it clicks once more.
#pragma once

#include "platform/ui/speed_button.h"
#include "platform/ui/timer.h"

enum TSpinDirection { spVertical, spHorizontal };
enum TButtonDirection { bdLeft, bdRight, bdUp, bdDown };
enum TTimeBtnStateFlag { tbFocusRect, tbAllowTimer };
using TTimeBtnState = TSet<TTimeBtnStateFlag>;

class TEsgSpinButton;

class TExTimerSpeedButton : public TSpeedButton {
public:
  explicit TExTimerSpeedButton(TComponent* AOwner);

  TTimeBtnState TimeBtnState() const { return FTimeBtnState; }
  void SetTimeBtnState(TTimeBtnState value) { FTimeBtnState = value; }
  TButtonDirection ButtonDirection() const { return FButtonDirection; }
  void SetButtonDirection(TButtonDirection value);
  void SetIsWinXP(bool value) { FIsWinXP = value; }
  // The repeat timer, made on the first press (nullptr before).
  TTimer* RepeatTimer() const { return FRepeatTimer; }
  // One tick of the repeat timer.
  void TimerExpired(TObject* Sender);

protected:
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void Paint() override;

private:
  TEsgSpinButton* Pair() const;

  TTimer* FRepeatTimer = nullptr;
  TTimeBtnState FTimeBtnState;
  TButtonDirection FButtonDirection = bdUp;
  bool FIsWinXP = false;
};

class TEsgSpinButton : public TCustomControl {
public:
  explicit TEsgSpinButton(TComponent* AOwner);

  TSpinDirection Direction() const { return FDirection; }
  void SetDirection(TSpinDirection value);
  TWinControl* FocusControl() const { return FFocusControl; }
  void SetFocusControl(TWinControl* value);
  void SetIsWinXP(bool value);
  bool IsWinXP() const { return FIsWinXP; }
  TExTimerSpeedButton* UpButton() const { return FUpButton; }
  TExTimerSpeedButton* DownButton() const { return FDownButton; }
  TExTimerSpeedButton* FocusedButton() const { return FFocusedButton; }

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  // The two buttons laid into W x H; W and H come back corrected (at least 15
  // wide upright, 20 wide side by side).
  void ArrangeButtons(int& W, int& H);

  // Custom colours; clNone leaves the themed or classic look.
  TColor ButtonColor = clNone;
  TColor ButtonColorHot = clNone;
  TColor ButtonColorDown = clNone;
  TColor ButtonTextColor = clNone;
  TColor ButtonTextColorHot = clNone;
  TColor ButtonTextColorDown = clNone;
  TColor ButtonBorderColor = 0;

  TNotifyEvent OnUpClick;
  TNotifyEvent OnDownClick;

protected:
  void KeyDown(int& Key, TShiftState Shift) override;
  void WMGetDlgCode(TMessage& Message) override;
  void WMSetFocus(TMessage& Message) override;
  void WMKillFocus(TMessage& Message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

private:
  TExTimerSpeedButton* CreateButton();
  void BtnClick(TObject* Sender);
  void BtnMouseDown(TObject* Sender, TMouseButton Button);
  void SetFocusBtn(TExTimerSpeedButton* Btn);

  TExTimerSpeedButton* FUpButton = nullptr;
  TExTimerSpeedButton* FDownButton = nullptr;
  TExTimerSpeedButton* FFocusedButton = nullptr;
  TWinControl* FFocusControl = nullptr;
  TSpinDirection FDirection = spVertical;
  bool FIsWinXP = false;
};
