// The small owner-drawn push button of the pop-up header and footer (TExButton)
// and its shared colours (TExButtonAppearance). The button paints a solid or
// gradient face with a border whose colours depend on its state (normal, hot,
// pressed, down, disabled), an image and a caption; it is a plain button, a
// check button or one of a group of mutually exclusive buttons, and carries a
// modal result: a footer button with a closing result closes its drop-down's
// pop-up when clicked.
#pragma once

#include <memory>

#include "grid/dropdown/header_footer_settings.h"
#include "platform/ui/control.h"

class TExCustomDropDown;
class TTimer;
class TCustomImageList;

class TExButtonAppearance : public TPersistent {
public:
  TExButtonAppearance();
  ~TExButtonAppearance() override;

  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor v) { Set(FBorderColor, v); }
  TColor BorderColorHot() const { return FBorderColorHot; }
  void SetBorderColorHot(TColor v) { Set(FBorderColorHot, v); }
  TColor BorderColorDown() const { return FBorderColorDown; }
  void SetBorderColorDown(TColor v) { Set(FBorderColorDown, v); }
  TColor BorderColorDisabled() const { return FBorderColorDisabled; }
  void SetBorderColorDisabled(TColor v) { Set(FBorderColorDisabled, v); }
  TColor BorderColorChecked() const { return FBorderColorChecked; }
  void SetBorderColorChecked(TColor v) { Set(FBorderColorChecked, v); }
  TColor Color() const { return FColor; }
  void SetColor(TColor v) { Set(FColor, v); }
  TColor ColorTo() const { return FColorTo; }
  void SetColorTo(TColor v) { Set(FColorTo, v); }
  TColor ColorDown() const { return FColorDown; }
  void SetColorDown(TColor v) { Set(FColorDown, v); }
  TColor ColorDownTo() const { return FColorDownTo; }
  void SetColorDownTo(TColor v) { Set(FColorDownTo, v); }
  TColor ColorHot() const { return FColorHot; }
  void SetColorHot(TColor v) { Set(FColorHot, v); }
  TColor ColorHotTo() const { return FColorHotTo; }
  void SetColorHotTo(TColor v) { Set(FColorHotTo, v); }
  TColor ColorChecked() const { return FColorChecked; }
  void SetColorChecked(TColor v) { Set(FColorChecked, v); }
  TColor ColorCheckedTo() const { return FColorCheckedTo; }
  void SetColorCheckedTo(TColor v) { Set(FColorCheckedTo, v); }
  TColor ColorDisabled() const { return FColorDisabled; }
  void SetColorDisabled(TColor v) { Set(FColorDisabled, v); }
  TColor ColorDisabledTo() const { return FColorDisabledTo; }
  void SetColorDisabledTo(TColor v) { Set(FColorDisabledTo, v); }
  TGradientDirection Gradient() const { return FGradient; }
  void SetGradient(TGradientDirection v);
  TFont* Font() const { return FFont.get(); }
  void SetFont(const TFont* v);

  void Assign(const TPersistent* Source) override;
  TNotifyEvent OnChange;

private:
  void Set(TColor& field, TColor v);
  void Changed();

  TColor FBorderColor = clNone, FBorderColorHot = 0x808080, FBorderColorDown = 0x800000;
  TColor FBorderColorDisabled = 0x808080, FBorderColorChecked = 0xFF0000;
  TColor FColor = clNone, FColorTo = clNone, FColorDown = 0xF5D8CA, FColorDownTo = 0xF9BDA0;
  TColor FColorHot = 0xF5F0E1, FColorHotTo = 0xF9D2B2, FColorCheckedTo, FColorDisabled = 0xF2F2F2;
  TColor FColorDisabledTo = clNone, FColorChecked;
  TGradientDirection FGradient = gdVertical;
  std::unique_ptr<TFont> FFont;
};

enum TExButtonStyle { tasButton, tasCheck };
enum TExButtonState { absUp, absDisabled, absDown, absDropDown, absExclusive };

class TExButton : public TCustomControl {
public:
  explicit TExButton(TComponent* AOwner);
  ~TExButton() override;

  virtual void DrawButton(TCanvas* Canvas);
  void SetDown(bool Value);
  bool Down() const { return FDown; }
  TExButtonState State() const { return FState; }
  void SizeToContent();
  void SetImages(TCustomImageList* Images) { FImages = Images; }
  void SetExDropDown(TExCustomDropDown* DropDown) { FExDropDown = DropDown; }
  void Click() override;
  // The face, second and border colours the button paints now.
  void FaceColors(TColor& F, TColor& T, TColor& B) const;

  int FGroupIndex = 0;
  bool FAllowAllUp = false;
  TExButtonStyle FStyle = tasButton;
  TExButtonAppearance* FAppearance = nullptr;
  int FImageIndex = -1;
  int FModalResult = 0;
  TNotifyEvent FOnMouseEnter;
  TNotifyEvent FOnMouseLeave;

protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void KeyDown(int& Key, TShiftState Shift) override;
  void CMMouseEnter(TMessage& Message) override;
  void CMMouseLeave(TMessage& Message) override;
  void CMDialogChar(TMessage& Message) override;
  void CMEnabledChanged(TMessage& Message) override;
  void Dispatch(TMessage& Message) override;

private:
  void ShowPressed();
  void UnHotTimerTick();
  void UpdateTracking();
  void UpdateExclusive();
  bool Inside(int X, int Y) const;

  bool FDown = false;
  bool FMouseInControl = false;
  TExButtonState FState = absUp;
  bool FMouseDownInControl = false;
  bool FDragging = false;
  TTimer* FUnHotTimer = nullptr;
  bool FInternalClick = false;
  TCustomImageList* FImages = nullptr;
  TExCustomDropDown* FExDropDown = nullptr;
};
