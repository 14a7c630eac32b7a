#include "grid/base/ex_check_box.h"

#include "grid/base/os_probes.h"
#include "platform/theme/visual_styles.h"
#include "platform/ui/canvas.h"
#include "platform/ui/messages.h"

namespace {

constexpr int kBoxStrip = 20;

// The themed box state: unchecked 1-4, checked 5-8, grayed 9-12; in each group
// normal, hot, pressed, disabled, the first that applies taken from the end.
int ThemedBoxState(TCheckBoxState state, bool enabled, bool down, bool hot) {
  const int base = state == cbChecked ? CBS_CHECKEDNORMAL : state == cbGrayed ? CBS_MIXEDNORMAL : CBS_UNCHECKEDNORMAL;
  if (!enabled) return base + 3;
  if (down) return base + 2;
  if (hot) return base + 1;
  return base;
}

}  // namespace

TExCheckBox::TExCheckBox(TComponent* AOwner) : TCustomControl(AOwner), FBkgBmp(std::make_unique<TBitmap>()) {
  // The click is raised by the control's own steps, never by the base's.
  TControlStyle style = ControlStyle();
  style -= csClickEvents;
  SetControlStyle(style);
  SetBounds(Left(), Top(), 98, 20);
  TControl::SetCaption(FCaption);
  SetTabStop(true);
}

TExCheckBox::~TExCheckBox() = default;

void TExCheckBox::Toggle() {
  if (FReadOnly) return;
  SetChecked(!Checked());
}

void TExCheckBox::SetChecked(bool Value) {
  SetState(Value ? cbChecked : cbUnchecked);
  Invalidate();
}

void TExCheckBox::SetState(TCheckBoxState Value) {
  if (Value == FState) return;
  FState = Value;
  // Only the box's strip needs painting again.
  Invalidate();
}

void TExCheckBox::SetCaption(const QString& Value) {
  FCaption = Value;
  TControl::SetCaption(Value);
  Invalidate();
}

void TExCheckBox::SetButtonVertAlign(TTextLayout Value) {
  if (Value == FBtnVAlign) return;
  FBtnVAlign = Value;
  Invalidate();
}

void TExCheckBox::SetAlignment(TLeftRight Value) {
  if (Value == FAlignment) return;
  FAlignment = Value;
  Invalidate();
}

void TExCheckBox::SetEllipsis(bool Value) {
  if (Value == FEllipsis) return;
  FEllipsis = Value;
  Invalidate();
}

void TExCheckBox::SetTransparent(bool Value) {
  if (Value != FTransparent) {
    FTransparent = Value;
    FBkgCache = false;
  }
  Repaint();
}

void TExCheckBox::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (!FTransparent) return;
  FBkgCache = false;
  Repaint();
}

// ----- painting -----

TRect TExCheckBox::BoxRect() const {
  const int w = ClientWidth();
  const int h = ClientHeight();
  const bool right = FAlignment == taRightJustify;
  if (IsComCtl6Themed()) {
    const int y = FBtnVAlign == tlTop ? 4 : FBtnVAlign == tlCenter ? h / 2 - 6 : h - 14;
    return Bounds(right ? w - 15 : 0, y, 14, 14);
  }
  const int y = FBtnVAlign == tlTop ? 4 : FBtnVAlign == tlCenter ? h / 2 - 6 : h - 17;
  return Bounds(right ? w - 13 : 0, y, 13, 13);
}

TRect TExCheckBox::CaptionRect() const {
  TRect r = ClientRect();
  if (FAlignment == taRightJustify) {
    r.Left = 0;
    r.Right -= 9;
  } else {
    r.Left += 9;
  }
  r.Top += 4;
  r.Left += 6;
  return r;
}

void TExCheckBox::Paint() {
  TCanvas* c = Canvas();
  // 1. The background: the parent shows through a transparent box (its widget
  // paints beneath this one); else the control's colour.
  c->SetFont(Font());
  if (FTransparent) {
    FBkgCache = FTransparentCaching;
  } else {
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(Color());
    c->FillRect(ClientRect());
  }
  // 2. - 4. The box.
  const TRect box = BoxRect();
  if (IsComCtl6Themed()) {
    HTHEME theme = OpenThemeData(this, QStringLiteral("button"));
    DrawThemeBackground(theme, c, BP_CHECKBOX, ThemedBoxState(FState, Enabled(), FDown, FHot), box);
    CloseThemeData(theme);
  } else {
    unsigned state = DFCS_BUTTONCHECK;
    if (FState == cbGrayed || !Enabled()) state |= DFCS_INACTIVE;
    if (FState == cbChecked) state |= DFCS_CHECKED;
    DrawFrameControl(c, box, DFC_BUTTON, state);
  }
  // 5. The caption.
  TRect r = CaptionRect();
  c->Brush()->SetStyle(bsClear);
  unsigned flags = DT_LEFT | DT_TOP;
  if (FEllipsis) flags |= DT_END_ELLIPSIS | DT_SINGLELINE;
  if (!Enabled()) {
    TRect shadow = r;
    OffsetRect(shadow, 1, 1);
    c->Font()->SetColor(clWhite);
    c->DrawText(FCaption, shadow, flags);
    c->Font()->SetColor(clGray);
  }
  c->DrawText(FCaption, r, flags);
  // 6. The focus rectangle around the text.
  if (FFocused) {
    c->Font()->Assign(*Font());
    const TRect focus = Rect(r.Left - 2, r.Top, r.Left + c->TextWidth(FCaption) + 1, r.Top + c->TextHeight(FCaption) + 1);
    c->Brush()->SetStyle(bsSolid);
    c->DrawFocusRect(focus);
  }
}

// ----- input -----

bool TExCheckBox::Inside(int X, int Y) const { return X >= 0 && X <= Width() && Y >= 0 && Y <= Height(); }

void TExCheckBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  FMouseDown = true;
  if (!Focused() && CanFocus()) SetFocus();
  TCustomControl::MouseDown(Button, Shift, X, Y);
  SetMouseCapture(true);
  FDown = true;
  Invalidate();
}

void TExCheckBox::MouseMove(TShiftState Shift, int X, int Y) {
  if (MouseCapture()) {
    const bool down = Inside(X, Y);
    if (down != FDown) {
      FDown = down;
      Invalidate();
    }
  }
  TCustomControl::MouseMove(Shift, X, Y);
}

void TExCheckBox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  SetMouseCapture(false);
  FDown = false;
  if (Inside(X, Y) && Focused() && FMouseDown) {
    Toggle();
    Click();
  }
  FMouseDown = false;
  TCustomControl::MouseUp(Button, Shift, X, Y);
  Invalidate();
}

void TExCheckBox::KeyDown(int& Key, TShiftState Shift) {
  if (Key == VK_RETURN && FReturnIsTab) {
    // The Tab goes round the message loop, which moves the focus on.
    Key = VK_TAB;
    PostMessage(this, CN_KEYDOWN, VK_TAB, 0);
  }
  if (Key == VK_SPACE) {
    FDown = true;
    Invalidate();
  }
  TCustomControl::KeyDown(Key, Shift);
}

void TExCheckBox::KeyUp(int& Key, TShiftState Shift) {
  if (Key == VK_SPACE) {
    FDown = false;
    Toggle();
    Click();
  }
  TCustomControl::KeyUp(Key, Shift);
}

void TExCheckBox::CMMouseEnter(TMessage& m) {
  TCustomControl::CMMouseEnter(m);
  FHot = true;
  Invalidate();
}

void TExCheckBox::CMMouseLeave(TMessage& m) {
  TCustomControl::CMMouseLeave(m);
  FHot = false;
  Invalidate();
}

void TExCheckBox::CMDialogChar(TMessage& m) {
  if (!IsAccel(QChar(static_cast<char16_t>(m.CharCode())), FCaption) || !CanFocus()) return;
  Toggle();
  if (TabStop()) SetFocus();
  // The state may have changed: the click tells the owner, as Space and the
  // mouse do.
  Click();
  m.Result = 1;
}

void TExCheckBox::CMEnabledChanged(TMessage& m) {
  TCustomControl::CMEnabledChanged(m);
  Invalidate();
}

void TExCheckBox::WMSetFocus(TMessage& m) {
  TCustomControl::WMSetFocus(m);
  FFocused = true;
  Invalidate();
}

void TExCheckBox::WMKillFocus(TMessage& m) {
  TCustomControl::WMKillFocus(m);
  FFocused = false;
  Invalidate();
}
