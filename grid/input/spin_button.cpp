#include "grid/input/spin_button.h"

#include "platform/theme/visual_styles.h"

// --- TExTimerSpeedButton ---

TExTimerSpeedButton::TExTimerSpeedButton(TComponent* AOwner) : TSpeedButton(AOwner) {}

TEsgSpinButton* TExTimerSpeedButton::Pair() const { return dynamic_cast<TEsgSpinButton*>(Parent()); }

void TExTimerSpeedButton::SetButtonDirection(TButtonDirection value) {
  FButtonDirection = value;
  Invalidate();
}

void TExTimerSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TSpeedButton::MouseDown(Button, Shift, X, Y);
  if (FTimeBtnState.Contains(tbAllowTimer)) {
    if (!FRepeatTimer) {
      FRepeatTimer = new TTimer(this);
      FRepeatTimer->SetOnTimer([this](TObject* s) { TimerExpired(s); });
    }
    FRepeatTimer->SetInterval(400);
    FRepeatTimer->SetEnabled(true);
  }
  if (Parent()) Parent()->Invalidate();
}

void TExTimerSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TSpeedButton::MouseUp(Button, Shift, X, Y);
  if (FRepeatTimer) FRepeatTimer->SetEnabled(false);
  if (Parent()) Parent()->Invalidate();
}

void TExTimerSpeedButton::TimerExpired(TObject*) {
  if (!FRepeatTimer) return;
  FRepeatTimer->SetInterval(100);
  if (State() != bsDown || !MouseCapture()) return;
  try {
    Click();
  } catch (...) {
    FRepeatTimer->SetEnabled(false);
    throw;
  }
}

void TExTimerSpeedButton::Paint() {
  TCanvas* c = Canvas();
  const TRect r = ClientRect();
  const int L = r.Left, T = r.Top;
  const bool pressed = State() == bsDown;
  TEsgSpinButton* pair = Pair();
  // 1. Custom colours: the face, then a black arrow.
  if (pair && pair->ButtonColor != clNone) {
    const TColor face = pressed ? pair->ButtonColorDown : MouseInControl() ? pair->ButtonColorHot : pair->ButtonColor;
    c->Pen()->SetColor(face);
    c->Brush()->SetColor(face);
    c->Rectangle(r);
    std::vector<TPoint> arrow;
    switch (FButtonDirection) {
      case bdLeft: arrow = {{L + 5, T + 5}, {L + 3, T + 7}, {L + 5, T + 9}}; break;
      case bdRight: arrow = {{L + 3, T + 5}, {L + 5, T + 7}, {L + 3, T + 9}}; break;
      case bdUp: arrow = {{L + 4, T + 4}, {L + 8, T + 4}, {L + 6, T + 2}}; break;
      case bdDown: arrow = {{L + 4, T + 2}, {L + 8, T + 2}, {L + 6, T + 4}}; break;
    }
    c->Pen()->SetColor(clBlack);
    c->Brush()->SetColor(clBlack);
    c->Polygon(arrow);
    return;
  }
  // 2. Themed: the "spin" parts (upright arrows; side arrows fall through).
  if (FIsWinXP && (FButtonDirection == bdUp || FButtonDirection == bdDown)) {
    HTHEME theme = OpenThemeData(this, QStringLiteral("spin"));
    const int part = FButtonDirection == bdUp ? SPNP_UP : SPNP_DOWN;
    const int state = pressed ? UPS_PRESSED : MouseInControl() ? UPS_HOT : UPS_NORMAL;
    const bool drawn = theme && DrawThemeBackground(theme, c, part, state, r);
    CloseThemeData(theme);
    if (drawn) return;
  }
  // 3. Classic: the button face with a black arrow (7, 5, 3 and 1 pixels wide).
  TSpeedButton::Paint();
  c->Pen()->SetColor(Enabled() ? clBlack : clGrayText);
  const int cx = (r.Left + r.Right) / 2, cy = (r.Top + r.Bottom) / 2 + (pressed ? 1 : 0);
  for (int row = 0; row < 4; ++row) {
    const int half = 3 - row;
    switch (FButtonDirection) {
      case bdUp: c->MoveTo(cx - half, cy + 1 - row), c->LineTo(cx + half + 1, cy + 1 - row); break;
      case bdDown: c->MoveTo(cx - half, cy - 2 + row), c->LineTo(cx + half + 1, cy - 2 + row); break;
      case bdLeft: c->MoveTo(cx - 2 + row, cy - half), c->LineTo(cx - 2 + row, cy + half + 1); break;
      case bdRight: c->MoveTo(cx + 1 - row, cy - half), c->LineTo(cx + 1 - row, cy + half + 1); break;
    }
  }
}

// --- TEsgSpinButton ---

TEsgSpinButton::TEsgSpinButton(TComponent* AOwner) : TCustomControl(AOwner) {
  TControlStyle style = ControlStyle();
  style -= csAcceptsControls;
  style -= csSetCaption;
  style += csOpaque;
  SetControlStyle(style);
  FUpButton = CreateButton();
  FUpButton->SetButtonDirection(bdUp);
  FDownButton = CreateButton();
  FDownButton->SetButtonDirection(bdDown);
  FFocusedButton = FUpButton;
  SetBounds(Left(), Top(), 15, 25);
}

TExTimerSpeedButton* TEsgSpinButton::CreateButton() {
  auto* b = new TExTimerSpeedButton(this);
  b->SetParent(this);
  b->SetVisible(true);
  b->SetEnabled(true);
  b->SetTimeBtnState(TTimeBtnState{tbAllowTimer});
  b->OnClick = [this](TObject* s) { BtnClick(s); };
  b->OnMouseDown = [this](TObject* s, TMouseButton button, TShiftState, int, int) { BtnMouseDown(s, button); };
  return b;
}

void TEsgSpinButton::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  ArrangeButtons(AWidth, AHeight);
  TCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TEsgSpinButton::ArrangeButtons(int& W, int& H) {
  if (!FUpButton || !FDownButton) return;
  if (FDirection == spVertical) {
    W = std::max(W, 15);
    const int upper = H / 2;
    FUpButton->SetBounds(0, 0, W, upper);
    FDownButton->SetBounds(0, upper - 1, W, H - upper + 1);
    return;
  }
  W = std::max(W, 20);
  FDownButton->SetBounds(0, 0, W / 2, H);
  FUpButton->SetBounds(W / 2 + 1, 0, W / 2, H);
}

void TEsgSpinButton::SetDirection(TSpinDirection value) {
  if (value == FDirection) return;
  FDirection = value;
  const bool horizontal = value == spHorizontal;
  FUpButton->SetButtonDirection(horizontal ? bdRight : bdUp);
  FDownButton->SetButtonDirection(horizontal ? bdLeft : bdDown);
  SetBounds(Left(), Top(), horizontal ? 20 : 15, Height());
}

void TEsgSpinButton::SetFocusControl(TWinControl* value) {
  if (FFocusControl) FFocusControl->RemoveFreeNotification(this);
  FFocusControl = value;
  if (value) value->FreeNotification(this);
}

void TEsgSpinButton::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FFocusControl) FFocusControl = nullptr;
}

void TEsgSpinButton::SetIsWinXP(bool value) {
  FIsWinXP = value;
  FUpButton->SetIsWinXP(value);
  FDownButton->SetIsWinXP(value);
}

void TEsgSpinButton::BtnClick(TObject* Sender) {
  if (Sender == FUpButton && OnUpClick) OnUpClick(this);
  if (Sender == FDownButton && OnDownClick) OnDownClick(this);
}

void TEsgSpinButton::BtnMouseDown(TObject* Sender, TMouseButton Button) {
  if (Button != mbLeft) return;
  SetFocusBtn(static_cast<TExTimerSpeedButton*>(Sender));
  if (FFocusControl && FFocusControl->TabStop() && FFocusControl->CanFocus() && !FFocusControl->Focused()) {
    FFocusControl->SetFocus();
    return;
  }
  if (!FFocusControl && TabStop() && !Focused() && CanFocus()) SetFocus();
}

void TEsgSpinButton::SetFocusBtn(TExTimerSpeedButton* Btn) {
  if (!TabStop() || !CanFocus() || Btn == FFocusedButton) return;
  FFocusedButton->SetTimeBtnState(FFocusedButton->TimeBtnState() - tbFocusRect);
  FFocusedButton = Btn;
  if (Focused()) FFocusedButton->SetTimeBtnState(FFocusedButton->TimeBtnState() + tbFocusRect);
  Invalidate();
}

void TEsgSpinButton::KeyDown(int& Key, TShiftState Shift) {
  switch (Key) {
    case VK_SPACE: FFocusedButton->Click(); break;
    case VK_UP:
      SetFocusBtn(FUpButton);
      FUpButton->Click();
      break;
    case VK_DOWN:
      SetFocusBtn(FDownButton);
      FDownButton->Click();
      break;
    default: break;
  }
  TCustomControl::KeyDown(Key, Shift);
}

void TEsgSpinButton::WMGetDlgCode(TMessage& m) { m.Result = DLGC_WANTARROWS; }

void TEsgSpinButton::WMSetFocus(TMessage& m) {
  TCustomControl::WMSetFocus(m);
  FFocusedButton->SetTimeBtnState(FFocusedButton->TimeBtnState() + tbFocusRect);
  FFocusedButton->Invalidate();
}

void TEsgSpinButton::WMKillFocus(TMessage& m) {
  TCustomControl::WMKillFocus(m);
  FFocusedButton->SetTimeBtnState(FFocusedButton->TimeBtnState() - tbFocusRect);
  FFocusedButton->Invalidate();
}
