// What the lists of the multi-column and the grid drop-downs share over their
// different grid bases: the header and line looks (the multi-column list
// draws them; the grid drop-down's list keeps them for the interface and
// paints as a grid does), the wheel that moves the selection without
// confirming it, a mouse press that confirms it, and the arrow and Tab keys
// kept for the list.
#pragma once

#include "platform/ui/graphics.h"
#include "platform/ui/messages.h"

template <class Base>
class TDropDownListGrid : public Base {
public:
  using Base::Base;

  TColor HeaderColor = 0xFFFFFF;
  TColor HeaderColorTo = 0x808080;
  TColor LineColor = 0x808080;
  TColor FixedLineColor = 0x000000;
  int HeaderHeight = 25;
  bool ConfirmSelection() const { return FConfirmSelection; }
  bool MouseWheelSelection() const { return FMouseWheelSelection; }

protected:
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override {
    FConfirmSelection = true;
    Base::MouseDown(Button, Shift, X, Y);
  }
  bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override {
    return WheelSelection([&] { return Base::DoMouseWheelDown(Shift, MousePos); });
  }
  bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override {
    return WheelSelection([&] { return Base::DoMouseWheelUp(Shift, MousePos); });
  }
  void WMGetDlgCode(TMessage& Message) override { Message.Result = DLGC_WANTARROWS | DLGC_WANTTAB; }

  bool FMouseWheelSelection = false;
  bool FConfirmSelection = false;

private:
  template <class F>
  bool WheelSelection(F wheel) {
    FMouseWheelSelection = true;
    FConfirmSelection = false;
    const bool r = wheel();
    FMouseWheelSelection = false;
    return r;
  }
};
