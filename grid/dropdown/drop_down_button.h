// The button inside a drop-down edit's right edge (TDropDownEditButton): a
// windowed control that holds one speed button (TExDropDownSpeedButton) drawn
// as a combo-box arrow button, or as a push button with glyph and caption. A
// left-button release on the speed button (wherever the pointer is then)
// becomes the edit button's OnClick. The arrow face takes custom colours when
// they are set, else the platform's combo-box arrow button face.
#pragma once

#include <memory>

#include "platform/ui/speed_button.h"

class TBitmap;
class TExCustomDropDown;

enum TDropDownButtonStyle { bsButton, bsDropDown };

class TExDropDownSpeedButton : public TSpeedButton {
public:
  explicit TExDropDownSpeedButton(TComponent* AOwner);
  ~TExDropDownSpeedButton() override;

  bool Etched() const { return FEtched; }
  void SetEtched(bool Value);
  bool Focused() const { return FFocused; }
  void SetFocused(bool Value);
  bool Hot() const { return FHot; }
  // From now on the pressed look is never drawn.
  void SetUp() { FUp = true; }
  TDropDownButtonStyle ButtonStyle() const { return FButtonStyle; }
  void SetButtonStyle(TDropDownButtonStyle Value);
  TBitmap* Glyph() const { return FGlyph.get(); }
  QString ButtonCaption;
  int NumGlyphs = 1;
  // Pressed look: held down and not switched off by SetUp.
  bool PressedLook() const;

protected:
  void Paint() override;
  void CMMouseEnter(TMessage& Message) override;
  void CMMouseLeave(TMessage& Message) override;

private:
  void PaintDropDown();
  void PaintButton();
  TExCustomDropDown* Edit() const;

  bool FEtched = false;
  bool FFocused = false;
  bool FHot = false;
  bool FUp = false;
  TDropDownButtonStyle FButtonStyle = bsDropDown;
  std::unique_ptr<TBitmap> FGlyph;
};

class TDropDownEditButton : public TCustomControl {
public:
  explicit TDropDownEditButton(TComponent* AOwner);

  TExDropDownSpeedButton* InnerButton() const { return FButton; }
  TWinControl* FocusControl = nullptr;
  TNotifyEvent OnClick;
  // The button width the drop-down edit asks for.
  int BWidth() const { return FBWidth; }
  void SetBWidth(int Value);
  TColor ButtonColor = clNone, ButtonColorHot = clNone, ButtonColorDown = clNone;
  TColor ButtonTextColor = clNone, ButtonTextColorHot = clNone, ButtonTextColorDown = clNone;
  TColor ButtonBorderColor = clNone;

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

protected:
  void CMEnabledChanged(TMessage& Message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

private:
  void AdjustWinSize(int& W, int& H);
  void BtnMouseUp(TObject* Sender, TMouseButton Button);

  TExDropDownSpeedButton* FButton = nullptr;
  int FBWidth = 16;
};
