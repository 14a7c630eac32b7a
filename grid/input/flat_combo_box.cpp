#include "grid/input/flat_combo_box.h"

#include "platform/theme/visual_styles.h"
#include "platform/ui/control_canvas.h"

namespace {

// The width of the system's vertical scroll bar, which the button strip matches.
constexpr int kScrollBarWidth = 17;

}  // namespace

TPoint ComboLabelPosition(TLabelPosition Position, const TRect& Combo, int LabelWidth, int LabelHeight,
                          int Margin) {
  return LabelPlacement(Position, Combo, LabelWidth, LabelWidth, LabelHeight, Margin);
}

TEsgCustomCombo::TEsgCustomCombo(TComponent* AOwner)
    : TComboBox(AOwner), FButtonWidth(kScrollBarWidth + 2), FLabelFont(std::make_unique<TFont>()) {
  FLabelFont->OnChange = [this](TObject*) {
    if (FLabel) UpdateLabel();
  };
}

TEsgCustomCombo::~TEsgCustomCombo() { Destroying(); }

void TEsgCustomCombo::Notification(TComponent* AComponent, TOperation Operation) {
  TComboBox::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FLabel) FLabel = nullptr;
}

void TEsgCustomCombo::Init() { FNormalColor = Color(); }

void TEsgCustomCombo::SelectItem(const QString& AString) {
  const int index = Items()->IndexOf(AString);
  if (index >= 0) SetItemIndex(index);
}

// --- settings ---

void TEsgCustomCombo::SetFlat(bool value) {
  if (value == FFlat) return;
  FFlat = value;
  if (FFlatParentColor && FFlat) {
    if (Parent()) SetColor(Parent()->Color());
  } else {
    SetColor(clWindow);
  }
  Invalidate();
}

void TEsgCustomCombo::SetEtched(bool value) {
  FEtched = value;
  Invalidate();
}

void TEsgCustomCombo::SetButtonWidth(int value) {
  if (value < 14 || value > 32) return;
  FButtonWidth = value;
  Invalidate();
}

void TEsgCustomCombo::SetDropWidth(int value) {
  FDropWidth = value;
  if (value > 0) SetDroppedWidth(value);
}

void TEsgCustomCombo::SetBorderColor(TColor value) {
  if (value == FBorderColor) return;
  FBorderColor = value;
  Invalidate();
}

void TEsgCustomCombo::SetFocusBorderColor(TColor value) {
  FFocusBorderColor = value;
  Invalidate();
}

void TEsgCustomCombo::SetFlatLineColor(TColor value) {
  FFlatLineColor = value;
  Invalidate();
}

void TEsgCustomCombo::SetFlatParentColor(bool value) {
  FFlatParentColor = value;
  Invalidate();
}

void TEsgCustomCombo::SetDisabledBorder(bool value) {
  FDisabledBorder = value;
  Invalidate();
}

void TEsgCustomCombo::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TComboBox::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (FLabel && !ComponentState().Contains(csDestroying)) UpdateLabel();
}

void TEsgCustomCombo::SetEnabled(bool value) {
  if (value == Enabled()) return;
  // A flat combo shows its parent's colour while disabled.
  if (FFlat && !value) {
    FOldParentColor = ParentColor();
    FOldColor = Color();
    SetParentColor(true);
  } else if (FFlat && value) {
    SetColor(FOldColor);
    SetParentColor(FOldParentColor);
  }
  TComboBox::SetEnabled(value);
  if (FLabel && !FLabelAlwaysEnabled) {
    FLabel->SetEnabled(value);
    UpdateLabel();
  }
}

void TEsgCustomCombo::CMVisibleChanged(TMessage& m) {
  TComboBox::CMVisibleChanged(m);
  if (FLabel) FLabel->SetVisible(Visible());
}

// --- label ---

QString TEsgCustomCombo::LabelCaption() const { return FLabel ? FLabel->Caption() : QString(); }

void TEsgCustomCombo::SetLabelCaption(const QString& value) {
  if (!FLabel) CreateLabel();
  FLabel->SetCaption(value);
  UpdateLabel();
}

void TEsgCustomCombo::SetLabelPosition(TLabelPosition value) {
  FLabelPosition = value;
  if (FLabel) UpdateLabel();
}

void TEsgCustomCombo::SetLabelMargin(int value) {
  FLabelMargin = value;
  if (FLabel) UpdateLabel();
}

void TEsgCustomCombo::SetLabelTransparent(bool value) {
  FLabelTransparent = value;
  if (FLabel) UpdateLabel();
}

void TEsgCustomCombo::SetLabelAlwaysEnabled(bool value) {
  FLabelAlwaysEnabled = value;
  if (FLabel) UpdateLabel();
}

void TEsgCustomCombo::SetLabelFont(const TFont* value) {
  if (!ParentFont()) FLabelFont->Assign(*value);
  if (FLabel) UpdateLabel();
}

void TEsgCustomCombo::CreateLabel() {
  FLabel = new TLabel(this);
  FLabel->SetFocusControl(this);
  FLabel->SetFont(FLabelFont.get());
  FLabel->SetParentFont(ParentFont());
}

void TEsgCustomCombo::UpdateLabel() {
  if (!FLabel) return;
  if (FLabel->Parent() != Parent()) FLabel->SetParent(Parent());
  FLabel->SetTransparent(FLabelTransparent);
  if (!ParentFont()) FLabel->SetFont(FLabelFont.get());
  const TPoint at =
      ComboLabelPosition(FLabelPosition, BoundsRect(), FLabel->Width(), FLabel->Height(), FLabelMargin);
  FLabel->SetBounds(at.X, at.Y, FLabel->Width(), FLabel->Height());
  FLabel->SetVisible(Visible());
}

void TEsgCustomCombo::SetLabelBold(bool bold) {
  if (!FLabel || !FFocusLabel) return;
  TFontStyles style = FLabel->Font()->Style();
  FLabel->Font()->SetStyle(bold ? style + fsBold : style - fsBold);
}

// --- focus, hover and notifications ---

void TEsgCustomCombo::CMEnter(TMessage& m) {
  FHasFocus = true;
  Invalidate();
  if (FFocusColor != clNone) SetColor(FFocusColor);
  SetLabelBold(true);
  TComboBox::CMEnter(m);
}

void TEsgCustomCombo::CMExit(TMessage& m) {
  FHasFocus = false;
  Invalidate();
  if (FFocusColor != clNone && FNormalColor != clNone) SetColor(FNormalColor);
  SetLabelBold(false);
  TComboBox::CMExit(m);
}

void TEsgCustomCombo::CMMouseEnter(TMessage& m) {
  TComboBox::CMMouseEnter(m);
  if (!Enabled() || FMouseInControl) return;
  FMouseInControl = true;
  Invalidate();
  if (FAutoFocus && CanFocus()) SetFocus();
}

void TEsgCustomCombo::CMMouseLeave(TMessage& m) {
  TComboBox::CMMouseLeave(m);
  if (!Enabled() || !FMouseInControl) return;
  FMouseInControl = false;
  FButtonHover = false;
  Invalidate();
}

void TEsgCustomCombo::MouseMove(TShiftState Shift, int X, int Y) {
  TComboBox::MouseMove(Shift, X, Y);
  const bool hover = Width() - FButtonWidth < X && X < Width();
  if (hover == FButtonHover) return;
  FButtonHover = hover;
  Invalidate();
}

void TEsgCustomCombo::CNCommand(TMessage& m) {
  TComboBox::CNCommand(m);
  const int code = NotifyCode(m.WParam);
  if (code != CBN_DROPDOWN && code != CBN_CLOSEUP) return;
  Invalidate();
  if (code == CBN_CLOSEUP && OnDropUp) OnDropUp(this);
}

// --- painting ---

bool TEsgCustomCombo::ThemeActive() const { return ::IsThemeActive(); }

bool TEsgCustomCombo::NeedsFocusBorder() const { return (FMouseInControl || FHasFocus) && FFocusBorder; }

bool TEsgCustomCombo::PaintsOwnParts() const {
  if (FIsVista && ButtonColor == clNone) return false;
  return FFlat || ButtonColor != clNone || FBorderColor != clNone || (FFocusBorderColor != clNone && FHasFocus) ||
         (!Enabled() && ThemeActive() && !FDisabledBorder);
}

TComboFrame TEsgCustomCombo::FrameToDraw() const {
  if (Enabled() && !FFlat && FBorderColor == clNone && FFocusBorderColor == clNone) return TComboFrame::None;
  if (FIsVista && FBorderColor == clNone) return TComboFrame::None;
  if (!Enabled() && ThemeActive() && !FDisabledBorder) return TComboFrame::Disabled;
  if (FBorderColor != clNone && !(FHasFocus && FFocusBorderColor != clNone)) return TComboFrame::Border;
  if (FFocusBorderColor != clNone) return FHasFocus ? TComboFrame::FocusBorder : TComboFrame::None;
  return TComboFrame::Flat;
}

void TEsgCustomCombo::Dispatch(TMessage& m) {
  TComboBox::Dispatch(m);
  if (m.Msg == WM_PAINT && PaintsOwnParts()) PaintOwnParts();
}

void TEsgCustomCombo::PaintOwnParts() {
  TControlCanvas canvas(this);
  if (!canvas.Drawing()) return;
  if (Style() != csSimple && ButtonColor != clNone) DrawButton(&canvas);
  DrawBorder(&canvas);
}

void TEsgCustomCombo::DrawButton(TCanvas* c) {
  const bool pressed = GetKeyState(VK_LBUTTON) < 0;
  TRect r = Rect(ClientWidth() - FButtonWidth + 2, 0, Width(), Height());
  InflateRect(r, -1, -1);
  r = Rect(r.Left - 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
  TColor face = ButtonColor;
  if (FButtonHover) face = pressed && ButtonColorDown != clNone ? ButtonColorDown : ButtonColorHot != clNone ? ButtonColorHot : ButtonColor;
  c->Brush()->SetColor(face);
  c->Pen()->SetColor(face);
  c->FillRect(r);
  if (ButtonBorderColor != clNone) {
    c->Pen()->SetColor(ButtonBorderColor);
    c->MoveTo(r.Left, r.Top);
    c->LineTo(r.Left, r.Bottom);
  }
  const TColor arrow = pressed && ButtonTextColorDown != clNone ? ButtonTextColorDown
                       : ButtonTextColor != clNone              ? ButtonTextColor
                                                                : clBlack;
  c->Pen()->SetColor(arrow);
  c->Brush()->SetColor(arrow);
  c->Polygon({{r.Left + 4, r.Top + 7}, {r.Left + 10, r.Top + 7}, {r.Left + 7, r.Top + 10}});
}

void TEsgCustomCombo::DrawBorder(TCanvas* c) {
  TRect r = Rect(0, 0, Width(), Height());
  const auto frame = [c](const TRect& rect, TColor color) {
    c->Brush()->SetColor(color);
    c->FrameRect(rect);
  };
  switch (FrameToDraw()) {
    case TComboFrame::None: return;
    case TComboFrame::Disabled: return frame(r, kDisabledComboFrame);
    case TComboFrame::Border: return frame(r, FBorderColor);
    case TComboFrame::FocusBorder: return frame(r, FFocusBorderColor);
    case TComboFrame::Flat: break;
  }
  const TColor outer = NeedsFocusBorder() ? clBtnFace : Parent() ? Parent()->Color() : clBtnFace;
  const TColor inner = Color();
  if (NeedsFocusBorder()) {
    frame(r, clBtnShadow);  // the sunken outer edge
    InflateRect(r, -1, -1);
    frame(r, outer);
    InflateRect(r, -1, -1);
    frame(r, inner);
  } else {
    frame(r, outer);
    InflateRect(r, -1, -1);
    r.Right -= FButtonWidth;
    frame(r, outer);
    InflateRect(r, -1, -1);
    frame(r, inner);
    r.Right += FButtonWidth;
  }
  if (FFlat && FFlatLineColor != clNone) {
    c->Pen()->SetColor(FFlatLineColor);
    c->MoveTo(r.Left - 2, Height() - 1);
    c->LineTo(r.Right - FButtonWidth - 1, Height() - 1);
  }
}
