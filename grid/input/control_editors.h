// The editors the grid lays over the form controls of a mini-HTML cell (CONTROL
// tags): a masked edit for EDIT, PASSWORD and MASK controls and a combo for
// COMBO controls. Leaving one stores its text as the control's VALUE in the
// cell text. Enter ends the edit and gives the focus back to the grid; Tab ends
// it and moves on (to the next cell with AdvanceAuto, else to the cell's next
// editable control).
#pragma once

#include "grid/input/flat_combo_box.h"
#include "platform/ui/mask_edit.h"

class TExStringGrid;

class TControlEdit : public TCustomMaskEdit {
public:
  explicit TControlEdit(TExStringGrid* AGrid);
  using TCustomMaskEdit::SetEditMask;
  // Enter or Tab in a control editor: the edit ends through its exit step; Tab
  // then moves on.
  static void EndEdit(TExStringGrid* Grid, int Key, TShiftState Shift);

protected:
  void KeyDown(int& Key, TShiftState Shift) override;
  void KeyPress(QChar& Key) override;
  void CMWantSpecialKey(TMessage& Message) override;

private:
  TExStringGrid* FGrid;
};

class TControlCombo : public TEsgComboBox {
public:
  explicit TControlCombo(TExStringGrid* AGrid);

protected:
  void KeyDown(int& Key, TShiftState Shift) override;
  void KeyPress(QChar& Key) override;
  void CMWantSpecialKey(TMessage& Message) override;
  void Select() override;

private:
  TExStringGrid* FGrid;
};
