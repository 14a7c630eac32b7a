// The drop-down edit's look: colour styles and tones, the selection presets,
// the caption label beside the edit, the border and the focused value box.
#include "grid/base/draw_routines.h"
#include "grid/dropdown/drop_down_button.h"
#include "grid/dropdown/dropdown_drawing.h"
#include "grid/dropdown/ex_button.h"
#include "grid/dropdown/ex_drop_down.h"
#include "grid/dropdown/style_presets.h"
#include "platform/ui/canvas.h"
#include "platform/ui/control_canvas.h"
#include "platform/ui/labels.h"

// --- styles ---

void TExCustomDropDown::SetComponentStyle(TSuiteStyle AStyle) {
  FSuiteStyle = AStyle;
  ApplyPopupPreset(*this, AStyle);
  ApplyButtonPreset(*FButtonAppearance, AStyle);
}

void TExCustomDropDown::SetColorTones(const TColorTones& ATones) {
  if (FButton) {
    FButton->ButtonColor = ATones.Background.BrushColor;
    FButton->ButtonColorHot = ATones.Hover.BrushColor;
    FButton->ButtonColorDown = ATones.Selected.BrushColor;
    FButton->ButtonBorderColor = ATones.Background.BorderColor;
  }
  SetBorderColor(ATones.Background.BorderColor);
}

void TExCustomDropDown::SetSelectionColorStyle(TSelectionColorStyle Value) {
  FSelectionColorStyle = Value;
  switch (Value) {
    case scOffice2007: SelectionColor = 0xD7FFFD; SelectionColorTo = 0x58D4FC; break;
    case scWindowsVista: SelectionColor = 0xFDF8F1; SelectionColorTo = 0xFCEFD5; break;
    case scWindows7: SelectionColor = 0xFCEBDC; SelectionColorTo = 0xFCDBC1; break;
    case scCustom: break;
  }
}

void TExCustomDropDown::DrawSelectionBackground(TCanvas* Canvas, TRect R, int Pass, int Kind) {
  (void)Pass;
  if (FSelectionColorStyle == scCustom) {
    Canvas->Brush()->SetColor(SelectionColor);
    Canvas->Pen()->SetColor(SelectionColor);
    Canvas->Rectangle(R);
    return;
  }
  struct Frame {
    TColor mirror, mirrorTo, top, bottom, border, edge;
  };
  static constexpr Frame kFrames[] = {
      {0x58D4FC, 0xB3F1FC, 0xF4FEFF, 0xCAF8FF, 0x8DD7D3, 0xC3D9DF},
      {clNone, clNone, 0xFDFBF6, 0xFDF5E7, 0xFDDE99, 0xFCEDCB},
      {clNone, clNone, 0xFDF4EB, 0xFDEADB, 0xCEA27D, 0xE0C5AE},
  };
  const Frame& f = kFrames[FSelectionColorStyle - scOffice2007];
  DrawRoundFrame(Canvas, SelectionColor, SelectionColorTo, f.mirror, f.mirrorTo, f.top, f.bottom, f.border, f.edge,
                 Color(), R, Kind);
}

void TExCustomDropDown::DrawGradient(TCanvas* Canvas, TColor FromColor, TColor ToColor, int Steps, TRect R,
                                     TGradientDirection Direction) {
  DrawGradientRect(Canvas, FromColor, ToColor, Steps, R, Direction == gdHorizontal);
}

// --- label ---

QString TExCustomDropDown::LabelCaption() const { return FLabel ? FLabel->Caption() : QString(); }

void TExCustomDropDown::SetLabelCaption(const QString& Value) {
  if (!FLabel) {
    FLabel = new TLabel(this);
    FLabel->SetParent(Parent());
    FLabel->SetFocusControl(this);
    FLabel->SetFont(FLabelFont.get());
    FLabel->OnClick = [this](TObject*) { DoLabelClick(); };
    FLabel->OnDblClick = [this](TObject*) { DoLabelDblClick(); };
  }
  FLabel->SetCaption(Value);
  UpdateLabelPos();
}

void TExCustomDropDown::UpdateLabelPos() {
  if (!FLabel) return;
  if (FLabel->Parent() != Parent()) FLabel->SetParent(Parent());
  FLabel->SetTransparent(FLabelTransparent);
  FLabel->SetFont(FParentFnt ? Font() : FLabelFont.get());
  TCanvas* c = MeasureCanvas();
  c->SetFont(FLabel->Font());
  TRect r = Rect(0, 0, 1000, 255);
  c->DrawText(FLabel->Caption(), r, DT_CALCRECT | DT_HIDEPREFIX);
  const TPoint p = LabelPlacement(FLabelPosition, BoundsRect(), r.Right - r.Left, FLabel->Width(), FLabel->Height(),
                                  FLabelMargin);
  FLabel->SetBounds(p.X, p.Y, FLabel->Width(), FLabel->Height());
  FLabel->SetVisible(Visible());
}

void TExCustomDropDown::SetLabelPosition(TLabelPosition Value) {
  FLabelPosition = Value;
  UpdateLabelPos();
}

void TExCustomDropDown::SetLabelMargin(int Value) {
  FLabelMargin = Value;
  UpdateLabelPos();
}

void TExCustomDropDown::SetLabelTransparent(bool Value) {
  FLabelTransparent = Value;
  UpdateLabelPos();
}

void TExCustomDropDown::SetLabelFont(const TFont* Value) {
  if (!ParentFont() && Value) FLabelFont->Assign(*Value);
  UpdateLabelPos();
}

void TExCustomDropDown::DoLabelClick() {
  if (OnLabelClick) OnLabelClick(this);
}

void TExCustomDropDown::DoLabelDblClick() {
  if (OnLabelDblClick) OnLabelDblClick(this);
}

void TExCustomDropDown::CMVisibleChanged(TMessage& m) {
  TCustomMaskEdit::CMVisibleChanged(m);
  if (FLabel && !FLabel->Caption().isEmpty()) FLabel->SetVisible(Visible());
}

void TExCustomDropDown::CMParentFontChanged(TMessage& m) {
  TCustomMaskEdit::CMParentFontChanged(m);
  if (FLabel && ParentFont()) {
    FLabel->SetFont(Font());
    UpdateLabelPos();
  }
}

void TExCustomDropDown::CMFontChanged(TMessage& m) {
  TCustomMaskEdit::CMFontChanged(m);
  SetEditRect();
}

// --- border ---

void TExCustomDropDown::SetBorderColor(TColor Value) {
  FBorderColor = Value;
  Invalidate();
  if (FButton) FButton->InnerButton()->Invalidate();
}

void TExCustomDropDown::SetDisabledBorder(bool Value) {
  FDisabledBorder = Value;
  Invalidate();
}

bool TExCustomDropDown::IsHot() const {
  TForm* form = ParentForm();
  return FMouseInControl || (form && form->ActiveControl() == this);
}

void TExCustomDropDown::RepaintBorder() { Invalidate(); }

void TExCustomDropDown::DrawBorder(TCanvas* Canvas) {
  const TRect r = Rect(0, 0, Width(), Height());
  auto frame = [&](TColor c, TRect f) {
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(c);
    Canvas->FrameRect(f);
  };
  if (!Enabled() && FDisabledBorder) return frame(0xC0C0C0, r);
  const bool focused = Focused();
  if (FBorderColor != clNone) {
    if (!(focused && FocusBorderColor != clNone)) return frame(FBorderColor, r);
  }
  if (FocusBorderColor != clNone) {
    if (focused) frame(FocusBorderColor, r);
    return;
  }
  if (!Flat) return;
  if (IsHot()) {
    frame(0x808080, r);  // the sunken outer edge
    frame(clBtnFace, Rect(1, 1, r.Right - 1, r.Bottom - 1));
    return;
  }
  const TColor back = Parent() ? Parent()->Color() : clBtnFace;
  frame(back, r);
  frame(back, Rect(1, 1, r.Right - 1, r.Bottom - 1));
}

// Outside a paint the focused box is drawn by the next paint.
void TExCustomDropDown::PaintFocusedText() { Invalidate(); }

void TExCustomDropDown::DrawFocusedText(TCanvas* c) {
  if (FEditorEnabled || !Focused() || !FocusDraw) return;
  c->Pen()->SetColor(clBlack);
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(clHighlight);
  c->Rectangle(2, 2, Width() - FButtonWidth - 1, Height() - 2);
  c->SetFont(Font());
  c->Font()->SetColor(clHighlightText);
  c->Brush()->SetStyle(bsClear);
  TRect r = Rect(4, 2, Width() - FButtonWidth - 4, Height() - 2);
  c->DrawText(Text(), r, DT_SINGLELINE | DT_VCENTER);
}

void TExCustomDropDown::PaintEdit(TMessage&) {
  const bool border = FocusBorderColor != clNone || FBorderColor != clNone || (!Enabled() && FDisabledBorder) || Flat;
  if (FEditorEnabled && !border) return;
  TControlCanvas c(this);
  if (!c.Drawing()) return;
  DrawFocusedText(&c);
  if (border) DrawBorder(&c);
}

void TExCustomDropDown::Dispatch(TMessage& m) {
  TCustomMaskEdit::Dispatch(m);
  if (m.Msg == WM_PAINT) PaintEdit(m);
}
