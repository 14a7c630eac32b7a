// The push button of every form: a focusable control that paints itself in one of
// six styles (fade_buttons.h), shows a caption and a cell of its glyph strip,
// takes the hot-track colour while the mouse is over it (fading back in eight
// 30 ms steps when SlowDecease is on), can carry a predefined kind with picture,
// caption and modal result, closes a modal form through its modal result, opens
// its pop-up menu, and answers Enter, Escape, Space and its accelerator.
#pragma once

#include <memory>

#include "controls/button/fade_buttons.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/control.h"

class TTimer;

class TFadeButton : public TCustomControl {
public:
  explicit TFadeButton(TComponent* AOwner);
  ~TFadeButton() override;

  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment value);
  bool Cancel() const { return FCancel; }
  void SetCancel(bool value) { FCancel = value; }
  TFadeColorStyle ColorStyle() const { return FDummyStyle; }
  void SetColorStyle(TFadeColorStyle value);
  TColor ColorWhenDown() const { return FColorWhenDown; }
  void SetColorWhenDown(TColor value);
  bool Default() const { return FDefault; }
  void SetDefault(bool value) { FDefault = value; }
  void SetEnabled(bool value) override;
  bool Flat() const { return FFlat; }
  void SetFlat(bool value);
  TBitmap* Glyph() { return &FGlyph; }
  // Copies the picture; NumGlyphs becomes its width div its height; nullptr empties it.
  void SetGlyph(const TBitmap* value);
  TColor HotTrackColor() const { return FHotTrackColor; }
  void SetHotTrackColor(TColor value);
  TFont* HotTrackFont() { return &FHTFont; }
  void SetHotTrackFont(const TFont* value) { FHTFont.Assign(*value); }
  TFadeButtonKind Kind() const { return FKind; }
  void SetKind(TFadeButtonKind value);
  TFadeButtonLayout Layout() const { return FLayout; }
  void SetLayout(TFadeButtonLayout value);
  TColor LightColor() const { return FLightColor; }
  void SetLightColor(TColor value);
  int ModalResult() const { return FModalResult; }
  void SetModalResult(int value);
  int NumGlyphs() const { return FNumGlyphs; }
  void SetNumGlyphs(int value);
  TColor ShadowColor() const { return FShadowColor; }
  void SetShadowColor(TColor value);
  bool SlowDecease() const { return FSlowDecease; }
  void SetSlowDecease(bool value);
  TFadeButtonStyle Style() const { return FStyle; }
  void SetStyle(TFadeButtonStyle value);
  bool UseHotTrackFont() const { return FUseHTFont; }
  void SetUseHotTrackFont(bool value);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool value);

  void Click() override;

  // OnClick, OnMouseEnter (the control's events) and:
  TNotifyEvent OnMouseExit;

  // --- state, for the program's tests ---
  bool Pressed() const { return bDown; }
  bool CursorOnButton() const { return bCursorOnButton; }
  int HotTrackStep() const { return FHotTrackStep; }
  bool Fading() const;
  // One step of the fade (the 30 ms timer runs it).
  void FadeStep();

protected:
  void Paint() override;
  void ClickAction();

  void CMMouseEnter(TMessage& Message) override;
  void CMMouseLeave(TMessage& Message) override;
  void WMLButtonDown(TMessage& Message) override;
  void WMLButtonUp(TMessage& Message) override;
  void CNKeyDown(TMessage& Message) override;
  void CNKeyUp(TMessage& Message) override;
  void CMDialogChar(TMessage& Message) override;
  void CMDialogKey(TMessage& Message) override;
  void CMFocusChanged(TMessage& Message) override;

private:
  bool ParentShowing() const;
  void CreateFadeTimer();
  void FreeFadeTimer();

  TAlignment FAlignment = taCenter;
  TColor FShadowColor = 0x808080;
  TColor FColorWhenDown = clNone;
  bool FEnabled = true;
  bool FFlat = false;
  bool FWordWrap = false;
  TBitmap FGlyph;
  TColor FHotTrackColor = clNone;
  TFont FHTFont;
  TFadeButtonKind FKind = bkCustom;
  TFadeButtonLayout FLayout = blGlyphLeft;
  TColor FLightColor = 0xFFFFFF;
  int FModalResult = 0;
  int FNumGlyphs = 0;
  bool FUseHTFont = false;
  TFadeColorStyle FDummyStyle = lcsCustom;
  TFadeButtonStyle FStyle = bsNormal;
  bool FDefault = false;
  bool FCancel = false;
  bool FSlowDecease = false;
  bool bDown = false;
  bool bCursorOnButton = false;
  TTimer* FFadeTimer = nullptr;  // stands in for the fade thread: owned, stopped while not fading
  int FHotTrackStep = 0;
};
