// The pop-up window of a drop-down edit (TDropDownForm): a borderless top-most
// form owned by the edit's form that paints a plain or gradient background
// inside a border, lays out an optional header bar at the top, an optional
// footer bar at the bottom and the drop-down's inner control between them, and
// closes the drop-down when it loses activation to a window that is not its
// own. Its keys and wheel turns go to the drop-down edit. It can be sized by
// the mouse from its bottom-right corner.
#pragma once

#include <cstdint>

#include "platform/ui/popup_form.h"

class TExCustomDropDown;
class TExHeader;
class TExFooter;

class TDropDownForm : public TPopupForm {
public:
  explicit TDropDownForm(TComponent* AOwner);
  ~TDropDownForm() override;

  // Tick count (ms) of the last deactivation.
  int64_t DeActivateTime() const { return FDeActivate; }
  // The pop-up has lost activation at least once (DeActivateTime is valid).
  bool EverDeactivated() const { return FDeactivated; }
  bool Shadow = true;  // a drop shadow is asked for (the window system draws none here)
  TExHeader* Header() const { return FHeader; }
  TExFooter* Footer() const { return FFooter; }
  TExCustomDropDown* ExDropDown() const { return FExDropDown; }
  void SetExDropDown(TExCustomDropDown* Value) { FExDropDown = Value; }
  bool Sizeable = false;
  bool CancelOnDeActivate = true;
  bool BlockActivate = false;
  TNotifyEvent OnSizing;

  // Creates or refreshes header and footer from the drop-down's appearances.
  void InitializeAndUpdate();
  virtual void UpdateSize() {}
  // Places header, footer and the inner control inside the border.
  void ArrangeParts();
  // The client rectangle less the border: where the parts sit.
  TRect InnerRect() const;
  // Resizes the pop-up as the user drags its corner (never below 80 x 50).
  void SizeByUser(int AWidth, int AHeight);
  // Paints background and border on the canvas (the pop-up's paint).
  void PaintBackground(TCanvas* Canvas);

protected:
  void WMActivate(bool active, bool toOwnWindow) override;
  void Dispatch(TMessage& Message) override;
  void Resize() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
  bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
  void WMGetDlgCode(TMessage& Message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

private:
  int64_t FDeActivate = 0;
  bool FDeactivated = false;
  TExFooter* FFooter = nullptr;
  TExHeader* FHeader = nullptr;
  TExCustomDropDown* FExDropDown = nullptr;
  bool sizing_ = false;
  TPoint size_origin_;
  int size_w_ = 0, size_h_ = 0;
};
