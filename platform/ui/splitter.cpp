#include "platform/ui/splitter.h"

#include "platform/ui/canvas.h"

#include <algorithm>

TSplitter::TSplitter(TComponent* AOwner) : TCustomControl(AOwner) {
  SetCursor(crVSplit);
  SetBounds(0, 0, 100, 3);
}

void TSplitter::MoveTo(int top) {
  const int room = Parent() ? Parent()->ClientHeight() : top + Height() + min_size_;
  const int highest = min_size_;
  const int lowest = std::max(highest, room - min_size_ - Height());
  const int clamped = std::clamp(top, highest, lowest);
  if (clamped == Top()) return;
  SetTop(clamped);
  if (OnMoved) OnMoved(this);
}

void TSplitter::Paint() {
  TCanvas* c = Canvas();
  c->Brush()->SetColor(Color());
  c->FillRect(ClientRect());
}

void TSplitter::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  dragging_ = true;
  grip_ = Y;
  SetMouseCapture(true);
}

void TSplitter::MouseMove(TShiftState Shift, int X, int Y) {
  TCustomControl::MouseMove(Shift, X, Y);
  if (dragging_) MoveTo(Top() + Y - grip_);
}

void TSplitter::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseUp(Button, Shift, X, Y);
  if (Button != mbLeft || !dragging_) return;
  dragging_ = false;
  SetMouseCapture(false);
}
