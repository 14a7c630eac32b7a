// TGridButton: the grid's push-button editor for edButton, laid over the
// current cell (covering its grid lines) with the cell's text as caption. A
// click or Space asks the grid's OnEllipsClick for a new caption and writes it
// into the cell; the arrow keys close it and move in the grid; Escape closes it
// and leaves the cell exactly as it was.
#pragma once

#include "platform/ui/button.h"

class TExStringGrid;

class TGridButton : public TButton {
public:
  explicit TGridButton(TExStringGrid* AGrid);

protected:
  void WMLButtonUp(TMessage& Message) override;
  void KeyDown(int& Key, TShiftState Shift) override;
  void KeyUp(int& Key, TShiftState Shift) override;
  void CMWantSpecialKey(TMessage& Message) override;
  void DoExit() override;

private:
  // The caption from OnEllipsClick, shown and written to the current cell.
  void EllipsClick();
  // Hides and disables the button and gives the grid the focus; the edit ends
  // without being announced.
  void Close();

  TExStringGrid* FGrid;
};
