#include "grid/input/esg_edit_btn.h"

#include "platform/theme/visual_styles.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/control_canvas.h"
#include "platform/ui/menus.h"

// --- TExSpeedButton ---

TExSpeedButton::TExSpeedButton(TComponent* AOwner) : TSpeedButton(AOwner) {}

void TExSpeedButton::CMMouseEnter(TMessage& m) {
  TSpeedButton::CMMouseEnter(m);
  FHot = true;
  Invalidate();
}

void TExSpeedButton::CMMouseLeave(TMessage& m) {
  TSpeedButton::CMMouseLeave(m);
  FHot = false;
  Invalidate();
}

void TExSpeedButton::Paint() {
  TCanvas* c = Canvas();
  c->Font()->Assign(*Font());
  auto* part = dynamic_cast<TEsgEditButton*>(Owner());
  const bool pressed = State() == bsDown || State() == bsExclusive;
  TRect r = ClientRect();
  if (part && part->ButtonColor != clNone) {
    // 1. Custom colours (the button stays flat from now on).
    SetFlat(true);
    const TColor face = pressed && part->ButtonColorDown != clNone ? part->ButtonColorDown
                        : FHot && part->ButtonColorHot != clNone   ? part->ButtonColorHot
                                                                   : part->ButtonColor;
    c->Brush()->SetColor(face);
    c->FillRect(r);
  } else if (FIsWinXP && IsThemeActive()) {
    // 2. The theme's push button.
    HTHEME theme = OpenThemeData(this, QStringLiteral("button"));
    DrawThemeBackground(theme, c, BP_PUSHBUTTON, pressed ? PBS_PRESSED : FHot ? PBS_HOT : PBS_NORMAL, r);
    CloseThemeData(theme);
  } else if (!Flat()) {
    // 3. The classic button.
    DrawFrameControl(c, r, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0u));
    InflateRect(r, -2, -2);
  } else {
    // 4. A flat one: sunken while pressed, raised otherwise.
    c->Brush()->SetColor(clBtnFace);
    c->FillRect(r);
    c->Pen()->SetColor(pressed ? clBtnShadow : clBtnHighlight);
    c->Polyline({{r.Left, r.Bottom - 1}, {r.Left, r.Top}, {r.Right - 1, r.Top}});
    c->Pen()->SetColor(pressed ? clBtnHighlight : clBtnShadow);
    c->Polyline({{r.Right - 1, r.Top}, {r.Right - 1, r.Bottom - 1}, {r.Left - 1, r.Bottom - 1}});
    InflateRect(r, -1, -1);
  }
  const int shift = State() == bsDown ? 1 : 0;
  // 5. The glyph, centred.
  if (Glyph && !Glyph->Empty()) {
    const int x = Glyph->Width() < Width() ? (Width() - Glyph->Width()) / 2 : 0;
    const int y = Glyph->Height() < Height() ? (Height() - Glyph->Height()) / 2 : 0;
    Glyph->SetTransparent(true);
    c->Draw(x + shift, y + shift, Glyph);
  }
  // 6. The caption, black on the face.
  if (!ButtonCaption.isEmpty()) {
    c->Brush()->SetStyle(bsClear);
    c->Font()->SetColor(clBlack);
    TRect t = {r.Left + shift, r.Top + shift, r.Right + shift, r.Bottom + shift};
    c->DrawText(ButtonCaption, t, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    c->Brush()->SetStyle(bsSolid);
  }
}

// --- TEsgEditButton ---

TEsgEditButton::TEsgEditButton(TComponent* AOwner) : TCustomControl(AOwner) {
  SetControlStyle(ControlStyle() - csAcceptsControls - csSetCaption + csOpaque);
  FButton = new TExSpeedButton(this);
  FButton->SetParent(this);
  FButton->OnMouseUp = [this](TObject* Sender, TMouseButton Button, TShiftState, int, int) {
    BtnMouseUp(Sender, Button);
  };
  SetBounds(0, 0, 20, 25);
}

void TEsgEditButton::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
  int w = AWidth, h = AHeight;
  if (FButton) ArrangeButton(w, h);
}

void TEsgEditButton::ArrangeButton(int& W, int& H) { FButton->SetBounds(0, 0, W, H); }

void TEsgEditButton::SetFocusControl(TWinControl* Value) {
  FFocusControl = Value;
  if (Value) Value->FreeNotification(this);
}

void TEsgEditButton::SetFlat(bool Value) {
  FFlat = Value;
  FButton->SetFlat(Value);
}

void TEsgEditButton::SetButtonCaption(const QString& Value) {
  FButton->ButtonCaption = Value;
  FButton->Invalidate();
}

void TEsgEditButton::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FFocusControl) FFocusControl = nullptr;
}

// Any left release after a press on the button clicks, wherever it is.
void TEsgEditButton::BtnMouseUp(TObject*, TMouseButton Button) {
  if (Button != mbLeft) return;
  if (OnClick) OnClick(this);
  if (FFocusControl && FFocusControl->TabStop() && FFocusControl->CanFocus() && !FFocusControl->Focused()) {
    FFocusControl->SetFocus();
    return;
  }
  if (TabStop() && !Focused() && CanFocus()) SetFocus();
}

// --- TEsgEditBtn ---

TEsgEditBtn::TEsgEditBtn(TComponent* AOwner) : TCustomMaskEdit(AOwner) {
  SetControlStyle(ControlStyle() - csSetCaption);
  FButton = new TEsgEditButton(this);
  FButton->SetParent(this);
  FButton->SetBounds(0, 0, 18, 18);
  FButton->SetFocusControl(this);
  FButton->OnClick = [this](TObject* Sender) { ButtonClick(Sender); };
  SetText(QStringLiteral("0"));
  SetBounds(Left(), Top(), Width(), Height());
}

TEsgEditBtn::~TEsgEditBtn() { FButton = nullptr; }

void TEsgEditBtn::ButtonClick(TObject* Sender) {
  if (OnClickBtn) OnClickBtn(Sender);
}

void TEsgEditBtn::SetIsWinXP(bool Value) {
  FIsWinXP = Value;
  FButton->Button()->SetIsWinXP(Value);
}

void TEsgEditBtn::SetButtonWidth(int Value) {
  FButtonWidth = Value;
  FButton->SetWidth(Value);
  SetBounds(Left(), Top(), Width(), Height());
}

void TEsgEditBtn::SetRightAlign(bool Value) {
  if (Value == FRightAlign) return;
  FRightAlign = Value;
  SetAlignment(Value ? taRightJustify : taLeftJustify);
}

int TEsgEditBtn::GetMinHeight() const {
  TCanvas c;
  c.Font()->Assign(*Font());
  const int text = c.TextHeight(QStringLiteral("0"));
  TCanvas sys;
  const int system = sys.TextHeight(QStringLiteral("0"));
  return text + std::min(system, text) / 4;
}

TRect TEsgEditBtn::EditTextRect() const {
  const int m = BorderStyle() == bsNone ? 3 : 1;
  int right = ClientWidth() - FButton->Width() - 5 - FUnitSize;
  if (FUnitSize > 0) right -= 3;
  return {m, m, right, ClientHeight() + 1};
}

void TEsgEditBtn::SetEditRect() { TEdit::SetEditRect(EditTextRect()); }

void TEsgEditBtn::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TCustomMaskEdit::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (!FButton) return;
  const int b = FButton->Width();
  if (BorderStyle() == bsNone)
    FButton->SetBounds(Width() - b - 1, 0, b, Height() - 1);
  else
    FButton->SetBounds(Width() - b - 2, 2, b, Height() - 4);
  SetEditRect();
}

void TEsgEditBtn::KeyDown(int& Key, TShiftState Shift) {
  TCustomMaskEdit::KeyDown(Key, Shift);
  if (Key == VK_F4 && !Shift.Contains(ssCtrl) && !Shift.Contains(ssAlt)) ButtonClick(this);
}

void TEsgEditBtn::WMChar(TMessage& Message) {
  if (!FEditorEnabled) return;
  TCustomMaskEdit::WMChar(Message);
}

void TEsgEditBtn::WMPaste(TMessage& Message) {
  if (FEditorEnabled && !ReadOnly()) TCustomMaskEdit::WMPaste(Message);
}

void TEsgEditBtn::WMCut(TMessage& Message) {
  if (FEditorEnabled && !ReadOnly()) TCustomMaskEdit::WMCut(Message);
}

void TEsgEditBtn::CMEnter(TMessage& Message) {
  if (AutoSelect() && GetKeyState(VK_LBUTTON) >= 0) SelectAll();
  TCustomMaskEdit::CMEnter(Message);
}

// --- TEsgUnitEditBtn ---

TEsgUnitEditBtn::TEsgUnitEditBtn(TComponent* AOwner) : TEsgEditBtn(AOwner) {
  FUnitSize = 20;
  SetRightAlign(true);
  SetEditRect();
}

void TEsgUnitEditBtn::SetUnitID(const QString& Value) {
  FUnitID = Value;
  Invalidate();
}

void TEsgUnitEditBtn::SetUnits(const TStringList* Value) {
  if (Value) FUnits = *Value;
}

void TEsgUnitEditBtn::SetUnitSpace(int Value) {
  FUnitSize = Value;
  SetEditRect();
  Invalidate();
}

void TEsgUnitEditBtn::SetTextAndUnit(const QString& Value) {
  for (int i = 0; i < FUnits.Count(); ++i) {
    const QString unit = FUnits.Strings(i);
    const qsizetype at = Value.indexOf(unit);
    if (unit.isEmpty() || at < 0 || at != Value.size() - unit.size()) continue;
    SetText(Value.left(at));
    SetUnitID(unit);
    return;
  }
}

void TEsgUnitEditBtn::ButtonClick(TObject* Sender) {
  if (OnClickBtn) OnClickBtn(this);
  // The units in a pop-up menu under the button; a choice comes back as
  // WM_COMMAND with the item's number.
  TPopupMenu menu(nullptr);
  for (int i = 0; i < FUnits.Count(); ++i) {
    const int number = i + 1;
    menu.Add(FUnits.Strings(i), [this, number](TObject*) { Perform(WM_COMMAND, number, 0); });
  }
  const TPoint at = ClientToScreen({ClientWidth() - 15, ClientHeight()});
  menu.Popup(at.X, at.Y);
}

void TEsgUnitEditBtn::WMCommand(TMessage& Message) {
  if (Message.LParam != 0) {
    TEsgEditBtn::WMCommand(Message);
    return;
  }
  if (NotifyCode(Message.WParam) == EN_CHANGE) return;
  const int n = static_cast<int>(Message.WParam & 0xFFFF);
  if (n < 1 || n > FUnits.Count()) return;
  const QString previous = FUnitID;
  SetUnitID(FUnits.Strings(n - 1));
  if (FUnitID != previous && OnUnitChanged) OnUnitChanged(this, FUnitID);
}

void TEsgUnitEditBtn::Dispatch(TMessage& Message) {
  TEsgEditBtn::Dispatch(Message);
  if (Message.Msg != WM_PAINT || FUnitID.isEmpty()) return;
  TControlCanvas c(this);
  if (!c.Drawing()) return;
  const int r = ClientWidth() - FButton->Width() - 3;
  c.Font()->Assign(*Font());
  c.Brush()->SetStyle(bsClear);
  TRect box = {r - FUnitSize, 2, r, ClientHeight()};
  c.DrawText(FUnitID, box, DT_LEFT | DT_TOP);
}
