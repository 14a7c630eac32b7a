// TGridCheckBox: the grid's check box editor for edCheckBox, laid over the
// current cell with the cell's text as caption. Space and a click toggle it,
// exactly once each; Enter and the navigation keys close it and act in the
// grid. Its state is never written into the cell.
#pragma once

#include "platform/ui/check_box.h"

class TExStringGrid;

class TGridCheckBox : public TCheckBox {
public:
  explicit TGridCheckBox(TExStringGrid* AGrid);

protected:
  void WMLButtonDown(TMessage& Message) override;
  void WMLButtonUp(TMessage& Message) override;
  void KeyDown(int& Key, TShiftState Shift) override;
  void KeyUp(int& Key, TShiftState Shift) override;
  void CMWantSpecialKey(TMessage& Message) override;
  void DoExit() override;

private:
  TExStringGrid* FGrid;
};
