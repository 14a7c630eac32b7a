// The class library's splitter (stands for TSplitter) for a bar between a control
// above and one below: a thin bar the user drags up or down. The bar moves itself
// and raises OnMoved; its owner then lays the two sides out around the bar's new
// top. It keeps MinSize pixels of its parent above it and below it.
#pragma once

#include "platform/ui/control.h"

class TSplitter : public TCustomControl {
public:
  explicit TSplitter(TComponent* AOwner);

  int MinSize() const { return min_size_; }
  void SetMinSize(int value) { min_size_ = value; }
  // Moves the bar to `top`, kept within the parent by MinSize; raises OnMoved when
  // the bar moved.
  void MoveTo(int top);

  TNotifyEvent OnMoved;

protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
  int min_size_ = 30;
  bool dragging_ = false;
  int grip_ = 0;  // where in the bar the press was
};
