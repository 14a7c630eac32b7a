#include "grid/base/ex_grid_button.h"

#include "grid/base/draw_routines.h"
#include "grid/base/os_probes.h"
#include "platform/theme/visual_styles.h"
#include "platform/ui/canvas.h"
#include "platform/ui/menus.h"
#include "platform/ui/mouse_position.h"

namespace {

constexpr int kDropDownWidth = 12;
constexpr int kGradientSteps = 16;

}  // namespace

TExGridButton::TExGridButton(TComponent* AOwner)
    : TGraphicControl(AOwner),
      FGlyph(std::make_unique<TBitmap>()),
      FGlyphHot(std::make_unique<TBitmap>()),
      FGlyphDown(std::make_unique<TBitmap>()),
      FGlyphDisabled(std::make_unique<TBitmap>()),
      FGlyphShade(std::make_unique<TBitmap>()) {
  SetControlStyle({csCaptureMouse, csDoubleClicks});
  SetBounds(0, 0, 22, 23);
  SetColor(clBtnFace);
  SetParentFont(true);
  FGlyph->OnChange = [this](TObject* s) { GlyphChanged(s); };
}

TExGridButton::~TExGridButton() {
  FGlyph->OnChange = nullptr;
  if (FDropDownMenu) FDropDownMenu->RemoveFreeNotification(this);
}

// ----- properties -----

#define EX_GRID_BUTTON_COLOR_SETTER(Name, Field) \
  void TExGridButton::Set##Name(TColor Value) {  \
    Field = Value;                               \
    Invalidate();                                \
  }
EX_GRID_BUTTON_COLOR_SETTER(ColorTo, FColorTo)
EX_GRID_BUTTON_COLOR_SETTER(ColorHot, FColorHot)
EX_GRID_BUTTON_COLOR_SETTER(ColorHotTo, FColorHotTo)
EX_GRID_BUTTON_COLOR_SETTER(ColorDown, FColorDown)
EX_GRID_BUTTON_COLOR_SETTER(ColorDownTo, FColorDownTo)
EX_GRID_BUTTON_COLOR_SETTER(ColorChecked, FColorChecked)
EX_GRID_BUTTON_COLOR_SETTER(ColorCheckedTo, FColorCheckedTo)
EX_GRID_BUTTON_COLOR_SETTER(BorderColor, FBorderColor)
EX_GRID_BUTTON_COLOR_SETTER(BorderDownColor, FBorderDownColor)
EX_GRID_BUTTON_COLOR_SETTER(BorderHotColor, FBorderHotColor)
#undef EX_GRID_BUTTON_COLOR_SETTER

void TExGridButton::SetStyle(TExGridButtonStyle Value) {
  FStyle = Value;
  Invalidate();
}

void TExGridButton::SetRounded(bool Value) {
  FRounded = Value;
  Invalidate();
}

void TExGridButton::SetDropDownButton(bool Value) {
  FDropDownButton = Value;
  Invalidate();
}

void TExGridButton::SetFlat(bool Value) {
  if (Value == FFlat) return;
  FFlat = Value;
  Invalidate();
}

void TExGridButton::SetLayout(TButtonLayout Value) {
  if (Value == FLayout) return;
  FLayout = Value;
  Invalidate();
}

void TExGridButton::SetSpacing(int Value) {
  if (Value == FSpacing) return;
  FSpacing = Value;
  Invalidate();
}

void TExGridButton::SetShowCaption(bool Value) {
  if (Value == FShowCaption) return;
  FShowCaption = Value;
  Invalidate();
}

void TExGridButton::SetMargin(int Value) {
  if (Value == FMargin || Value < -1) return;
  FMargin = Value;
  Invalidate();
}

void TExGridButton::SetShaded(bool Value) {
  FShaded = Value;
  if (FShaded && !ComponentState().Contains(csLoading)) BuildShade();
}

void TExGridButton::SetAutoThemeAdapt(bool Value) {
  FAutoThemeAdapt = Value;
  if (Value && !ComponentState().Contains(csLoading)) ThemeAdapt();
}

void TExGridButton::SetDropDownMenu(TPopupMenu* Value) {
  if (FDropDownMenu) FDropDownMenu->RemoveFreeNotification(this);
  FDropDownMenu = Value;
  if (FDropDownMenu) FDropDownMenu->FreeNotification(this);
}

void TExGridButton::Notification(TComponent* AComponent, TOperation Operation) {
  TGraphicControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FDropDownMenu) FDropDownMenu = nullptr;
}

void TExGridButton::SetGlyph(const TBitmap* Value) {
  FGlyph->Assign(Value);  // OnChange: grey copy, repaint
}

void TExGridButton::GlyphChanged(TObject*) {
  if (FGlyphDisabled->Empty() && !FGlyph->Empty()) MakeGreyGlyph(FGlyph.get(), FGlyphDisabled.get());
  Invalidate();
}

void TExGridButton::BuildShade() {
  if (FGlyph->Empty()) {
    FGlyphShade->Clear();
    return;
  }
  MakeShadeGlyph(FGlyph.get(), FGlyphShade.get());
}

void TExGridButton::Loaded() {
  TGraphicControl::Loaded();
  if (FShaded) BuildShade();
  if (FAutoThemeAdapt) ThemeAdapt();
}

void TExGridButton::SetLook(int Value) {
  const TGridButtonLook* look = GridButtonLook(Value);
  if (!look) return;
  SetColor(look->Color);
  FColorTo = look->ColorTo;
  FColorHot = look->ColorHot;
  FColorHotTo = look->ColorHotTo;
  FColorDown = look->ColorDown;
  FColorDownTo = look->ColorDownTo;
  FColorChecked = look->ColorChecked;
  FColorCheckedTo = look->ColorCheckedTo;
  FBorderDownColor = look->BorderDownColor;
  FBorderHotColor = look->BorderHotColor;
  FBorderColor = clNone;
  FFlat = true;
  FRounded = Value == 0;
  Invalidate();
}

void TExGridButton::ThemeAdapt() {
  if (!FAutoThemeAdapt) return;
  SetLook(LookOfColorScheme(IsWinXPVersion() && IsThemeActive(), GetCurrentThemeName()));
}

// ----- down state and groups -----

void TExGridButton::SetDown(bool Value) {
  if (FGroupIndex == 0 && FStyle == tasButton) Value = false;
  if (FStyle == tasCheck) {
    FDown = Value;
    Repaint();
    return;
  }
  if (Value == FDown) return;
  if (FDown && !FAllowAllUp) return;
  FDown = Value;
  if (Value) {
    if (FState == bsUp) Invalidate();
    FState = bsExclusive;
    UpdateExclusive();
  } else {
    FState = bsUp;
    Repaint();
  }
}

void TExGridButton::SetGroupIndex(int Value) {
  if (Value == FGroupIndex) return;
  FGroupIndex = Value;
  UpdateExclusive();
}

void TExGridButton::SetAllowAllUp(bool Value) {
  if (Value == FAllowAllUp) return;
  FAllowAllUp = Value;
  UpdateExclusive();
}

void TExGridButton::UpdateExclusive() {
  if (FGroupIndex == 0 || !Parent()) return;
  TMessage m;
  m.Msg = CM_BUTTONPRESSED;
  m.WParam = FGroupIndex;
  m.LParam = reinterpret_cast<intptr_t>(this);
  m.Result = 0;
  Parent()->Broadcast(m);
}

void TExGridButton::CMButtonPressed(TMessage& m) {
  if (static_cast<int>(m.WParam) != FGroupIndex) return;
  auto* sender = reinterpret_cast<TExGridButton*>(m.LParam);
  if (!sender || sender == this) return;
  if (sender->Down() && FDown) {
    FDown = false;
    FState = bsUp;
    Invalidate();
  }
  FAllowAllUp = sender->AllowAllUp();
}

void TExGridButton::Dispatch(TMessage& m) {
  if (m.Msg == CM_BUTTONPRESSED) return CMButtonPressed(m);
  TGraphicControl::Dispatch(m);
}

// ----- input -----

bool TExGridButton::Inside(int X, int Y) const { return X >= 0 && X < ClientWidth() && Y >= 0 && Y <= ClientHeight(); }

void TExGridButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft || !Enabled()) return;
  if (FDropDownButton && X > ClientWidth() - kDropDownWidth) {
    FState = bsUp;
    if (OnDropDown) OnDropDown(this);
    if (FDropDownMenu) {
      const TPoint p = ClientToScreen({0, Height()});
      FDropDownMenu->Popup(p.X, p.Y);
    }
    return;
  }
  if (!FDown) {
    FState = bsDown;
    Invalidate();
  }
  if (FStyle == tasCheck) {
    FState = bsDown;
    Repaint();
  }
  FDragging = true;
}

void TExGridButton::MouseMove(TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseMove(Shift, X, Y);
  if (!FDragging) {
    if (!FMouseInControl) UpdateTracking();
    return;
  }
  TButtonState next = FDown ? bsExclusive : bsUp;
  if (Inside(X, Y)) next = FDown ? bsExclusive : bsDown;
  if (FStyle == tasCheck && FDown) next = bsDown;
  if (next != FState) {
    FState = next;
    Invalidate();
  }
}

void TExGridButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseUp(Button, Shift, X, Y);
  if (!FDragging) return;
  FDragging = false;
  const bool doClick = Inside(X, Y);
  if (FGroupIndex == 0) {
    FState = bsUp;
    if (FStyle == tasCheck) {
      SetDown(!FDown);
      FState = bsUp;
    }
    if (doClick && FState != bsExclusive && FState != bsDown) Invalidate();
  } else if (doClick) {
    SetDown(!FDown);
    if (FDown) Repaint();
  } else {
    if (FDown) FState = bsExclusive;
    Repaint();
  }
  if (doClick) Click();
  UpdateTracking();
}

void TExGridButton::Click() { TGraphicControl::Click(); }

void TExGridButton::WMLButtonDblClk(TMessage& m) {
  TGraphicControl::WMLButtonDblClk(m);
  if (FDown) DblClick();
}

void TExGridButton::CMDialogChar(TMessage& m) {
  if (IsAccel(QChar(static_cast<char16_t>(m.CharCode())), Caption()) && Enabled() && Visible() && Parent() &&
      Parent()->Showing()) {
    Click();
    m.Result = 1;
  }
}

void TExGridButton::CMMouseEnter(TMessage& m) {
  TGraphicControl::CMMouseEnter(m);
  if (!Enabled() || MouseCapture()) return;
  FMouseInControl = true;
  Repaint();
  if (OnMouseEnter) OnMouseEnter(this);
}

void TExGridButton::CMMouseLeave(TMessage& m) {
  TGraphicControl::CMMouseLeave(m);
  if (!Enabled() || FDragging) return;
  FMouseInControl = false;
  Invalidate();
  if (OnMouseLeave) OnMouseLeave(this);
}

void TExGridButton::SetEnabled(bool value) {
  TGraphicControl::SetEnabled(value);
  UpdateTracking();
  Repaint();
}

void TExGridButton::UpdateTracking() {
  // The pointer's position decides whether the mouse is over the button; the
  // enter and leave notifications follow from it.
  if (!FFlat || !Enabled()) return;
  const TPoint p = ScreenToClient(GetCursorPos());
  const bool over = PtInRect(ClientRect(), p) && Showing();
  if (over == FMouseInControl) return;
  Perform(over ? CM_MOUSEENTER : CM_MOUSELEAVE);
}

// ----- painting -----

void TExGridButton::GradientFill(TRect R, TColor From, TColor To, TColor Border) {
  DrawGradient(Canvas(), ColorToRGB(From), ColorToRGB(To), kGradientSteps, R, false);
  if (Border == clNone) return;
  Canvas()->Brush()->SetColor(Border);
  Canvas()->FrameRect(R);
}

void TExGridButton::BoxFill(TRect R, TColor Brush, TColor Border) {
  TCanvas* c = Canvas();
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(Brush);
  c->Pen()->SetColor(Border == clNone ? Brush : Border);
  c->Rectangle(R);
}

TBitmap* TExGridButton::GlyphToDraw() {
  auto orGlyph = [this](TBitmap* b) { return b->Empty() ? FGlyph.get() : b; };
  if (!Enabled()) return orGlyph(FGlyphDisabled.get());
  if (FState == bsDown || FState == bsExclusive) return orGlyph(FGlyphDown.get());
  if (FMouseInControl) return orGlyph(FGlyphHot.get());
  return FGlyph.get();
}

void TExGridButton::PaintFlatFace(TRect& R) {
  TCanvas* c = Canvas();
  if (FBorderDownColor == clNone || FRounded) InflateRect(R, -1, -1);
  if (!FMouseInControl || !Enabled()) {
    if (FStyle == tasCheck && FDown) {
      if (FColorCheckedTo == clNone)
        BoxFill(R, FColorChecked, FBorderDownColor);
      else
        GradientFill(R, FColorChecked, FColorCheckedTo, FBorderDownColor);
    } else if (FColorTo == clNone) {
      c->Brush()->SetStyle(bsSolid);
      c->Brush()->SetColor(Color());
      c->FillRect(R);
    } else {
      GradientFill(R, Color(), FColorTo, FRounded ? clNone : (FDown ? FBorderDownColor : FBorderColor));
    }
    if (FBorderColor != clNone) {
      c->Brush()->SetStyle(bsClear);
      c->Pen()->SetColor(FBorderColor);
      if (FRounded)
        c->RoundRect(R.Left - 1, R.Top - 1, R.Right + 1, R.Bottom + 1, 8, 8);
      else
        c->Rectangle(R);
      c->Brush()->SetStyle(bsSolid);
    }
  } else {
    TColor from = FColorHot, to = FColorHotTo, pen = FBorderHotColor;
    if (FState == bsDown) {
      from = FColorDown;
      to = FColorDownTo;
      pen = FBorderDownColor;
    }
    if (FStyle == tasCheck && FDown && FState != bsDown) {
      from = FColorChecked;
      to = FColorCheckedTo;
      pen = FBorderDownColor;
    }
    const TColor border = FRounded ? clNone : pen;
    if (to == clNone)
      BoxFill(R, from, border);
    else
      GradientFill(R, from, to, border);
    if (FRounded) {
      c->Brush()->SetStyle(bsClear);
      c->Pen()->SetColor(FState == bsDown ? FBorderDownColor : FBorderHotColor);
      c->RoundRect(R.Left - 1, R.Top - 1, R.Right + 1, R.Bottom + 1, 8, 8);
      c->Brush()->SetStyle(bsSolid);
    }
    if (FDropDownButton && pen != clNone) {
      c->Pen()->SetColor(pen);
      c->MoveTo(R.Right - kDropDownWidth, R.Top);
      c->LineTo(R.Right - kDropDownWidth, R.Bottom);
    }
  }
  InflateRect(R, -1, -1);
}

void TExGridButton::Paint() {
  TCanvas* c = Canvas();
  // 1. State fix-up.
  if (!Enabled()) {
    FState = bsDisabled;
    FDragging = false;
  } else if (FState == bsDisabled) {
    FState = FDown && FGroupIndex != 0 ? bsExclusive : bsUp;
  }
  if (FStyle == tasCheck && FDown) FState = bsDown;
  TRect R = ClientRect();
  // 2. - 3. The face.
  if (FFlat) {
    PaintFlatFace(R);
  } else if (IsWinXPVersion() && AutoXPStyle && IsComCtl6Themed()) {
    HTHEME theme = OpenThemeData(this, QStringLiteral("button"));
    const int state = FState == bsDown || FState == bsExclusive ? PBS_PRESSED : FMouseInControl ? PBS_HOT : PBS_NORMAL;
    DrawThemeBackground(theme, c, BP_PUSHBUTTON, state, R);
    CloseThemeData(theme);
    InflateRect(R, -2, -2);
  } else {
    unsigned state = DFCS_BUTTONPUSH;
    if (FState == bsDown || FState == bsExclusive) state |= DFCS_PUSHED;
    DrawFrameControl(c, R, DFC_BUTTON, state);
    InflateRect(R, -2, -2);
  }
  // 4. Content offset.
  TPoint offset{0, 0};
  if (FState == bsDown || FState == bsExclusive) {
    if (FState == bsExclusive && !(FFlat && FMouseInControl)) {
      TRect fill = R;
      InflateRect(fill, 1, 1);
      if (FColorCheckedTo == clNone) {
        c->Brush()->SetStyle(bsSolid);
        c->Brush()->SetColor(FColorChecked);
        c->FillRect(fill);
      } else {
        GradientFill(fill, FColorChecked, FColorCheckedTo, FDown ? FBorderDownColor : FBorderColor);
      }
    }
    if (!FFlat) offset = {1, 1};
  } else if (FFlat && Enabled() && FShaded && FMouseInControl) {
    offset = {-1, -1};
  }
  // 5. Drop-down part.
  if (FDropDownButton) {
    const int m = R.Top + R.Height() / 2;
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(Font()->Color());
    c->Pen()->SetColor(Font()->Color());
    c->Polygon({{R.Right - 8, m - 1}, {R.Right - 4, m - 1}, {R.Right - 6, m + 1}});
    R.Right -= kDropDownWidth;
  }
  // 6. Glyph and caption.
  c->SetFont(Font());
  const QString caption = Caption();
  TRect measured = Rect(0, 0, R.Width(), 0);
  if (!caption.isEmpty()) c->DrawText(caption, measured, DT_CALCRECT | DT_CENTER);
  TBitmap* glyph = GlyphToDraw();
  const TSize glyphSize{glyph->Width(), glyph->Height()};
  const TButtonGlyphLayout layout = CalcButtonLayout(R, offset, glyphSize, {measured.Width(), measured.Height()},
                                                     FLayout, FMargin, FSpacing, false);
  const TPoint at = caption.isEmpty() ? TPoint{0, 0} : layout.GlyphPos;
  if (!glyph->Empty()) {
    if (FMouseInControl && FShaded && Enabled() && FState != bsDown && !FGlyphShade->Empty()) {
      const int shift = caption.isEmpty() ? 0 : 2;
      c->Draw(at.X + shift, at.Y + shift, FGlyphShade.get());
    }
    glyph->SetTransparent(true);
    c->Draw(at.X, at.Y, glyph);
  }
  if (!FShowCaption || caption.isEmpty()) return;
  TRect text = layout.TextBounds;
  if (FFlat && FShaded && Enabled() && FMouseInControl && FState != bsDown && FState != bsExclusive)
    OffsetRect(text, 1, 1);
  c->Brush()->SetStyle(bsClear);
  if (!Enabled()) {
    TRect shadow = text;
    OffsetRect(shadow, 1, 1);
    c->Font()->SetColor(clBtnHighlight);
    c->DrawText(caption, shadow, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    c->Font()->SetColor(clBtnShadow);
  }
  c->DrawText(caption, text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}
