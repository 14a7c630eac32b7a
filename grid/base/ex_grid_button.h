// The grid suite's own speed button (TExGridButton), from which the search panel
// builds its find buttons and options: a button without focus, plain or
// check style, grouped with an exclusive down state, flat with hot and pressed
// colours and 16-step gradients, optionally rounded, with a drop-down part at its
// right edge, five glyphs (normal, hot, down, disabled and a derived shade) and
// colour looks.
#pragma once

#include <memory>

#include "grid/base/grid_button_layout.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/control.h"
#include "platform/ui/speed_button.h"

class TPopupMenu;

enum TExGridButtonStyle { tasButton, tasCheck };

class TExGridButton : public TGraphicControl {
public:
  explicit TExGridButton(TComponent* AOwner);
  ~TExGridButton() override;

  TColor ColorTo() const { return FColorTo; }
  void SetColorTo(TColor Value);
  TColor ColorHot() const { return FColorHot; }
  void SetColorHot(TColor Value);
  TColor ColorHotTo() const { return FColorHotTo; }
  void SetColorHotTo(TColor Value);
  TColor ColorDown() const { return FColorDown; }
  void SetColorDown(TColor Value);
  TColor ColorDownTo() const { return FColorDownTo; }
  void SetColorDownTo(TColor Value);
  TColor ColorChecked() const { return FColorChecked; }
  void SetColorChecked(TColor Value);
  TColor ColorCheckedTo() const { return FColorCheckedTo; }
  void SetColorCheckedTo(TColor Value);
  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor Value);
  TColor BorderDownColor() const { return FBorderDownColor; }
  void SetBorderDownColor(TColor Value);
  TColor BorderHotColor() const { return FBorderHotColor; }
  void SetBorderHotColor(TColor Value);

  TExGridButtonStyle Style() const { return FStyle; }
  void SetStyle(TExGridButtonStyle Value);
  bool Down() const { return FDown; }
  void SetDown(bool Value);
  bool AllowAllUp() const { return FAllowAllUp; }
  void SetAllowAllUp(bool Value);
  int GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int Value);
  TButtonLayout Layout() const { return FLayout; }
  void SetLayout(TButtonLayout Value);
  int Margin() const { return FMargin; }
  // Values below -1 are ignored.
  void SetMargin(int Value);
  int Spacing() const { return FSpacing; }
  void SetSpacing(int Value);
  bool Flat() const { return FFlat; }
  void SetFlat(bool Value);
  bool Transparent = true;
  bool Shaded() const { return FShaded; }
  void SetShaded(bool Value);
  bool ShowCaption() const { return FShowCaption; }
  void SetShowCaption(bool Value);
  bool Rounded() const { return FRounded; }
  void SetRounded(bool Value);
  bool DropDownButton() const { return FDropDownButton; }
  void SetDropDownButton(bool Value);
  bool AutoThemeAdapt() const { return FAutoThemeAdapt; }
  void SetAutoThemeAdapt(bool Value);
  bool AutoXPStyle = false;
  TPopupMenu* DropDownMenu() const { return FDropDownMenu; }
  void SetDropDownMenu(TPopupMenu* Value);

  TBitmap* Glyph() { return FGlyph.get(); }
  // Copies the picture; an empty disabled glyph becomes its grey copy.
  void SetGlyph(const TBitmap* Value);
  TBitmap* GlyphHot() { return FGlyphHot.get(); }
  void SetGlyphHot(const TBitmap* Value) { FGlyphHot->Assign(Value); }
  TBitmap* GlyphDown() { return FGlyphDown.get(); }
  void SetGlyphDown(const TBitmap* Value) { FGlyphDown->Assign(Value); }
  TBitmap* GlyphDisabled() { return FGlyphDisabled.get(); }
  void SetGlyphDisabled(const TBitmap* Value) { FGlyphDisabled->Assign(Value); }
  TBitmap* GlyphShade() { return FGlyphShade.get(); }

  // Applies colour scheme 0..6 (other values change nothing).
  void SetLook(int Value);
  // Follows the desktop's colour scheme when AutoThemeAdapt is set (after
  // loading and when the theme or the system font changes).
  void ThemeAdapt();

  TButtonState State() const { return FState; }
  bool MouseInControl() const { return FMouseInControl; }
  void Click() override;
  void SetEnabled(bool value) override;

  TNotifyEvent OnDropDown;

protected:
  void Loaded() override;
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void WMLButtonDblClk(TMessage& Message) override;
  void CMMouseEnter(TMessage& Message) override;
  void CMMouseLeave(TMessage& Message) override;
  void CMDialogChar(TMessage& Message) override;
  void CMButtonPressed(TMessage& Message);
  void Dispatch(TMessage& Message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

private:
  void UpdateExclusive();
  void UpdateTracking();
  void GlyphChanged(TObject* Sender);
  void BuildShade();
  bool Inside(int X, int Y) const;
  void GradientFill(TRect R, TColor From, TColor To, TColor Border);
  void BoxFill(TRect R, TColor Brush, TColor Border);
  void PaintFlatFace(TRect& R);
  TBitmap* GlyphToDraw();

  TColor FColorTo = clNone, FColorHot = 0xCAC7C7, FColorHotTo = clNone, FColorDown = 0xD8D3D2,
         FColorDownTo = clNone, FColorChecked = 0x808080, FColorCheckedTo = clNone;
  TColor FBorderColor = clNone, FBorderDownColor = clNone, FBorderHotColor = clNone;
  TExGridButtonStyle FStyle = tasButton;
  bool FDown = false, FAllowAllUp = false;
  int FGroupIndex = 0;
  TButtonLayout FLayout = blGlyphLeft;
  int FMargin = -1, FSpacing = 4;
  bool FFlat = true, FShaded = true, FShowCaption = true, FRounded = false, FDropDownButton = false;
  bool FAutoThemeAdapt = false;
  TPopupMenu* FDropDownMenu = nullptr;
  std::unique_ptr<TBitmap> FGlyph, FGlyphHot, FGlyphDown, FGlyphDisabled, FGlyphShade;
  TButtonState FState = bsUp;
  bool FDragging = false;
  bool FMouseInControl = false;
};
