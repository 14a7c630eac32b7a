// The grid suite's painted check box (TExCheckBox), used by the search panel's
// "Match case" and "Highlight" options: a focusable control that paints its box
// (themed or classic) and caption itself, with three states, a read-only mode
// that still raises the click, the box at either side, a caption ellipsis and a
// transparent background. It raises its click itself: after a release on it
// with the focus, after Space, and on its accelerator.
#pragma once

#include <memory>

#include "platform/ui/bitmap.h"
#include "platform/ui/check_box.h"
#include "platform/ui/control.h"

enum TTextLayout { tlTop, tlCenter, tlBottom };
using TLeftRight = TAlignment;  // taLeftJustify or taRightJustify

class TExCheckBox : public TCustomControl {
public:
  explicit TExCheckBox(TComponent* AOwner);
  ~TExCheckBox() override;

  bool Down() const { return FDown; }
  void SetDown(bool Value) { FDown = Value; }
  TCheckBoxState State() const { return FState; }
  void SetState(TCheckBoxState Value);
  bool Checked() const { return FState == cbChecked; }
  void SetChecked(bool Value);
  bool ReturnIsTab() const { return FReturnIsTab; }
  void SetReturnIsTab(bool Value) { FReturnIsTab = Value; }
  TTextLayout ButtonVertAlign() const { return FBtnVAlign; }
  void SetButtonVertAlign(TTextLayout Value);
  TLeftRight Alignment() const { return FAlignment; }
  void SetAlignment(TLeftRight Value);
  bool Ellipsis() const { return FEllipsis; }
  void SetEllipsis(bool Value);
  QString Caption() const { return FCaption; }
  void SetCaption(const QString& Value);
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value) { FReadOnly = Value; }
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value);
  // (Spelled as the suite spells it.)
  bool TransparentChaching() const { return FTransparentCaching; }
  void SetTransparentChaching(bool Value) { FTransparentCaching = Value; }
  bool Hot() const { return FHot; }
  bool HasFocusFlag() const { return FFocused; }
  bool BackgroundCached() const { return FBkgCache; }

  // Unless read-only: Checked := not Checked (a grayed box becomes checked).
  virtual void Toggle();
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

  // The box's rectangle in client pixels (themed 14 x 14, classic 13 x 13).
  TRect BoxRect() const;

protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void KeyDown(int& Key, TShiftState Shift) override;
  void KeyUp(int& Key, TShiftState Shift) override;
  void CMMouseEnter(TMessage& Message) override;
  void CMMouseLeave(TMessage& Message) override;
  void CMDialogChar(TMessage& Message) override;
  void CMEnabledChanged(TMessage& Message) override;
  void WMSetFocus(TMessage& Message) override;
  void WMKillFocus(TMessage& Message) override;

private:
  bool Inside(int X, int Y) const;
  TRect CaptionRect() const;

  bool FDown = false;
  TCheckBoxState FState = cbUnchecked;
  bool FFocused = false;
  bool FReturnIsTab = false;
  TTextLayout FBtnVAlign = tlTop;
  TLeftRight FAlignment = taLeftJustify;
  bool FEllipsis = false;
  QString FCaption = QStringLiteral("TExCheckBox");
  bool FHot = false;
  bool FReadOnly = false;
  bool FMouseDown = false;
  std::unique_ptr<TBitmap> FBkgBmp;
  bool FBkgCache = false;
  bool FTransparentCaching = false;
  bool FTransparent = false;
};
