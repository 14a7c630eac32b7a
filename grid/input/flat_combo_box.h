// The flat combo box (TEsgCustomCombo, published as TEsgComboBox): the class
// library's combo box with its own border and drop-down button drawing (flat
// look, border and focus-border colours, a custom-coloured button strip), a
// focus colour, an attached label that follows the combo's position, visibility
// and enabled state, and OnDropUp after the list closed. The grid's in-place
// combo editor derives from it.
//
// Painting: the combo's window paints itself (the system's themed look); when
// the combo draws its own parts, its button strip and frame are drawn over that
// in the same paint.
#pragma once

#include <memory>

#include "grid/base/label_position.h"
#include "platform/ui/labels.h"
#include "platform/ui/list_controls.h"

// Where a label of LabelWidth x LabelHeight stands beside a combo at `Combo`.
TPoint ComboLabelPosition(TLabelPosition Position, const TRect& Combo, int LabelWidth, int LabelHeight,
                          int Margin);

// Which frame the combo draws around itself (first rule that applies).
enum class TComboFrame { None, Disabled, Border, FocusBorder, Flat };

// The frame colour of a disabled combo under a theme without DisabledBorder.
inline constexpr TColor kDisabledComboFrame = 0xB99D7F;

class TEsgCustomCombo : public TComboBox {
public:
  explicit TEsgCustomCombo(TComponent* AOwner);
  ~TEsgCustomCombo() override;

  // Remembers the current colour as the one to restore when the focus leaves.
  void Init();
  // Selects the item with this text (ignoring case); nothing when it is absent.
  void SelectItem(const QString& AString);

  bool Flat() const { return FFlat; }
  void SetFlat(bool value);
  bool Etched() const { return FEtched; }
  void SetEtched(bool value);
  int ButtonWidth() const { return FButtonWidth; }
  void SetButtonWidth(int value);  // 14 to 32 pixels; anything else is ignored
  int DropWidth() const { return FDropWidth; }
  void SetDropWidth(int value);
  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor value);
  TColor FocusBorderColor() const { return FFocusBorderColor; }
  void SetFocusBorderColor(TColor value);
  TColor FocusColor() const { return FFocusColor; }
  void SetFocusColor(TColor value) { FFocusColor = value; }
  TColor FlatLineColor() const { return FFlatLineColor; }
  void SetFlatLineColor(TColor value);
  bool FlatParentColor() const { return FFlatParentColor; }
  void SetFlatParentColor(bool value);
  bool FocusBorder() const { return FFocusBorder; }
  void SetFocusBorder(bool value) { FFocusBorder = value; }
  bool DisabledBorder() const { return FDisabledBorder; }
  void SetDisabledBorder(bool value);
  bool AutoFocus() const { return FAutoFocus; }
  void SetAutoFocus(bool value) { FAutoFocus = value; }
  bool IsWinXP() const { return FIsWinXP; }
  void SetIsWinXP(bool value) { FIsWinXP = value; }
  bool IsVista() const { return FIsVista; }
  void SetIsVista(bool value) { FIsVista = value; }

  // The attached label, made by the first caption.
  TLabel* ComboLabel() const { return FLabel; }
  QString LabelCaption() const;
  void SetLabelCaption(const QString& value);
  TLabelPosition LabelPosition() const { return FLabelPosition; }
  void SetLabelPosition(TLabelPosition value);
  int LabelMargin() const { return FLabelMargin; }
  void SetLabelMargin(int value);
  bool LabelTransparent() const { return FLabelTransparent; }
  void SetLabelTransparent(bool value);
  bool LabelAlwaysEnabled() const { return FLabelAlwaysEnabled; }
  void SetLabelAlwaysEnabled(bool value);
  bool FocusLabel() const { return FFocusLabel; }
  void SetFocusLabel(bool value) { FFocusLabel = value; }
  TFont* LabelFont() { return FLabelFont.get(); }
  void SetLabelFont(const TFont* value);

  // Custom colours of the button strip; clNone leaves the window's own button.
  TColor ButtonColor = clNone;
  TColor ButtonColorHot = clNone;
  TColor ButtonColorDown = clNone;
  TColor ButtonBorderColor = clNone;
  TColor ButtonTextColor = clNone;
  TColor ButtonTextColorHot = clNone;
  TColor ButtonTextColorDown = clNone;

  TNotifyEvent OnDropUp;

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  void SetEnabled(bool value) override;

  // The frame the combo draws now, and whether it paints its own parts at all.
  TComboFrame FrameToDraw() const;
  bool PaintsOwnParts() const;
  bool MouseInControl() const { return FMouseInControl; }
  bool ButtonHover() const { return FButtonHover; }

protected:
  void Dispatch(TMessage& Message) override;
  void CNCommand(TMessage& Message) override;
  void CMEnter(TMessage& Message) override;
  void CMExit(TMessage& Message) override;
  void CMMouseEnter(TMessage& Message) override;
  void CMMouseLeave(TMessage& Message) override;
  void CMVisibleChanged(TMessage& Message) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

private:
  bool ThemeActive() const;
  bool NeedsFocusBorder() const;
  void CreateLabel();
  void UpdateLabel();
  void SetLabelBold(bool bold);
  void PaintOwnParts();
  void DrawButton(TCanvas* c);
  void DrawBorder(TCanvas* c);

  bool FAutoFocus = false;
  bool FFlat = false;
  bool FEtched = false;
  TColor FOldColor = clWindow;
  bool FOldParentColor = false;
  int FButtonWidth;
  bool FFocusBorder = false;
  bool FMouseInControl = false;
  int FDropWidth = 0;
  bool FIsWinXP = false;
  bool FButtonHover = false;
  bool FLabelAlwaysEnabled = false;
  bool FLabelTransparent = false;
  int FLabelMargin = 4;
  std::unique_ptr<TFont> FLabelFont;
  TLabelPosition FLabelPosition = lpLeftTop;
  TLabel* FLabel = nullptr;
  TColor FFlatLineColor = clNone;
  bool FFlatParentColor = true;
  TColor FFocusColor = clNone;
  TColor FFocusBorderColor = clNone;
  TColor FBorderColor = clNone;
  bool FDisabledBorder = true;
  TColor FNormalColor = clNone;
  bool FHasFocus = false;
  bool FFocusLabel = false;
  bool FIsVista = false;
};

class TEsgComboBox : public TEsgCustomCombo {
public:
  using TEsgCustomCombo::TEsgCustomCombo;
};
