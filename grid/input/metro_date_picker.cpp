#include "grid/input/metro_date_picker.h"

#include "platform/theme/visual_styles.h"
#include "platform/ui/form.h"
#include "platform/ui/system_metrics.h"

const TPickerVariant kEsgPickerVariant = {true, clNone, 15, false, true};
const TPickerVariant kCustomPickerVariant = {false, 0, 4, true, false};

namespace {

const TColor kThemedFrame = 0xB99D7F;

bool LeftButtonDown() { return GetKeyState(VK_LBUTTON) < 0 || GetKeyState(VK_RBUTTON) < 0; }

void FrameIn(TCanvas* c, const TRect& r, TColor color) {
  c->Brush()->SetColor(color);
  c->FrameRect(r);
}

}  // namespace

TPickerParts PickerParts(TDateTime Value) {
  TPickerParts p;
  int ms = 0;
  DecodeDate(Value, p.Year, p.Month, p.Day);
  DecodeTime(Value, p.Hour, p.Minute, p.Second, ms);
  return p;
}

TDatePartStep DatePartStep(bool TimeKind, const QString& Format, const TPickerParts& Before,
                           const TPickerParts& After) {
  if (TimeKind) {
    const bool changed = Before.Hour != After.Hour || Before.Minute != After.Minute || Before.Second != After.Second;
    return changed ? TDatePartStep::NextField : TDatePartStep::None;
  }
  const bool day = Before.Day != After.Day, month = Before.Month != After.Month, year = Before.Year != After.Year;
  if (Format.isEmpty()) {
    if (day || month) return TDatePartStep::NextField;
    return year ? TDatePartStep::LastField : TDatePartStep::None;
  }
  const QChar last = Format.back().toLower();
  if ((day && last == u'd') || (month && last == u'm') || (year && last == u'y')) return TDatePartStep::LastField;
  return day || month || year ? TDatePartStep::NextField : TDatePartStep::None;
}

// --- the shared look ---

TMetroDateTimePicker::TMetroDateTimePicker(TComponent* AOwner, const TPickerVariant& Variant)
    : TDateTimePicker(AOwner), FVariant(Variant), FBorderColor(Variant.BorderColor),
      FButtonWidth(VerticalScrollBarWidth() + 2) {
  SetCtl3DFromVariant();
}

void TMetroDateTimePicker::SetCtl3DFromVariant() { SetCtl3D(FVariant.Ctl3D); }

void TMetroDateTimePicker::SetBorderColor(TColor Value) {
  FBorderColor = Value;
  Invalidate();
}

void TMetroDateTimePicker::SetMetroStyle(bool Value) {
  FMetroStyle = Value;
  Invalidate();
}

void TMetroDateTimePicker::SetBorderStyle(TFormBorderStyle Value) {
  if (Value == FBorderStyle) return;
  FBorderStyle = Value;
  Invalidate();
}

bool TMetroDateTimePicker::IsMetro() const { return FMetroStyle && !IsInnerPicker(); }

bool TMetroDateTimePicker::IsActive() const {
  return FMouseInControl || Focused();
}

bool TMetroDateTimePicker::NeedsFocusBorder() const { return (FMouseInControl || Focused()) && FocusBorder; }

bool TMetroDateTimePicker::DrawsBorders() const {
  if (!IsMetro()) return false;
  return !(Enabled() && FBorderColor == clNone && FocusBorderColor == clNone);
}

TColor TMetroDateTimePicker::FramePen() const {
  if (FBorderStyle == bsNone && Parent()) return Parent()->Color();
  if (FIsThemed) return kThemedFrame;
  return FBorderColor;
}

void TMetroDateTimePicker::CMEnter(TMessage& m) {
  TDateTimePicker::CMEnter(m);
  FHasFocus = true;
  Invalidate();
}

void TMetroDateTimePicker::CMExit(TMessage& m) {
  TDateTimePicker::CMExit(m);
  FHasFocus = false;
  Invalidate();
}

void TMetroDateTimePicker::CMMouseEnter(TMessage& m) {
  TDateTimePicker::CMMouseEnter(m);
  if (!Enabled() || FMouseInControl) return;
  FMouseInControl = true;
  Invalidate();
}

void TMetroDateTimePicker::CMMouseLeave(TMessage& m) {
  TDateTimePicker::CMMouseLeave(m);
  if (!Enabled() || !FMouseInControl) return;
  FMouseInControl = false;
  FButtonHover = false;
  Invalidate();
}

void TMetroDateTimePicker::MouseMove(TShiftState Shift, int X, int Y) {
  TDateTimePicker::MouseMove(Shift, X, Y);
  const bool hover = Width() - MetroButtonWidth() < X && X < Width();
  if (hover == FButtonHover) return;
  FButtonHover = hover;
  Invalidate();
}

// The class library's picker, then the look: the button area covered and the
// button drawn in the metro look, the flat frame, the borders.
void TMetroDateTimePicker::Paint() {
  TDateTimePicker::Paint();
  TCanvas* c = Canvas();
  const int w = ClientWidth(), h = Height();
  if (!(Ctl3D() && !IsMetro())) {
    if (IsMetro() && Kind() != dtkTime && DateMode() == dmComboBox) {
      c->Brush()->SetColor(Color());
      c->FillRect({w - FButtonWidth - FVariant.ButtonCover, 1, w, h});
      DrawButton(c);
    }
    if (FVariant.FrameInPaint && !Ctl3D()) {
      c->Pen()->SetColor(FramePen());
      c->Polyline({{0, h}, {0, 0}, {w - 1, 0}, {w - 1, h - 1}, {0, h - 1}});
    }
    DrawBorders(c);
  }
  // What the frame painting adds.
  DrawFlatBorder(c);
  if (!Enabled() && IsThemeActive() && !DisabledBorder) DrawBorders(c);
  if ((FocusBorderColor != clNone && Focused()) || FBorderColor != clNone) DrawBorders(c);
}

void TMetroDateTimePicker::DrawButton(TCanvas* c) {
  const bool down = LeftButtonDown();
  TRect r = {ClientWidth() - FButtonWidth + 2, 0, Width(), Height()};
  InflateRect(r, -1, -1);
  if (ButtonColor == clNone && IsThemeActive()) {
    int state = CBXS_NORMAL;
    if (!Enabled()) state = CBXS_DISABLED;
    else if (down && DroppedDown()) state = CBXS_PRESSED;
    else if (down || !FButtonHover || DroppedDown()) state = CBXS_NORMAL;
    else state = CBXS_HOT;
    HTHEME theme = OpenThemeData(this, QStringLiteral("combobox"));
    DrawThemeBackground(theme, c, CP_DROPDOWNBUTTON, state, r);
    CloseThemeData(theme);
    return;
  }
  if (ButtonColor == clNone) {
    DrawFrameControl(c, r, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | (Enabled() ? DFCS_FLAT : DFCS_INACTIVE));
    return;
  }
  TColor face = ButtonColor;
  if (FButtonHover) face = down && ButtonColorDown != clNone ? ButtonColorDown : ButtonColorHot != clNone ? ButtonColorHot : face;
  r = {r.Left - 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
  c->Brush()->SetColor(face);
  c->Pen()->SetColor(face);
  c->FillRect({r.Left + 2, r.Top, r.Right, r.Bottom});
  if (ButtonBorderColor != clNone) {
    c->Pen()->SetColor(ButtonBorderColor);
    c->MoveTo(r.Left, r.Top);
    c->LineTo(r.Left, r.Bottom);
  }
  const TColor arrow = down && ButtonTextColorDown != clNone ? ButtonTextColorDown
                       : ButtonTextColor != clNone          ? ButtonTextColor
                                                            : clBlack;
  c->Pen()->SetColor(arrow);
  c->Brush()->SetColor(arrow);
  c->Polygon({{r.Left + 5, r.Top + 7}, {r.Left + 11, r.Top + 7}, {r.Left + 8, r.Top + 10}});
}

void TMetroDateTimePicker::DrawBorder(TCanvas* c) {
  TRect r = {0, 0, Width(), Height()};
  if (!Enabled() && FIsThemed && !DisabledBorder) return FrameIn(c, r, kThemedFrame);
  if (FBorderColor != clNone && !(Focused() && FocusBorderColor != clNone)) return FrameIn(c, r, FBorderColor);
  if (FocusBorderColor != clNone) {
    if (Focused()) FrameIn(c, r, FocusBorderColor);
    return;
  }
  const TColor outer = NeedsFocusBorder() ? clBtnFace : Parent() ? Parent()->Color() : clBtnFace;
  if (NeedsFocusBorder()) {
    FrameIn(c, r, clBtnShadow);
    InflateRect(r, -1, -1);
    FrameIn(c, r, outer);
    InflateRect(r, -1, -1);
    FrameIn(c, r, Color());
    return;
  }
  FrameIn(c, r, outer);
  InflateRect(r, -1, -1);
  r.Right -= FButtonWidth;
  FrameIn(c, r, outer);
  InflateRect(r, -1, -1);
  FrameIn(c, r, Color());
}

void TMetroDateTimePicker::DrawButtonBorder(TCanvas* c) {
  TRect r = {ClientWidth() - FButtonWidth - 2, 0, Width(), Height()};
  InflateRect(r, -2, -2);
  if (IsActive()) {
    // A raised edge round the button.
    c->Pen()->SetColor(DroppedDown() ? clBtnShadow : clBtnHighlight);
    c->Polyline({{r.Left, r.Bottom - 1}, {r.Left, r.Top}, {r.Right - 1, r.Top}});
    c->Pen()->SetColor(clBtnShadow);
    c->Polyline({{r.Left, r.Bottom - 1}, {r.Right - 1, r.Bottom - 1}, {r.Right - 1, r.Top - 1}});
    return;
  }
  r = {r.Left, r.Top + 1, r.Right - 1, r.Bottom - 1};
  c->Brush()->SetColor(clBtnFace);
  c->FillRect(r);
}

void TMetroDateTimePicker::DrawBorders(TCanvas* c) {
  if (!DrawsBorders()) return;
  DrawBorder(c);
  if (!FIsWinXP || !IsThemeActive()) DrawButtonBorder(c);
}

void TMetroDateTimePicker::DrawFlatBorder(TCanvas* c) {
  if (Ctl3D()) return;
  if (FVariant.FlatBorderNeedsColor && FBorderColor == clNone) return;
  const int w = Width(), h = Height();
  c->Pen()->SetColor(FramePen());
  c->Polyline({{0, h}, {0, 0}, {w - 1, 0}, {w - 1, h - 1}, {0, h - 1}});
  if (!Parent()) return;
  if (FBorderStyle == bsSingle) c->Pen()->SetColor(Parent()->Color());
  if (FBorderStyle == bsNone || FBorderStyle == bsSingle) c->Polyline({{1, h - 2}, {1, 1}, {w - 1, 1}});
}

// --- automatic move to the next field ---

void TCustomDateTimePicker::KeyPress(QChar& Key) {
  if (Key >= u'0' && Key <= u'9' && FAutoTab) {
    if (Kind() == dtkTime) DecodeTime(DateTime(), Fh, Fm, Fs, Fms);
    TMetroDateTimePicker::KeyPress(Key);
    PostMessage(this, DTPShiftFocusMessage(), 0, 0);
    return;
  }
  TMetroDateTimePicker::KeyPress(Key);
}

void TCustomDateTimePicker::WndProc(TMessage& Message) {
  if (Message.Msg == DTPShiftFocusMessage()) AutoTabCheck();
  TMetroDateTimePicker::WndProc(Message);
}

void TCustomDateTimePicker::AutoTabCheck() {
  if (Kind() != dtkTime) return;
  int h = 0, m = 0, s = 0, ms = 0;
  DecodeTime(DateTime(), h, m, s, ms);
  const bool changed = h != Fh || m != Fm || s != Fs;
  // Several digits typed before their notices arrived move on once.
  Fh = h;
  Fm = m;
  Fs = s;
  if (changed) Perform(WM_KEYDOWN, VK_RIGHT, 0);
}
