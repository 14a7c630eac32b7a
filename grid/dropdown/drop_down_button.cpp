#include "grid/dropdown/drop_down_button.h"

#include "grid/dropdown/dropdown_drawing.h"
#include "grid/dropdown/ex_drop_down.h"
#include "platform/theme/visual_styles.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"

namespace {

// The drop-down arrow: a filled triangle of fixed size near the top-left.
void DrawArrow(TCanvas* c, TColor color) {
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(color);
  c->Pen()->SetColor(color);
  c->Polygon({{5, 7}, {11, 7}, {8, 10}});
}

}  // namespace

// --- the speed button ---

TExDropDownSpeedButton::TExDropDownSpeedButton(TComponent* AOwner)
    : TSpeedButton(AOwner), FGlyph(std::make_unique<TBitmap>()) {}

TExDropDownSpeedButton::~TExDropDownSpeedButton() = default;

void TExDropDownSpeedButton::SetEtched(bool Value) {
  if (FEtched == Value) return;
  FEtched = Value;
  Invalidate();
}

void TExDropDownSpeedButton::SetFocused(bool Value) {
  if (FFocused == Value) return;
  FFocused = Value;
  Invalidate();
}

void TExDropDownSpeedButton::SetButtonStyle(TDropDownButtonStyle Value) {
  FButtonStyle = Value;
  Invalidate();
}

bool TExDropDownSpeedButton::PressedLook() const {
  return (State() == bsDown || State() == bsExclusive) && !FUp;
}

TExCustomDropDown* TExDropDownSpeedButton::Edit() const {
  return Parent() ? dynamic_cast<TExCustomDropDown*>(Parent()->Parent()) : nullptr;
}

void TExDropDownSpeedButton::CMMouseEnter(TMessage& m) {
  TSpeedButton::CMMouseEnter(m);
  FHot = true;
  Invalidate();
}

void TExDropDownSpeedButton::CMMouseLeave(TMessage& m) {
  TSpeedButton::CMMouseLeave(m);
  FHot = false;
  Invalidate();
}

void TExDropDownSpeedButton::Paint() {
  if (FButtonStyle == bsDropDown) PaintDropDown();
  else PaintButton();
}

void TExDropDownSpeedButton::PaintDropDown() {
  TCanvas* c = Canvas();
  const TRect r = ClientRect();
  auto* holder = dynamic_cast<TDropDownEditButton*>(Parent());
  TExCustomDropDown* edit = Edit();
  // 1. Custom colours: pressed beats hot.
  if (holder && holder->ButtonColor != clNone) {
    TColor face = holder->ButtonColor, arrow = holder->ButtonTextColor;
    if (FHot) face = holder->ButtonColorHot, arrow = holder->ButtonTextColorHot;
    if (PressedLook()) face = holder->ButtonColorDown, arrow = holder->ButtonTextColorDown;
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(face);
    c->Pen()->SetColor(face);
    c->FillRect(r);
    c->Pen()->SetColor(edit ? edit->BorderColor() : clNone);
    c->MoveTo(r.Left, r.Top);
    c->LineTo(r.Left, r.Bottom);
    DrawArrow(c, arrow);
    return;
  }
  // 2. A glyph replaces arrow and face.
  if (!FGlyph->Empty()) {
    c->Brush()->SetColor(clBtnFace);
    c->Pen()->SetColor(0x808080);
    c->Rectangle(r);
    FGlyph->SetTransparent(true);
    c->Draw(0, 0, FGlyph.get());
    return;
  }
  // 3. The platform's combo-box arrow button, disabled with the edit.
  if (edit) SetEnabled(edit->Enabled() && !edit->ReadOnly());
  const int state = !Enabled() ? 4 : PressedLook() ? 3 : FHot ? 2 : 1;
  if (IsThemeActive()) {
    HTHEME theme = OpenThemeData(this, QStringLiteral("combobox"));
    TRect t = r;
    t.Left += 1;
    const bool drawn = DrawThemeBackground(theme, c, CP_DROPDOWNBUTTON, state, t);
    CloseThemeData(theme);
    if (drawn) return;
  }
  TSpeedButton::Paint();
  c->Pen()->SetWidth(1);
  c->Pen()->SetColor(clBtnFace);
  c->Polyline({{Width() - 2, 0}, {0, 0}, {0, Height() - 1}});
  c->Pen()->SetColor(clWhite);
  c->Polyline({{Width() - 3, 1}, {1, 1}, {1, Height() - 2}});
  DrawArrow(c, Enabled() ? clBlack : 0x808080);
}

void TExDropDownSpeedButton::PaintButton() {
  TCanvas* c = Canvas();
  if (TExCustomDropDown* edit = Edit()) c->SetFont(edit->Font());
  const bool down = State() == bsDown;
  TSpeedButton::Paint();
  TRect r = ClientRect();
  if (!FGlyph->Empty()) {
    InflateRect(r, -3, -3);
    if (down) OffsetRect(r, 1, 1);
    DrawTransparentGlyph(c, FGlyph.get(), clBtnFace, r);
  }
  if (!ButtonCaption.isEmpty()) {
    r = ClientRect();
    InflateRect(r, -3, -1);
    if (down) OffsetRect(r, 1, 1);
    c->Brush()->SetStyle(bsClear);
    c->DrawText(ButtonCaption, r, DT_CENTER | DT_SINGLELINE | DT_VCENTER);
  }
}

// --- the edit button ---

TDropDownEditButton::TDropDownEditButton(TComponent* AOwner) : TCustomControl(AOwner) {
  SetControlStyle((ControlStyle() - csAcceptsControls - csSetCaption) + csOpaque);
  FButton = new TExDropDownSpeedButton(this);
  FButton->SetParent(this);
  FButton->OnMouseUp = [this](TObject* Sender, TMouseButton Button, TShiftState, int, int) {
    BtnMouseUp(Sender, Button);
  };
  FButton->SetVisible(true);
  FButton->SetEnabled(Enabled());
  FButton->SetButtonStyle(bsDropDown);
  FBWidth = 16;
  SetBounds(0, 0, 16, 25);
}

void TDropDownEditButton::BtnMouseUp(TObject* Sender, TMouseButton Button) {
  if (Button == mbLeft && OnClick && Sender == FButton) OnClick(this);
}

void TDropDownEditButton::SetBWidth(int Value) {
  FBWidth = Value;
  SetBounds(Left(), Top(), Value, Height());
}

void TDropDownEditButton::AdjustWinSize(int& W, int& H) {
  if (!FButton || ComponentState().Contains(csLoading)) return;
  W = FBWidth;
  FButton->SetBounds(0, 0, FBWidth, H);
}

void TDropDownEditButton::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  AdjustWinSize(AWidth, AHeight);
  TCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TDropDownEditButton::CMEnabledChanged(TMessage& m) {
  TCustomControl::CMEnabledChanged(m);
  if (FButton) FButton->SetEnabled(Enabled());
}

void TDropDownEditButton::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FocusControl) FocusControl = nullptr;
  if (Operation == opRemove && AComponent == FButton) FButton = nullptr;
}
