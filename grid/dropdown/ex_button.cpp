#include "grid/dropdown/ex_button.h"

#include "grid/dropdown/dropdown_drawing.h"
#include "grid/dropdown/ex_drop_down.h"
#include "platform/ui/canvas.h"
#include "platform/ui/form.h"
#include "platform/ui/mouse_position.h"
#include "platform/ui/timer.h"

// --- appearance ---

TExButtonAppearance::TExButtonAppearance()
    : FColorCheckedTo(ScaleColor(0xF9D2B2, -10, -10, 0)),
      FColorChecked(ScaleColor(0xF5F0E1, -10, -10, 0)),
      FFont(std::make_unique<TFont>()) {
  FFont->SetName(QStringLiteral("Tahoma"));
}

TExButtonAppearance::~TExButtonAppearance() = default;

void TExButtonAppearance::Set(TColor& field, TColor v) {
  if (field == v) return;
  field = v;
  Changed();
}

void TExButtonAppearance::SetGradient(TGradientDirection v) {
  if (FGradient == v) return;
  FGradient = v;
  Changed();
}

void TExButtonAppearance::SetFont(const TFont* v) {
  if (v) FFont->Assign(*v);
}

void TExButtonAppearance::Changed() {
  if (OnChange) OnChange(this);
}

void TExButtonAppearance::Assign(const TPersistent* Source) {
  auto* s = dynamic_cast<const TExButtonAppearance*>(Source);
  if (!s) return TPersistent::Assign(Source);
  SetColor(s->FColor);
  SetColorTo(s->FColorTo);
  SetColorHot(s->FColorHot);
  SetColorHotTo(s->FColorHotTo);
  SetColorDown(s->FColorDown);
  SetColorDownTo(s->FColorDownTo);
  SetColorChecked(s->FColorChecked);
  SetColorCheckedTo(s->FColorCheckedTo);
  SetColorDisabled(s->FColorDisabled);
  SetColorDisabledTo(s->FColorDisabledTo);
  SetBorderColor(s->FBorderColor);
  SetBorderColorHot(s->FBorderColorHot);
  SetBorderColorDown(s->FBorderColorDown);
  SetBorderColorChecked(s->FBorderColorChecked);
  SetBorderColorDisabled(s->FBorderColorDisabled);
  SetGradient(s->FGradient);
}

// --- button ---

TExButton::TExButton(TComponent* AOwner) : TCustomControl(AOwner) {
  SetBounds(0, 0, 23, 22);
  SetControlStyle(TControlStyle{csCaptureMouse, csClickEvents, csDoubleClicks});
  SetParentFont(true);
  Font()->SetName(QStringLiteral("Tahoma"));
  FUnHotTimer = new TTimer(this);
  FUnHotTimer->SetInterval(1);
  FUnHotTimer->SetEnabled(false);
  FUnHotTimer->SetOnTimer([this](TObject*) { UnHotTimerTick(); });
  SetShowHint(false);
}

TExButton::~TExButton() = default;

bool TExButton::Inside(int X, int Y) const { return X >= 0 && X < ClientWidth() && Y >= 0 && Y <= ClientHeight(); }

void TExButton::FaceColors(TColor& F, TColor& T, TColor& B) const {
  const TExButtonAppearance* a = FAppearance;
  F = a->Color();
  T = a->ColorTo();
  B = a->BorderColor();
  if (!Enabled()) {
    F = a->ColorDisabled(), T = a->ColorDisabledTo(), B = a->BorderColorDisabled();
  } else if (FMouseDownInControl && FMouseInControl) {
    F = T = a->ColorDown(), B = a->BorderColorDown();
  } else if (FDown) {
    F = T = a->ColorChecked(), B = a->BorderColorChecked();
  } else if (FMouseInControl || Focused()) {
    F = T = a->ColorHot(), B = a->BorderColorHot();
  }
}

void TExButton::DrawButton(TCanvas* Canvas) {
  if (!FAppearance) return;
  TColor F, T, B;
  FaceColors(F, T, B);
  DrawRectBackground(Canvas, ClientRect(), F, T, B, 1, FAppearance->Gradient());
  Canvas->Brush()->SetStyle(bsClear);
  Canvas->SetFont(FAppearance->Font());
  DrawCaptionText(Canvas, ClientRect(), Caption(), FImageIndex, FImages);
}

void TExButton::Paint() {
  if (!Enabled()) {
    FState = absDisabled;
    FDragging = false;
  } else if (FState == absDisabled) {
    FState = FDown && FGroupIndex != 0 ? absExclusive : absUp;
  }
  if (FStyle == tasCheck && FDown) FState = absDown;
  // The parent's background shows through: the button fills nothing itself.
  DrawButton(Canvas());
}

void TExButton::SizeToContent() {
  if (!FAppearance) return;
  TCanvas* c = MeasureCanvas();
  c->SetFont(FAppearance->Font());
  const TSize s = GetTextSize(c, Caption());
  SetBounds(Left(), Top(), s.cx + 8, s.cy + 4);
}

// A press by mouse or key: the pressed state, painted later (a check button at once).
void TExButton::ShowPressed() {
  if (!FDown) {
    FState = absDown;
    Invalidate();
  }
  if (FStyle == tasCheck) {
    FState = absDown;
    Repaint();
  }
}

void TExButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft || !Enabled()) return;
  FMouseDownInControl = true;
  ShowPressed();
  FDragging = true;
}

void TExButton::MouseMove(TShiftState Shift, int X, int Y) {
  TCustomControl::MouseMove(Shift, X, Y);
  if (FDragging) {
    TExButtonState next = FDown ? absExclusive : absUp;
    if (Inside(X, Y)) next = FDown ? absExclusive : absDown;
    if (FStyle == tasCheck && FDown) next = absDown;
    if (next != FState) {
      FState = next;
      Invalidate();
    }
  } else if (!FMouseInControl) {
    UpdateTracking();
  }
}

void TExButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseUp(Button, Shift, X, Y);
  FMouseDownInControl = false;
  Invalidate();
  if (!FDragging) return;
  FDragging = false;
  const bool inside = Inside(X, Y);
  if (FGroupIndex != 0) {
    if (inside) {
      SetDown(!FDown);
      if (FDown) Repaint();
    } else if (FDown) {
      FState = absExclusive;
      Repaint();
    }
  } else {
    FState = absUp;
    FMouseInControl = false;
    if (FStyle == tasCheck && inside) {
      SetDown(!FDown);
      FState = absUp;
    }
    if (inside && FState != absDown && FState != absExclusive) Invalidate();
  }
  UpdateTracking();
}

void TExButton::UpdateTracking() {
  if (!Enabled()) return;
  const TPoint p = ScreenToClient(GetCursorPos());
  Perform(PtInRect(ClientRect(), p) ? CM_MOUSEENTER : CM_MOUSELEAVE);
}

void TExButton::CMMouseEnter(TMessage& m) {
  TCustomControl::CMMouseEnter(m);
  FMouseInControl = true;
  if (Enabled()) Invalidate();
  FUnHotTimer->SetEnabled(true);
  if (FOnMouseEnter) FOnMouseEnter(this);
}

void TExButton::CMMouseLeave(TMessage& m) {
  TCustomControl::CMMouseLeave(m);
  FUnHotTimer->SetEnabled(false);
  FMouseInControl = false;
  if (Enabled()) Invalidate();
  if (FOnMouseLeave) FOnMouseLeave(this);
}

void TExButton::UnHotTimerTick() {
  const TPoint p = ScreenToClient(GetCursorPos());
  if (PtInRect(ClientRect(), p)) return;
  FUnHotTimer->SetEnabled(false);
  FMouseInControl = false;
  if (Enabled()) Invalidate();
}

void TExButton::KeyDown(int& Key, TShiftState Shift) {
  if (Key == VK_RETURN || Key == VK_SPACE) {
    ShowPressed();
    FInternalClick = true;
    Click();
    FInternalClick = false;
  }
  TCustomControl::KeyDown(Key, Shift);
}

void TExButton::CMDialogChar(TMessage& m) {
  if (Enabled() && IsAccel(QChar(static_cast<char16_t>(m.CharCode())), Caption())) {
    Click();
    m.Result = 1;
    return;
  }
  TCustomControl::CMDialogChar(m);
}

void TExButton::CMEnabledChanged(TMessage& m) {
  TCustomControl::CMEnabledChanged(m);
  Invalidate();
}

void TExButton::Click() {
  // 1.
  if (TForm* form = ParentForm()) form->SetModalResult(FModalResult);
  // 2.
  const int r = FModalResult;
  const bool cancel = r == 2 || r == 3 || r == 5 || r == 7 || r == 13;
  // 3.
  const bool closes = r == 1 || r == 2 || r == 3 || r == 5 || r == 6 || r == 7 || r == 12 || r == 13 || r == 14;
  if (FExDropDown && closes) FExDropDown->DoHideDropDown(cancel);
  // 4.
  if (!FInternalClick) TCustomControl::Click();
}

void TExButton::SetDown(bool Value) {
  if (FGroupIndex == 0 && FStyle == tasButton) Value = false;
  if (FStyle == tasCheck) {
    FDown = Value;
    FState = Value ? absDown : absUp;
    Repaint();
    return;
  }
  if (Value == FDown || (FDown && !FAllowAllUp)) return;
  FDown = Value;
  if (Value) {
    if (FState == absUp) Invalidate();
    FState = absExclusive;
    UpdateExclusive();
  } else {
    FState = absUp;
    Repaint();
  }
}

void TExButton::UpdateExclusive() {
  if (FGroupIndex == 0 || !Parent()) return;
  TMessage m;
  m.Msg = CM_BUTTONPRESSED;
  m.WParam = FGroupIndex;
  m.LParam = reinterpret_cast<intptr_t>(this);
  for (int i = 0; i < Parent()->ControlCount(); ++i) Parent()->Controls(i)->WndProc(m);
}

void TExButton::Dispatch(TMessage& m) {
  if (m.Msg == CM_BUTTONPRESSED) {
    auto* sender = reinterpret_cast<TExButton*>(m.LParam);
    if (m.WParam == FGroupIndex && sender && sender != this) {
      if (sender->FDown && FDown) {
        FDown = false;
        FState = absUp;
        Invalidate();
      }
      FAllowAllUp = sender->FAllowAllUp;
    }
    return;
  }
  TCustomControl::Dispatch(m);
}
