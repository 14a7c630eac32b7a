// A drop-down edit for a whole number in a range (TExTrackBarDropDown): the edit
// shows the number, the pop-up a track bar as wide as the edit. Typing is off by
// default; the value moves with the track bar, the Up and Down keys, or a mouse
// drag over the edit.
#pragma once

#include "grid/dropdown/ex_drop_down.h"

class TTrackBar;

class TExTrackBarDropDown : public TExCustomDropDown {
public:
  explicit TExTrackBarDropDown(TComponent* AOwner);

  int Min() const { return FMin; }
  void SetMin(int Value);
  int Max() const { return FMax; }
  void SetMax(int Value);
  int Position() const { return FPosition; }
  void SetPosition(int Value);
  int Frequency() const { return FFrequency; }
  void SetFrequency(int Value);
  int PageSize() const { return FPageSize; }
  void SetPageSize(int Value);
  TTrackBar* TrackBar() const { return FTrackBar; }

  TNotifyEvent OnTrackChange;

protected:
  void CreateDropDownForm() override;
  void BeforeDropDown() override;
  void Change() override;
  void WMKeyDown(TMessage& Message) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

private:
  void TrackBarChange();

  TTrackBar* FTrackBar = nullptr;
  int FMin = 0;
  int FFrequency = 1;
  int FPageSize = 2;
  int FMax = 10;
  int FPosition = 0;
  bool FMouseDraging = false;
  int FMouseX = 0;
};
