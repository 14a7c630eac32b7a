// The class library's push button (stands for TButton) over QPushButton. A click
// (mouse release over the button, or Space released while it has the focus)
// raises Click (OnClick).
#pragma once

#include "platform/ui/control.h"

class TButton : public TWinControl {
public:
  explicit TButton(TComponent* AOwner);

protected:
  void CMTextChanged(TMessage& Message) override;
  void WMGetDlgCode(TMessage& Message) override;
};
