// The edit with an embedded button and its value-and-unit variant:
// - TEsgEditBtn: a masked edit with a button part at its right edge; clicking
//   the button or pressing F4 (without Ctrl or Alt) raises OnClickBtn; with
//   EditorEnabled off the text changes only through the button's handler.
// - TEsgEditButton: the button part, a small window holding one TExSpeedButton
//   that fills it and carries the button colours; any left release that follows
//   a press on it clicks, wherever the pointer is then.
// - TExSpeedButton: a speed button that paints its own face (custom colours, the
//   theme's push button, a classic or a flat frame).
// - TEsgUnitEditBtn: shows a unit after the value and offers the units in a
//   pop-up menu when the button is pressed.
// The grid's edit-button and unit editors derive from the two edits.
#pragma once

#include <functional>

#include "platform/rtl/string_list.h"
#include "platform/ui/mask_edit.h"
#include "platform/ui/speed_button.h"

class TEsgEditButton;
class TBitmap;

using TUnitChangeEvent = std::function<void(TObject* Sender, const QString& NewUnit)>;

class TExSpeedButton : public TSpeedButton {
public:
  explicit TExSpeedButton(TComponent* AOwner);

  bool Hot() const { return FHot; }
  bool IsWinXP() const { return FIsWinXP; }
  void SetIsWinXP(bool Value) { FIsWinXP = Value; }
  QString ButtonCaption;
  TBitmap* Glyph = nullptr;

protected:
  void Paint() override;
  void CMMouseEnter(TMessage& Message) override;
  void CMMouseLeave(TMessage& Message) override;

private:
  bool FIsWinXP = false;
  bool FHot = false;
};

class TEsgEditButton : public TCustomControl {
public:
  explicit TEsgEditButton(TComponent* AOwner);

  TExSpeedButton* Button() const { return FButton; }
  TWinControl* FocusControl() const { return FFocusControl; }
  void SetFocusControl(TWinControl* Value);
  bool Flat() const { return FFlat; }
  void SetFlat(bool Value);
  QString ButtonCaption() const { return FButton->ButtonCaption; }
  void SetButtonCaption(const QString& Value);

  TColor ButtonColor = clNone;
  TColor ButtonColorHot = clNone;
  TColor ButtonColorDown = clNone;
  TColor ButtonBorderColor = clNone;
  TColor ButtonTextColor = clNone;
  TColor ButtonTextColorHot = clNone;
  TColor ButtonTextColorDown = clNone;

  TNotifyEvent OnClick;

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  // The speed button covers the part.
  void ArrangeButton(int& W, int& H);

protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

private:
  void BtnMouseUp(TObject* Sender, TMouseButton Button);

  TExSpeedButton* FButton = nullptr;
  TWinControl* FFocusControl = nullptr;
  bool FFlat = false;
};

class TEsgEditBtn : public TCustomMaskEdit {
public:
  explicit TEsgEditBtn(TComponent* AOwner);
  ~TEsgEditBtn() override;

  TEsgEditButton* Button() const { return FButton; }
  int ButtonWidth() const { return FButtonWidth; }
  void SetButtonWidth(int Value);
  QString ButtonCaption() const { return FButton->ButtonCaption(); }
  void SetButtonCaption(const QString& Value) { FButton->SetButtonCaption(Value); }
  bool EditorEnabled() const { return FEditorEnabled; }
  void SetEditorEnabled(bool Value) { FEditorEnabled = Value; }
  bool IsWinXP() const { return FIsWinXP; }
  void SetIsWinXP(bool Value);
  bool RightAlign() const { return FRightAlign; }
  void SetRightAlign(bool Value);
  int UnitSize() const { return FUnitSize; }
  // The smallest height that shows the font.
  int GetMinHeight() const;
  // The text's formatting rectangle as SetEditRect sets it.
  TRect EditTextRect() const;

  TNotifyEvent OnClickBtn;

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  // Raises OnClickBtn; Sender is the button part for a click, the edit for F4.
  virtual void ButtonClick(TObject* Sender);

protected:
  void SetEditRect();
  void KeyDown(int& Key, TShiftState Shift) override;
  void WMChar(TMessage& Message) override;
  void WMPaste(TMessage& Message) override;
  void WMCut(TMessage& Message) override;
  void CMEnter(TMessage& Message) override;

  int FUnitSize = 0;
  bool FRightAlign = false;
  TEsgEditButton* FButton = nullptr;
  bool FEditorEnabled = true;
  int FButtonWidth = 0;
  bool FIsWinXP = false;
};

class TEsgUnitEditBtn : public TEsgEditBtn {
public:
  explicit TEsgUnitEditBtn(TComponent* AOwner);

  QString UnitID() const { return FUnitID; }
  void SetUnitID(const QString& Value);
  TStringList* Units() { return &FUnits; }
  void SetUnits(const TStringList* Value);
  int UnitSpace() const { return FUnitSize; }
  void SetUnitSpace(int Value);
  // The text followed directly by the unit; written, a value that ends in one of
  // the units (the first, in list order, whose first occurrence ends it) is
  // split into text and unit; any other value changes nothing.
  QString TextAndUnit() const { return Text() + FUnitID; }
  void SetTextAndUnit(const QString& Value);

  TUnitChangeEvent OnUnitChanged;

  // Raises OnClickBtn, then offers the units in a pop-up menu.
  void ButtonClick(TObject* Sender) override;

protected:
  void Dispatch(TMessage& Message) override;
  void WMCommand(TMessage& Message) override;

private:
  QString FUnitID;
  TStringList FUnits;
};
