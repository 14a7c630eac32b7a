#include "controls/button/fade_button.h"

#include "controls/button/button_glyphs.h"
#include "platform/ui/form.h"
#include "platform/ui/menus.h"
#include "platform/ui/timer.h"

namespace {

struct KindRow {
  TFadeButtonKind kind;
  int modalResult;
  const char* resource;
  const char16_t* caption;
};

constexpr KindRow kKinds[] = {
    {bkOK, 1, "LBOK", u"OK"},
    {bkCancel, 2, "LBCANCEL", u"Abbrechen"},
    {bkHelp, 0, "LBHELP", u"Hilfe"},
    {bkYes, 6, "LBYES", u"Ja"},
    {bkNo, 7, "LBNO", u"Nein"},
    {bkClose, 0, "LBCLOSE", u"Schließen"},
    {bkAbort, 3, "LBABORT", u"Abbrechen"},
    {bkRetry, 4, "LBRETRY", u"Wiederholen"},
    {bkIgnore, 5, "LBIGNORE", u"Ignorieren"},
    {bkAll, 12, "LBALL", u"Alle"},
};

}  // namespace

TFadeButton::TFadeButton(TComponent* AOwner) : TCustomControl(AOwner) {
  SetControlStyle(TControlStyle{csCaptureMouse, csSetCaption});
  SetBounds(Left(), Top(), 100, 23);
  SetColor(clBtnFace);
  SetTabStop(true);
  if (auto* form = dynamic_cast<TForm*>(AOwner)) FHTFont.Assign(*form->Font());
  CreateFadeTimer();
}

TFadeButton::~TFadeButton() {
  Destroying();
  FreeFadeTimer();
}

void TFadeButton::CreateFadeTimer() {
  if (FFadeTimer) return;
  FFadeTimer = new TTimer(this);
  FFadeTimer->SetEnabled(false);
  FFadeTimer->SetInterval(kFadeStepInterval);
  FFadeTimer->SetOnTimer([this](TObject*) { FadeStep(); });
}

void TFadeButton::FreeFadeTimer() {
  delete FFadeTimer;
  FFadeTimer = nullptr;
}

bool TFadeButton::Fading() const { return FFadeTimer && FFadeTimer->Enabled(); }

bool TFadeButton::ParentShowing() const { return Parent() && Parent()->Showing(); }

void TFadeButton::SetAlignment(TAlignment value) {
  FAlignment = value;
  Repaint();
}

void TFadeButton::SetFlat(bool value) {
  FFlat = value;
  Repaint();
}

void TFadeButton::SetLayout(TFadeButtonLayout value) {
  FLayout = value;
  Repaint();
}

void TFadeButton::SetLightColor(TColor value) {
  FLightColor = value;
  Repaint();
}

void TFadeButton::SetShadowColor(TColor value) {
  FShadowColor = value;
  Repaint();
}

void TFadeButton::SetWordWrap(bool value) {
  FWordWrap = value;
  Repaint();
}

void TFadeButton::SetColorWhenDown(TColor value) {
  FColorWhenDown = value;
  Invalidate();
}

void TFadeButton::SetHotTrackColor(TColor value) {
  FHotTrackColor = value;
  Invalidate();
}

void TFadeButton::SetUseHotTrackFont(bool value) {
  FUseHTFont = value;
  Invalidate();
}

void TFadeButton::SetGlyph(const TBitmap* value) {
  if (value) {
    FGlyph.Assign(*value);
    FNumGlyphs = FGlyph.Height() > 0 ? FGlyph.Width() / FGlyph.Height() : 0;
  } else {
    FGlyph.Clear();
    FNumGlyphs = 0;
  }
  FKind = bkCustom;
  Invalidate();
}

void TFadeButton::SetNumGlyphs(int value) {
  FNumGlyphs = value;
  Invalidate();
}

void TFadeButton::SetModalResult(int value) {
  FModalResult = value;
  FKind = bkCustom;
}

void TFadeButton::SetKind(TFadeButtonKind value) {
  if (value != bkCustom) {
    for (const KindRow& row : kKinds) {
      if (row.kind != value) continue;
      SetNumGlyphs(2);
      SetModalResult(row.modalResult);
      LoadButtonGlyph(QLatin1String(row.resource), &FGlyph);
      SetCaption(QString::fromUtf16(row.caption));
      break;
    }
  }
  FKind = value;
  Invalidate();
}

void TFadeButton::SetEnabled(bool value) {
  TCustomControl::SetEnabled(value);
  FEnabled = value;
  bDown = false;
  Repaint();
}

void TFadeButton::SetStyle(TFadeButtonStyle value) {
  // The styles that leave the parent visible around their shape need no window
  // style here: painting with the transparent key does it (see Paint).
  FStyle = value;
  Invalidate();
}

void TFadeButton::SetColorStyle(TFadeColorStyle value) {
  if (value == lcsCustom) return;
  const TFadeColorStyleValues v = ColorStyleValues(value);
  SetColor(v.Color);
  FLightColor = v.LightColor;
  FShadowColor = v.ShadowColor;
  FColorWhenDown = v.ColorWhenDown;
  FHotTrackColor = v.HotTrackColor;
  Font()->SetColor(v.FontColor);
  FFlat = v.Flat;
  FStyle = v.Modern ? bsModern : v.Quicken ? bsQuicken : bsNormal;
  Repaint();
}

void TFadeButton::SetSlowDecease(bool value) {
  FSlowDecease = value;
  if (value) {
    CreateFadeTimer();
  } else if (FFadeTimer) {
    FHotTrackStep = 0;
    FreeFadeTimer();
  }
  Invalidate();
}

void TFadeButton::FadeStep() {
  if (ComponentState().Contains(csDestroying)) return;
  --FHotTrackStep;
  if (FHotTrackStep <= 0) {
    if (FFadeTimer) FFadeTimer->SetEnabled(false);
    FHotTrackStep = 0;
  }
  Repaint();
}

void TFadeButton::CMMouseEnter(TMessage&) {
  if (!FEnabled || !Visible() || !ParentShowing()) return;
  bCursorOnButton = true;
  FHotTrackStep = kHotTrackSteps;
  Repaint();
  if (OnMouseEnter) OnMouseEnter(this);
}

void TFadeButton::CMMouseLeave(TMessage&) {
  bCursorOnButton = false;
  if (FSlowDecease) {
    if (FFadeTimer && !FFadeTimer->Enabled()) FFadeTimer->SetEnabled(true);
  } else {
    FHotTrackStep = 0;
    Repaint();
  }
  if (FEnabled && Visible() && ParentShowing() && OnMouseExit) OnMouseExit(this);
}

void TFadeButton::WMLButtonDown(TMessage& m) {
  TCustomControl::WMLButtonDown(m);
  if (!FEnabled) return;
  bDown = true;
  if (CanFocus()) SetFocus();
  Repaint();
}

// A press clicks when it is released over the button; released elsewhere, the
// press is dropped, so the user can still take back a press.
void TFadeButton::WMLButtonUp(TMessage& m) {
  TCustomControl::WMLButtonUp(m);
  if (!bDown) return;
  if (PtInRect(ClientRect(), Point(m.XPos(), m.YPos()))) Click();
  bDown = false;
  Repaint();
}

void TFadeButton::CNKeyDown(TMessage& m) {
  TCustomControl::CNKeyDown(m);
  if (!FEnabled || (m.CharCode() != VK_RETURN && m.CharCode() != VK_SPACE)) return;
  bDown = true;
  Repaint();
}

// Enter or Space clicks when it is released on the button it was pressed on. A
// release alone, whose press went to another window (an edit of a dialog that
// Enter closed, say), must not click the button that has the focus afterwards.
void TFadeButton::CNKeyUp(TMessage& m) {
  TCustomControl::CNKeyUp(m);
  if (m.CharCode() != VK_RETURN && m.CharCode() != VK_SPACE) return;
  if (bDown) Click();
  Repaint();
}

void TFadeButton::CMDialogChar(TMessage& m) {
  if (IsAccel(QChar(static_cast<char16_t>(m.CharCode())), Caption()) && Visible() && FEnabled && ParentShowing()) {
    bDown = true;
    Click();
    m.Result = 1;
    return;
  }
  TCustomControl::CMDialogChar(m);
}

// Enter reaches a default button and Escape a cancel button, unless the focus is
// on another button-like control (but not a radio button), which keeps the key.
void TFadeButton::CMDialogKey(TMessage& m) {
  const bool ours = (m.CharCode() == VK_RETURN && FDefault) || (m.CharCode() == VK_ESCAPE && FCancel);
  if (!ours || !KeyDataToShiftState(m.KeyData()).Empty() || !Visible() || !FEnabled) {
    TCustomControl::CMDialogKey(m);
    return;
  }
  QString activeClass;
  if (TForm* form = GetOwnerForm(this); form && form->ActiveControl())
    activeClass = form->ActiveControl()->ClassName().toUpper();
  if (activeClass.contains(QLatin1String("BUTTON")) && !activeClass.contains(QLatin1String("RADIOBUTTON"))) {
    TCustomControl::CMDialogKey(m);
    return;
  }
  bDown = true;
  Click();
  m.Result = 1;
}

void TFadeButton::CMFocusChanged(TMessage& m) {
  TCustomControl::CMFocusChanged(m);
  Repaint();
}

void TFadeButton::Click() {
  bDown = true;
  ClickAction();
}

void TFadeButton::ClickAction() {
  if (!Visible() || !FEnabled || !bDown) return;
  bDown = false;
  if (OnClick) OnClick(this);
  if (FModalResult != 0) {
    if (TForm* form = ParentForm()) form->SetModalResult(FModalResult);
  }
  if (TPopupMenu* menu = PopupMenu()) {
    const TPoint at = ClientToScreen(Point(0, Height()));
    menu->SetPopupComponent(this);
    menu->Popup(at.X, at.Y);
  }
}

void TFadeButton::Paint() {
  // 1. Nothing while hidden, loading or being destroyed.
  const TComponentState state = ComponentState();
  if (!Visible() || state.Contains(csLoading) || state.Contains(csDestroying)) return;
  const int W = Width(), H = Height();
  if (W <= 0 || H <= 0) return;

  // 2. Off-screen bitmap and the font to use.
  TBitmap bitmap(W, H);
  TFont font;
  font.Assign(*Font());
  if (FUseHTFont && (bCursorOnButton || Focused())) font.Assign(FHTFont);

  // 3. Styles that leave the parent visible around their shape.
  if (FStyle == bsModern || FStyle == bsShape || FStyle == bsQuicken) {
    bitmap.SetTransparent(true);
    bitmap.SetTransparentColor(kFadeTransparentKey);
    bitmap.Canvas()->Brush()->SetColor(kFadeTransparentKey);
    bitmap.Canvas()->FillRect(Rect(0, 0, W, H));
  }

  TFadeButtonDrawing d;
  d.Width = W;
  d.Height = H;
  d.Alignment = FAlignment;
  d.Caption = Caption();
  d.Layout = FLayout;
  d.Font = &font;
  d.ShadowColor = FShadowColor;
  d.LightColor = FLightColor;
  d.HotTrackColor = FHotTrackColor;
  d.ColorWhenDown = FColorWhenDown;
  d.Color = Color();
  d.Style = FStyle;
  d.HasPopupMenu = PopupMenu() != nullptr;
  d.WordWrap = FWordWrap;
  d.Flat = FFlat;
  d.Enabled = FEnabled;
  d.NoFace = false;
  d.Hot = bCursorOnButton || Focused();
  d.Down = bDown;
  d.Glyph = &FGlyph;
  d.NumGlyphs = FNumGlyphs;
  d.HotTrackStep = FHotTrackStep;

  if (FStyle == bsOld && Focused()) {
    // 4. The old style's focus look: drawn smaller, moved by 1,1 and framed black.
    d.Width = W - 2;
    d.Height = H - 2;
    if (bDown) d.LightColor = FShadowColor;
    d.Down = bDown;
    DrawFadeButton(bitmap.Canvas(), d);
    bitmap.Canvas()->CopyRect(Rect(1, 1, W - 1, H - 1), bitmap.Canvas(), Rect(0, 0, W - 2, H - 2));
    bitmap.Canvas()->Brush()->SetStyle(bsClear);
    bitmap.Canvas()->Pen()->SetColor(clBlack);
    bitmap.Canvas()->Pen()->SetStyle(psSolid);
    bitmap.Canvas()->Rectangle(0, 0, W, H);
  } else {
    // 5. Every other case.
    DrawFadeButton(bitmap.Canvas(), d);
  }

  // 6. Onto the control, with the focus rectangle.
  Canvas()->Draw(0, 0, &bitmap);
  if (Focused() && FEnabled && FStyle != bsShape) Canvas()->DrawFocusRect(Rect(4, 4, W - 4, H - 4));
}
