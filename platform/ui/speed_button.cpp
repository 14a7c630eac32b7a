#include "platform/ui/speed_button.h"

TSpeedButton::TSpeedButton(TComponent* AOwner) : TGraphicControl(AOwner) {
  // Clicks come from MouseUp alone (a release over the button).
  SetControlStyle(TControlStyle{csCaptureMouse, csDoubleClicks, csOpaque});
  SetBounds(0, 0, 23, 22);
  SetColor(clBtnFace);
}

void TSpeedButton::SetFlat(bool value) {
  flat_ = value;
  Invalidate();
}

void TSpeedButton::SetTransparent(bool value) {
  transparent_ = value;
  Invalidate();
}

void TSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft || !Enabled()) return;
  state_ = bsDown;
  dragging_ = true;
  Invalidate();
}

void TSpeedButton::MouseMove(TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseMove(Shift, X, Y);
  if (!dragging_) return;
  const TButtonState now = PtInRect(ClientRect(), Point(X, Y)) ? bsDown : bsUp;
  if (now == state_) return;
  state_ = now;
  Invalidate();
}

void TSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseUp(Button, Shift, X, Y);
  if (!dragging_) return;
  dragging_ = false;
  const bool over = X >= 0 && X < ClientWidth() && Y >= 0 && Y <= ClientHeight();
  state_ = bsUp;
  Invalidate();
  if (over) Click();
}

void TSpeedButton::CMMouseEnter(TMessage& m) {
  TGraphicControl::CMMouseEnter(m);
  mouse_in_control_ = true;
  if (flat_) Invalidate();
}

void TSpeedButton::CMMouseLeave(TMessage& m) {
  TGraphicControl::CMMouseLeave(m);
  mouse_in_control_ = false;
  if (flat_) Invalidate();
}

void TSpeedButton::Paint() {
  TCanvas* c = Canvas();
  const TRect r = ClientRect();
  if (!transparent_) {
    c->Brush()->SetColor(Color());
    c->FillRect(r);
  }
  if (flat_ && !mouse_in_control_ && state_ != bsDown) return;
  const bool down = state_ == bsDown;
  c->Pen()->SetColor(down ? clBtnShadow : clBtnHighlight);
  c->Polyline({{r.Left, r.Bottom - 1}, {r.Left, r.Top}, {r.Right - 1, r.Top}});
  c->Pen()->SetColor(down ? clBtnHighlight : clBtnShadow);
  c->Polyline({{r.Right - 1, r.Top}, {r.Right - 1, r.Bottom - 1}, {r.Left - 1, r.Bottom - 1}});
}
