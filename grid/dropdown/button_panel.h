// A panel of push keys that lays out and paints its keys itself, without child
// windows (TCustomButtonPanel): with plCalculator it holds the calculator
// keypad and arranges it in a memory column, a digit block, two operator
// columns and a top row; with plCustom the owner adds the keys and gives them
// their rectangles. Each key face is the platform's themed push button with an
// optional picture and a caption; the panel tracks the hot and the pressed key
// and reports a click (press and release on one key) through OnButtonClick.
#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "grid/dropdown/header_footer_settings.h"
#include "grid/dropdown/item_selector.h"
#include "platform/rtl/collection.h"
#include "platform/ui/control.h"

class TPicture;
class TExCustomDropDown;

class TButtonItem : public TCollectionItem {
public:
  explicit TButtonItem(TCollection* Collection);
  ~TButtonItem() override;

  QString Caption() const { return FCaption; }
  void SetCaption(const QString& Value);
  TColor CaptionColor() const { return FCaptionColor; }
  void SetCaptionColor(TColor Value);
  int ImageIndex = -1;
  TPicture* Image() const { return FImage.get(); }
  void SetImage(const TPicture* Value);
  int Tag = 0;  // the key code the owner interprets

  // Copies caption, caption colour, tag, image index, image, enabled and name.
  void Assign(const TPersistent* Source) override;

  bool FEnabled = true;
  int FLeft = 0, FTop = 0, FWidth = 0, FHeight = 0;  // written by the layout
  QString FName;
  bool FSpecial = false;  // caption in the appearance's special text colour

private:
  QString FCaption;
  TColor FCaptionColor = 0xFFFFFF;
  std::unique_ptr<TPicture> FImage;
};

// The keys; OnChange is the panel's repaint hook and is fired by its users.
using TButtonItems = TNotifyingCollection<TButtonItem>;

class TButtonAppearance : public TPersistent {
public:
  TButtonAppearance();
  ~TButtonAppearance() override;

  TColor Color() const { return FColor; }
  void SetColor(TColor v) { Set(FColor, v); }
  TColor ColorTo() const { return FColorTo; }
  void SetColorTo(TColor v) { Set(FColorTo, v); }
  TColor ShineColor() const { return FShineColor; }
  void SetShineColor(TColor v) { FShineColor = v; }  // stored without a change notice
  TColor ColorHot() const { return FColorHot; }
  void SetColorHot(TColor v) { Set(FColorHot, v); }
  TColor ColorHotTo() const { return FColorHotTo; }
  void SetColorHotTo(TColor v) { Set(FColorHotTo, v); }
  TColor ColorDown() const { return FColorDown; }
  void SetColorDown(TColor v) { Set(FColorDown, v); }
  TColor ColorDownTo() const { return FColorDownTo; }
  void SetColorDownTo(TColor v) { Set(FColorDownTo, v); }
  TColor ColorChecked() const { return FColorChecked; }
  void SetColorChecked(TColor v) { Set(FColorChecked, v); }
  TColor ColorCheckedTo() const { return FColorCheckedTo; }
  void SetColorCheckedTo(TColor v) { Set(FColorCheckedTo, v); }
  TColor ColorDisabled() const { return FColorDisabled; }
  void SetColorDisabled(TColor v) { Set(FColorDisabled, v); }
  TColor ColorDisabledTo() const { return FColorDisabledTo; }
  void SetColorDisabledTo(TColor v) { Set(FColorDisabledTo, v); }
  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor v) { Set(FBorderColor, v); }
  TColor BorderColorHot() const { return FBorderColorHot; }
  void SetBorderColorHot(TColor v) { Set(FBorderColorHot, v); }
  TColor BorderColorDown() const { return FBorderColorDown; }
  void SetBorderColorDown(TColor v) { Set(FBorderColorDown, v); }
  TColor BorderColorChecked() const { return FBorderColorChecked; }
  void SetBorderColorChecked(TColor v) { Set(FBorderColorChecked, v); }
  TColor TextColor() const { return FTextColor; }
  void SetTextColor(TColor v) { Set(FTextColor, v); }
  TColor SpecialTextColor() const { return FSpecialTextColor; }
  void SetSpecialTextColor(TColor v) { Set(FSpecialTextColor, v); }
  TColor GlowColorHot = 0xD5C244;
  TColor GlowColorDown = 0xD5C244;
  TFont* Font() const { return FFont.get(); }
  void SetFont(const TFont* Value);

  // Copies every colour, the font and both text colours.
  void Assign(const TPersistent* Source) override;
  TNotifyEvent OnChange;

private:
  void Set(TColor& field, TColor v);
  TColor FColor = 0x9A915F, FColorTo = 0xB0A170, FShineColor = 0xFFFFFF;
  TColor FColorHot = 0x9F6F1C, FColorHotTo = 0xD5C244;
  TColor FColorDown = 0x4B2F08, FColorDownTo = 0xADB514;
  TColor FColorChecked, FColorCheckedTo, FColorDisabled, FColorDisabledTo;
  TColor FBorderColor = 0, FBorderColorHot = 0, FBorderColorDown = 0, FBorderColorChecked = 0xFF0000;
  TColor FTextColor = 0, FSpecialTextColor = 0x000080;
  std::unique_ptr<TFont> FFont;
};

enum TButtonPanelType { plCalculator, plCustom };

using TCalculatorButtonClickEvent = std::function<void(TObject* Sender, int Index)>;

class TCustomButtonPanel : public TCustomControl {
public:
  explicit TCustomButtonPanel(TComponent* AOwner);
  ~TCustomButtonPanel() override;

  TButtonItems* Buttons() const { return FButtons.get(); }
  void SetButtons(const TButtonItems* Value) { FButtons->Assign(Value); }
  TButtonAppearance* ButtonAppearance() const { return FButtonAppearance.get(); }
  void SetButtonAppearance(const TButtonAppearance* Value) { FButtonAppearance->Assign(Value); }
  TItemLayout ButtonLayout = ilCaptionRight;
  TSelectionColorStyle ItemColorStyle = scOffice2007;  // stored only
  TButtonPanelType ButtonPanelType() const { return FButtonPanelType; }
  void SetButtonPanelType(TButtonPanelType Value);
  TExCustomDropDown* ExDropDown() const { return FExDropDown; }
  void SetExDropDown(TExCustomDropDown* Value) { FExDropDown = Value; }
  TWinControl* Edit() const { return FEdit; }
  void SetEdit(TWinControl* Value);

  int ButtonHot() const { return FButtonHot; }
  int ButtonDown() const { return FButtonDown; }
  // The key's rectangle; (-1, -1, -1, -1) outside the keys.
  TRect GetButtonRect(int Index) const;
  // The first key whose rectangle holds the point, else -1.
  int ButtonAtPos(int X, int Y) const;

  // The virtual operations, in slot order.
  virtual void DrawButton(int Index, TCanvas* Canvas);
  virtual void GetButtonArea(TRect& R) const;
  virtual void GetButtonSize(int& Width, int& Height);
  virtual void ClearButtons();
  virtual void ResetButtons();
  virtual void CreateDefaultButtons();
  virtual void ArrangeButtons();
  virtual void InvalidateButton(int Index);
  virtual void DoButtonClick(int Index);

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  void Loaded();

  TCalculatorButtonClickEvent OnButtonClick;

  // Outer offsets (client edge to keypad) and inner offsets (key edge to content).
  int FOffSetX = 8, FOffSetY = 8;
  int FButtonOffSetX = 4, FButtonOffSetY = 4;
  int FCaptionGap = 0;

protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void CMMouseLeave(TMessage& Message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

private:
  bool ValidIndex(int Index) const { return Index >= 0 && Index < FButtons->Count(); }
  void SetButtonHot(int Value);
  void SetButtonDown(int Value);
  void Changed();

  std::unique_ptr<TButtonItems> FButtons;
  std::unique_ptr<TButtonAppearance> FButtonAppearance;
  TButtonPanelType FButtonPanelType = plCalculator;
  int FButtonHot = -1;
  int FButtonDown = -1;
  TWinControl* FEdit = nullptr;
  TExCustomDropDown* FExDropDown = nullptr;
};
