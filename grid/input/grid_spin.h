// TGridSpin: the grid's spin editor for edSpinEdit, edFloatSpinEdit,
// edTimeSpinEdit and edDateSpinEdit, laid over the current cell. Up, Down and
// the page keys step the value inside the editor; Tab and Enter validate and
// leave; Escape leaves the cell exactly as it was. The spin buttons raise the
// grid's spin-click event of the spin type.
#pragma once

#include "grid/input/spin_edit.h"

class TExStringGrid;

class TGridSpin : public TEsgSpinEdit {
public:
  explicit TGridSpin(TExStringGrid* AGrid);

  // Set by Escape: the edit ends without writing the cell.
  bool Cancelled() const { return FCancelled; }
  void SetCancelled(bool value) { FCancelled = value; }

protected:
  void UpClick(TObject* Sender) override;
  void DownClick(TObject* Sender) override;
  void WMChar(TMessage& Message) override;
  void KeyPress(QChar& Key) override;
  void KeyDown(int& Key, TShiftState Shift) override;
  void CMWantSpecialKey(TMessage& Message) override;
  void Change() override;
  void DoExit() override;

private:
  void RaiseSpinClick(bool Up);
  // Writes the text to the current cell and validates it; a refusal shows the
  // cell's text with the caret at its end.
  bool CommitText();

  TExStringGrid* FGrid;
  bool FCancelled = false;
};
