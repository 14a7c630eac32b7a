// The class library's check box (stands for TCheckBox) over QCheckBox. OnClick
// fires whenever the state changes, by the user or in code (setting Checked).
#pragma once

#include "platform/ui/control.h"

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

class TCheckBox : public TWinControl {
public:
  explicit TCheckBox(TComponent* AOwner);

  bool Checked() const { return state_ == cbChecked; }
  void SetChecked(bool value) { SetState(value ? cbChecked : cbUnchecked); }
  TCheckBoxState State() const { return state_; }
  void SetState(TCheckBoxState value);
  bool AllowGrayed() const { return allow_grayed_; }
  void SetAllowGrayed(bool value);
  // Unchecked -> checked (grayed when allowed) -> unchecked; grayed -> checked.
  void Toggle();

protected:
  void CMTextChanged(TMessage& Message) override;
  void CMDialogChar(TMessage& Message) override;
  void WMGetDlgCode(TMessage& Message) override;

private:
  void StateFromWidget();

  TCheckBoxState state_ = cbUnchecked;
  bool allow_grayed_ = false;
  bool updating_ = false;
};
