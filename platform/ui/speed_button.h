// The class library's speed button (stands for TSpeedButton): a button without
// focus that looks pressed while the left button is held on it and clicks when the
// button is released over it. It paints a face and a frame (flat: a frame only
// while the mouse is over it); descendants paint their own face in Paint.
#pragma once

#include "platform/ui/control.h"

enum TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };

class TSpeedButton : public TGraphicControl {
public:
  explicit TSpeedButton(TComponent* AOwner);

  TButtonState State() const { return state_; }
  bool Flat() const { return flat_; }
  void SetFlat(bool value);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);
  // The mouse is over the button.
  bool MouseInControl() const { return mouse_in_control_; }

protected:
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void CMMouseEnter(TMessage& Message) override;
  void CMMouseLeave(TMessage& Message) override;
  void Paint() override;

private:
  TButtonState state_ = bsUp;
  bool dragging_ = false;
  bool flat_ = false;
  bool transparent_ = false;
  bool mouse_in_control_ = false;
};
